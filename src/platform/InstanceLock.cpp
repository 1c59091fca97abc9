#include "platform/InstanceLock.h"

#include "platform/SpecialFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace zv::platform {

InstanceLock::InstanceLock(const QString& lockFilePath)
    : m_lock(std::make_unique<QLockFile>(lockFilePath))
{
    QDir().mkpath(QFileInfo(lockFilePath).absolutePath());
    m_lock->setStaleLockTime(0); // only a dead owner makes a lock stale
    m_acquired = m_lock->tryLock(0);
}

InstanceLock::~InstanceLock() = default;

QString InstanceLock::defaultPath()
{
    return applicationDataFolder() + QStringLiteral("/ZuVA.lock");
}

} // namespace zv::platform
