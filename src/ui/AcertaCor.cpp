#include "ui/AcertaCor.h"

#include "core/ErrorTrap.h"
#include "core/Settings.h"
#include "ui/ButtonFace.h"
#include "ui/frmCor.h"

#include <QApplication>
#include <optional>

namespace zv::ui {

namespace {
std::optional<bool> g_allowed;

bool personCanAnswer()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}
} // namespace

namespace ColourWindowPolicy {
void allow(bool allowed) { g_allowed = allowed; }
void reset() { g_allowed.reset(); }
bool mayOpen()
{
    // Widgets need a widget application whatever a test allows.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    return g_allowed.value_or(personCanAnswer());
}
} // namespace ColourWindowPolicy

bool AcertaCor()
{
    // Without a widget application there is no window to present and no
    // palette to read.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    core::ErrorTrap trap(QStringLiteral("ModFuncs"), QStringLiteral("AcertaCor"));
    bool especial = false;
    trap([&] { especial = ButtonFace::cor() == ButtonFace::kCorEspecial; });
    if (especial)
        return true;

    QString buton;
    trap([&] { buton = core::Settings::read(core::Secao::Config, frmCor::kChaveButon); });
    if (buton == QLatin1String("0"))
        return false;

    if (!ColourWindowPolicy::mayOpen())
        return false;
    trap([&] {
        frmCor janela;
        janela.exec();
    });
    return false;
}

} // namespace zv::ui
