#include "Shots.h"

#include "core/Settings.h"
#include "ui/ButtonFace.h"
#include "ui/frmCor.h"

namespace zv::tools {

namespace {
const qint32 kOwnColour = 0xD8C8B8; // a bluish grey the user might have
}

std::vector<Shot> colourWindowShots()
{
    return {
        {QStringLiteral("frmCor-adjust"),
         [] {
             core::Settings::write(core::Secao::Config, QStringLiteral("Buton"), QString());
             ui::ButtonFace::setCor(kOwnColour);
         },
         [] { return std::make_unique<ui::frmCor>(); }},
        {QStringLiteral("frmCor-restore"),
         [] {
             core::Settings::write(core::Secao::Config, QStringLiteral("Buton"), QString::number(kOwnColour));
             ui::ButtonFace::setCor(ui::ButtonFace::kCorEspecial);
         },
         [] { return std::make_unique<ui::frmCor>(); }},
    };
}

} // namespace zv::tools
