#include "platform/ProcessLauncher.h"

#include "platform/ErrorNumbers.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>
extern char** environ;
#else
#include <QProcess>
#endif

namespace zv::platform {

namespace {

#ifdef Q_OS_UNIX
// Programs started here are not waited for, but their exit status must be
// collected so that they do not linger as zombies: each start collects
// those that have ended since.
QList<pid_t>& started()
{
    static QList<pid_t> pids;
    return pids;
}

void collectEnded()
{
    started().removeIf([](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
}

std::optional<LaunchFailure> spawn(const QString& program, const QStringList& arguments)
{
    collectEnded();
    const QByteArray path = QFile::encodeName(program);
    std::vector<QByteArray> args{path};
    for (const QString& a : arguments)
        args.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Its own process group: a signal meant for the daemon's group (a
    // terminal's Ctrl+C) does not reach the capture program.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, path.constData(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (rc != 0) {
        const int number = rc == ENOENT ? kErrFileNotFound : rc == EACCES ? kErrPermissionDenied : kErrInvalidCall;
        return LaunchFailure{number, errorDescription(number)};
    }
    started() << pid;
    return std::nullopt;
}
#endif

} // namespace

std::optional<LaunchFailure> ProcessLauncher::startDetached(const QString& program,
                                                            const QStringList& arguments,
                                                            WindowState)
{
    // A window state has no meaning for a process started on this desktop;
    // the program's own window decides how it shows itself.
    const QFileInfo info(program);
    if (!info.exists())
        return LaunchFailure{kErrFileNotFound, errorDescription(kErrFileNotFound)};
    if (!info.isExecutable())
        return LaunchFailure{kErrPermissionDenied, errorDescription(kErrPermissionDenied)};
#ifdef Q_OS_UNIX
    return spawn(program, arguments);
#else
    if (!QProcess::startDetached(program, arguments))
        return LaunchFailure{kErrInvalidCall, errorDescription(kErrInvalidCall)};
    return std::nullopt;
#endif
}

} // namespace zv::platform
