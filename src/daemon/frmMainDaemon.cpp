#include "daemon/frmMainDaemon.h"

#include "core/ErrorTrap.h"
#include "core/Folders.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "daemon/SendToEntry.h"
#include "daemon/SpoolConfiguration.h"
#include "platform/InstanceLock.h"
#include "ui/AcertaCor.h"

namespace zv::daemon {

frmMainDaemon::frmMainDaemon(QObject* parent)
    : QObject(parent)
{
    m_tmrCiclo.setInterval(kCycleMs);
    connect(&m_tmrCiclo, &QTimer::timeout, this, &frmMainDaemon::tmrCiclo_Timer);
}

frmMainDaemon::~frmMainDaemon() = default;

void frmMainDaemon::Form_Load()
{
    core::ErrorTrap trap(QStringLiteral("frmMainDaemon"), QStringLiteral("Form_Load"));
    // Another instance for this user: this one runs its start-up all the
    // same and ends at its first cycle.
    trap([&] {
        m_instance = std::make_unique<platform::InstanceLock>(platform::InstanceLock::defaultPath());
        if (m_instance->anotherInstanceRunning())
            core::bEncerrar = true;
    });
    trap([&] { core::Settings::write(core::Secao::Config, QStringLiteral("CloseNow"), QStringLiteral("0")); });
    trap([&] {
        if (!core::Ambiente)
            core::Ambiente = new core::classAmbiente();
    });
    // The colour check, so its question comes up as the program starts; the
    // windows ask it again for their own presentation.
    trap([&] { ui::AcertaCor(); });
    trap([&] { core::Ambiente->Inicia(true, QString()); });
    trap([&] { SendToEntry::verificaAtalho(); });
    trap([&] {
        m_tray = std::make_unique<TrayIcon>();
        m_tray->mostra();
    });
    trap([&] { m_capture.setSpoolFolder(SpoolConfiguration::suRegistros()); });
    trap([&] { SpoolConfiguration::LimpaProc(); });
    trap([&] { m_tmrCiclo.start(); });
}

void frmMainDaemon::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_tmrCiclo.stop();
    Q_EMIT unloaded();
}

void frmMainDaemon::tmrCiclo_Timer()
{
    if (m_unloaded)
        return;
    if (CaptureCycle::Sair())
        Form_Unload();
    // The capture step still runs in the cycle that found the exit request.
    m_capture.Monitora();
}

} // namespace zv::daemon
