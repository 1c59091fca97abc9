#pragma once
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <memory>

class QWidget;

namespace zv::daemon {

// The daemon's one visible presence: an icon in the notification area with
// the tip "Zorvelanta Printer". A left press opens a new Monitor window every
// time; a right click or a double click opens nothing. Where the desktop has
// no notification area yet, the icon appears as soon as one does.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    static constexpr int kProcuraMs = 1000;
    static inline const QString kDica = QStringLiteral("Zorvelanta Printer");

    // What a left press opens; a new Monitor window shown modeless by default.
    using AbreJanela = std::function<QWidget*()>;

    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Adds the icon (now, or when a notification area appears).
    void mostra();
    bool visivel() const;
    QSystemTrayIcon* icone() const { return m_icone.get(); }
    void setAbreJanela(AbreJanela abre) { m_abre = std::move(abre); }

    // The icon's activation, as the notification area reports it.
    void pichook_Activated(QSystemTrayIcon::ActivationReason reason);

private:
    void procuraArea();

    std::unique_ptr<QSystemTrayIcon> m_icone;
    QTimer m_procura;
    AbreJanela m_abre;
    bool m_ocupado = false;
};

} // namespace zv::daemon
