#pragma once
#include <QString>
#include <memory>

class QLockFile;

namespace zv::platform {

// The previous-instance test: the first instance of the program for this
// user holds a lock file for as long as it runs; a later one finds it held.
// A lock left by a crashed instance is recognised as stale and taken over.
class InstanceLock {
public:
    explicit InstanceLock(const QString& lockFilePath);
    ~InstanceLock();
    // True when another running process holds the lock.
    bool anotherInstanceRunning() const { return !m_acquired; }

    static QString defaultPath();

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_acquired = false;
};

} // namespace zv::platform
