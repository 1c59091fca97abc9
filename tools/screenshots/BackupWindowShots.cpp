#include "Shots.h"

#include "core/Globals.h"
#include "core/classAmbiente.h"
#include "windows/frmBackup.h"

#include <QProgressBar>

namespace zv::tools {

namespace {

void freshEnvironment()
{
    delete std::exchange(core::Ambiente, new core::classAmbiente());
    core::Ambiente->Inicia(true, QString());
}

// Halfway through the second of four documents, as a person sees it move.
std::unique_ptr<QWidget> midway()
{
    auto janela = std::make_unique<windows::frmBackup>();
    janela->pbBackup()->setValue(50);
    janela->ProgressBar1()->setRange(0, 4);
    janela->ProgressBar1()->setValue(1);
    return janela;
}

} // namespace

std::vector<Shot> backupWindowShots()
{
    return {
        {QStringLiteral("frmBackup-toolbar"),
         [] {
             presentToolbar();
             freshEnvironment();
         },
         [] { return std::make_unique<windows::frmBackup>(); }},
        {QStringLiteral("frmBackup-toolbar-midway"),
         [] {
             presentToolbar();
             freshEnvironment();
         },
         midway},
        {QStringLiteral("frmBackup-plain"),
         [] {
             presentPlainButtons();
             freshEnvironment();
         },
         midway},
    };
}

} // namespace zv::tools
