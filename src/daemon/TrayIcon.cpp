#include "daemon/TrayIcon.h"

#include "core/ErrorTrap.h"
#include "ui/Images.h"
#include "windows/frmMonitor.h"

#include <QGuiApplication>

namespace zv::daemon {

namespace {

QWidget* novoMonitor()
{
    auto* janela = new windows::frmMonitor();
    janela->setAttribute(Qt::WA_DeleteOnClose);
    janela->show();
    return janela;
}

} // namespace

TrayIcon::TrayIcon(QObject* parent)
    : QObject(parent)
    , m_abre(novoMonitor)
{
    m_procura.setInterval(kProcuraMs);
    connect(&m_procura, &QTimer::timeout, this, &TrayIcon::procuraArea);
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::mostra()
{
    core::ErrorTrap trap(QStringLiteral("frmMainDaemon"), QStringLiteral("Tray"));
    // A program without a window system (a headless run) has no
    // notification area to wait for.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    trap([&] {
        m_icone = std::make_unique<QSystemTrayIcon>(ui::Images::application());
        m_icone->setToolTip(kDica);
        connect(m_icone.get(), &QSystemTrayIcon::activated, this, &TrayIcon::pichook_Activated);
    });
    trap([&] { procuraArea(); });
}

void TrayIcon::procuraArea()
{
    if (!m_icone || m_icone->isVisible())
        return;
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_procura.stop();
        m_icone->show();
    } else if (!m_procura.isActive()) {
        m_procura.start();
    }
}

bool TrayIcon::visivel() const
{
    return m_icone && m_icone->isVisible();
}

void TrayIcon::pichook_Activated(QSystemTrayIcon::ActivationReason reason)
{
    // A press that arrives while a window is being opened opens no second one.
    if (m_ocupado)
        return;
    m_ocupado = true;
    core::ErrorTrap trap(QStringLiteral("frmMainDaemon"), QStringLiteral("pichook_MouseMove"));
    if (reason == QSystemTrayIcon::Trigger)
        trap([&] { m_abre(); });
    m_ocupado = false;
}

} // namespace zv::daemon
