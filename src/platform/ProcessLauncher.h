#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace zv::platform {

enum class WindowState { NormalFocused, MinimisedFocused };

struct LaunchFailure {
    int number = 0;
    QString description;
};

// Starts a program without waiting for it and without a shell: the
// arguments reach it as they are, spaces and all.
class ProcessLauncher {
public:
    // Empty result on success.
    static std::optional<LaunchFailure> startDetached(const QString& program,
                                                      const QStringList& arguments,
                                                      WindowState state = WindowState::NormalFocused);
};

} // namespace zv::platform
