#pragma once
#include "daemon/CaptureCycle.h"
#include "daemon/TrayIcon.h"

#include <QObject>
#include <QTimer>
#include <memory>

namespace zv::platform {
class InstanceLock;
}

namespace zv::daemon {

// The hidden daemon form ("Monitor de Serviço"): the program's start-up,
// owner of the capture timer, never shown. It lives for the whole run; when
// the exit request is found it unloads, and the program ends once no window
// of it remains.
class frmMainDaemon : public QObject {
    Q_OBJECT
public:
    static constexpr int kCycleMs = 2000;
    static inline const QString kCaption = QStringLiteral("Monitor de Serviço");

    explicit frmMainDaemon(QObject* parent = nullptr);
    ~frmMainDaemon() override;

    // The start-up, in its fixed order; every step runs under the trap of
    // "Form_Load" and a failing step does not stop the later ones.
    void Form_Load();
    void Form_Unload();
    // One capture cycle: the exit check, then the capture step.
    void tmrCiclo_Timer();

    bool isUnloaded() const { return m_unloaded; }
    CaptureCycle& capture() { return m_capture; }
    // The notification-area icon; null before start-up.
    TrayIcon* tray() const { return m_tray.get(); }
    QTimer& tmrCiclo() { return m_tmrCiclo; }
    const QString& vCaminho() const { return m_capture.spoolFolder(); }

Q_SIGNALS:
    void unloaded();

private:
    std::unique_ptr<platform::InstanceLock> m_instance;
    CaptureCycle m_capture;
    std::unique_ptr<TrayIcon> m_tray;
    QTimer m_tmrCiclo;
    bool m_unloaded = false;
};

} // namespace zv::daemon
