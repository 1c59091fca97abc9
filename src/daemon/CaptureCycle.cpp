#include "daemon/CaptureCycle.h"

#include "core/Conversions.h"
#include "core/ErrorTrap.h"
#include "core/Globals.h"
#include "core/ModFuncs.h"
#include "core/Settings.h"
#include "platform/Clock.h"
#include "platform/DialogService.h"
#include "platform/ErrorNumbers.h"
#include "platform/ProcessLauncher.h"
#include "platform/SpecialFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace zv::daemon {

using platform::Failure;

namespace {

const QString kForm = QStringLiteral("frmMainDaemon");
constexpr qint64 kCycleSeconds = 2;

void removeForced(const QString& path)
{
    QFile f(path);
    f.setPermissions(f.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    if (!f.remove())
        throw Failure(platform::kErrPermissionDenied);
}

} // namespace

QString CaptureCycle::processingName(const QString& spool, const QDateTime& when, int position)
{
    return spool + QStringLiteral("/Proc/f") + when.toString(QStringLiteral("ddMMyyyyHHmmss"))
        + QString::number(position) + QStringLiteral(".pdf");
}

QString CaptureCycle::captureProgram() const
{
    const QString folder = m_programFolder.isEmpty() ? platform::programFolder() : m_programFolder;
    return folder + QLatin1Char('/') + platform::executableName(QStringLiteral("ZvP"));
}

bool CaptureCycle::Sair()
{
    const QString value = core::Settings::read(core::Secao::Config, QStringLiteral("CloseNow"), QStringLiteral("0"));
    core::ErrorTrap trap(kForm, QStringLiteral("Sair"));
    // A value that is not a number cannot be compared: reported, and the
    // daemon ends all the same.
    if (trap.test([&] {
            if (!core::isNumeric(value))
                throw Failure(platform::kErrTypeMismatch);
            return core::toDouble(value) == 1.0;
        }))
        core::bEncerrar = true;
    return core::bEncerrar;
}

bool CaptureCycle::settled(const QString& name, const Observation& now) const
{
    const auto previous = m_seen.constFind(name);
    if (previous != m_seen.cend())
        return *previous == now;
    return now.modified.secsTo(platform::Clock::now()) >= kCycleSeconds;
}

void CaptureCycle::Monitora()
{
    core::ErrorTrap trap(kForm, QStringLiteral("Monitora"));
    QStringList names;
    // A spool folder that has gone makes the listing fail on every cycle.
    if (!trap([&] {
            const QDir dir(m_spool);
            if (m_spool.isEmpty() || !dir.exists())
                throw Failure(platform::kErrPathNotFound);
            names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
        }))
        return;
    // The listing order of the office's file system: by name, ignoring case.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });

    // Only the jobs looked at in this cycle are remembered: a burst of
    // prints costs one look per cycle, not one per waiting job.
    QHash<QString, Observation> seen;
    QString job;
    for (const QString& name : std::as_const(names)) {
        const QFileInfo info(m_spool + QLatin1Char('/') + name);
        const Observation now{info.size(), info.lastModified()};
        seen.insert(name, now);
        if (settled(name, now)) {
            job = info.absoluteFilePath();
            break;
        }
    }
    m_seen = std::move(seen);
    if (job.isEmpty())
        return;

    const QString procFolder = m_spool + QStringLiteral("/Proc");
    trap([&] {
        if (!QDir(procFolder).exists() && !QDir().mkpath(procFolder))
            throw Failure(platform::kErrPathFileAccess);
    });
    const QString target = processingName(m_spool, platform::Clock::now());
    // A job whose copy failed stays in the spool for a later cycle, and the
    // capture program is not started for a file that is not there.
    const bool copied = trap([&] {
        if (QFileInfo::exists(target))
            removeForced(target);
        if (!QFile::copy(job, target))
            throw Failure(platform::kErrPathFileAccess);
    });
    if (!copied)
        return;
    trap([&] { removeForced(job); });
    m_seen.remove(QFileInfo(job).fileName());
    trap([&] { ExecutaCaptura(target); });
}

void CaptureCycle::ExecutaCaptura(const QString& processingPath) const
{
    const auto failure = platform::ProcessLauncher::startDetached(captureProgram(), {processingPath});
    if (failure)
        platform::Dialogs::messageBox(QString::number(failure->number) + QLatin1Char(' ') + failure->description,
                                      core::kSistema, platform::Icon::None, platform::Buttons::Ok);
}

} // namespace zv::daemon
