#include "platform/ProcessLauncher.h"

#include "platform/ErrorNumbers.h"

#include <QFileInfo>
#include <QProcess>

namespace zv::platform {

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
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached())
        return LaunchFailure{kErrInvalidCall, errorDescription(kErrInvalidCall)};
    return std::nullopt;
}

} // namespace zv::platform
