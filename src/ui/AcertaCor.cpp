#include "ui/AcertaCor.h"

#include "core/ErrorTrap.h"
#include "core/Settings.h"
#include "ui/ButtonFace.h"
#include "ui/frmCor.h"

namespace zv::ui {

bool AcertaCor()
{
    core::ErrorTrap trap(QStringLiteral("ModFuncs"), QStringLiteral("AcertaCor"));
    bool especial = false;
    trap([&] { especial = ButtonFace::cor() == ButtonFace::kCorEspecial; });
    if (especial)
        return true;

    QString buton;
    trap([&] { buton = core::Settings::read(core::Secao::Config, frmCor::kChaveButon); });
    if (buton == QLatin1String("0"))
        return false;

    trap([&] {
        frmCor janela;
        janela.exec();
    });
    return false;
}

} // namespace zv::ui
