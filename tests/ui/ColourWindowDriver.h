#pragma once
#include "ui/AcertaCor.h"
#include "ui/frmCor.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <optional>

namespace zv::test {

// Answers the colour window in advance: when a frmCor opens modally, what
// it showed is recorded, the tick is set as asked and "Confirma" is pressed.
// While it lives the colour check may open the window even offscreen.
// A window test that must not meet the colour window sets the button face
// to the light grey (toolbar) or stores "Buton" = "0" (plain buttons).
class ColourWindowDriver {
public:
    struct Seen {
        QString modo;
        QString legenda;  // caption of chkManterCor
        QColor amostra;   // colour of spCor
        bool marcado = false;
    };

    explicit ColourWindowDriver(bool marcar) : m_marcar(marcar)
    {
        ui::ColourWindowPolicy::allow(true);
        // The timer lives with the driver, so a window that never opens
        // leaves nothing behind.
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start();
    }

    ~ColourWindowDriver() { ui::ColourWindowPolicy::reset(); }
    ColourWindowDriver(const ColourWindowDriver&) = delete;
    ColourWindowDriver& operator=(const ColourWindowDriver&) = delete;

    const std::optional<Seen>& seen() const { return m_seen; }

private:
    void answer()
    {
        auto* janela = qobject_cast<ui::frmCor*>(QApplication::activeModalWidget());
        if (!janela)
            return;
        m_timer.stop();
        auto* chk = janela->findChild<QCheckBox*>(QStringLiteral("chkManterCor"));
        Seen s;
        s.modo = janela->modo();
        s.legenda = chk->text();
        s.marcado = chk->isChecked();
        s.amostra = janela->findChild<QWidget*>(QStringLiteral("spCor"))->palette().color(QPalette::Window);
        m_seen = s;
        chk->setChecked(m_marcar);
        janela->findChild<QPushButton*>(QStringLiteral("cmdConfirma"))->click();
    }

    bool m_marcar;
    QTimer m_timer;
    std::optional<Seen> m_seen;
};

} // namespace zv::test
