#include "Shots.h"

#include "core/Globals.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "windows/frmLogin.h"

#include <QLineEdit>

namespace zv::tools {

namespace {

// The environment as the daemon has it, after an earlier login by
// "ESCRITORIO" / "MARIA", so the boxes show what a person would see.
void daemonEnvironment()
{
    core::Settings::write(core::Secao::Autenticacao, QStringLiteral("Dominio"), QStringLiteral("ESCRITORIO"));
    core::Settings::write(core::Secao::Autenticacao, QStringLiteral("Login"), QStringLiteral("MARIA"));
    delete std::exchange(core::Ambiente, new core::classAmbiente());
    core::Ambiente->Inicia(true, QString());
}

} // namespace

std::vector<Shot> loginWindowShots()
{
    return {
        {QStringLiteral("frmLogin-toolbar"),
         [] {
             presentToolbar();
             daemonEnvironment();
         },
         [] {
             // A typed password, to show it masked.
             auto janela = std::make_unique<windows::frmLogin>();
             janela->findChild<QLineEdit*>(QStringLiteral("txtSenha"))->setText(QStringLiteral("segredo"));
             return janela;
         }},
        {QStringLiteral("frmLogin-plain"),
         [] {
             presentPlainButtons();
             daemonEnvironment();
         },
         [] { return std::make_unique<windows::frmLogin>(); }},
    };
}

} // namespace zv::tools
