#include "daemon/SpoolConfiguration.h"

#include "core/ErrorTrap.h"
#include "core/Folders.h"
#include "core/ModFuncs.h"
#include "platform/ErrorNumbers.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zv::daemon {

using platform::Failure;

namespace {

const QString kForm = QStringLiteral("frmMainDaemon");

void criaPasta(const QString& path)
{
    if (!QDir(path).exists() && !QDir().mkpath(path))
        throw Failure(platform::kErrPathFileAccess);
}

void esvaziaPasta(const QString& path, core::ErrorTrap& trap)
{
    const QFileInfoList files = QDir(path).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& file : files) {
        trap([&] {
            QFile f(file.absoluteFilePath());
            f.setPermissions(f.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
            if (!f.remove())
                throw Failure(platform::kErrPermissionDenied);
        });
    }
}

} // namespace

QString SpoolConfiguration::suRegistros()
{
    core::ErrorTrap trap(kForm, QStringLiteral("suRegistros"));
    QString vCaminho = core::PastaEspecial(false) + QStringLiteral("/") + core::Folders::kRoot;
    trap([&] { criaPasta(vCaminho); });
    vCaminho += QStringLiteral("/") + core::Folders::kSpool;
    trap([&] { criaPasta(vCaminho); });
    trap([&] { ConfRegistro(kOutputFileKey, vCaminho + QStringLiteral("/file%03d.pdf"), QStringLiteral("REG_SZ")); });
    return vCaminho;
}

void SpoolConfiguration::ConfRegistro(const QString& key, const QString& value, const QString& type)
{
    try {
        const auto current = platform::Registry::read(key);
        if (!current || *current != value)
            platform::Registry::write(key, value, type);
    } catch (...) {
        // The printer's setting is best effort: nothing is shown or logged.
    }
}

void SpoolConfiguration::LimpaProc()
{
    core::ErrorTrap trap(kForm, QStringLiteral("LimpaProc"));
    for (const QString& folder : {core::Folders::proc(), core::Folders::temp(), core::Folders::spoolProc()}) {
        if (trap.test([&] { return QFileInfo(folder).isDir(); }))
            esvaziaPasta(folder, trap);
        else
            trap([&] { criaPasta(folder); });
    }
}

} // namespace zv::daemon
