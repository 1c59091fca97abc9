#include "core/DialogoSalvarPDF.h"

#include "core/Globals.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "platform/DialogService.h"
#include "platform/ErrorNumbers.h"

#include <QFileInfo>

namespace zv::core {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Dialogs;
using platform::Icon;

void avisa(const QString& texto, Icon icone) { Dialogs::messageBox(texto, kSistema, icone); }

bool pergunta(const QString& texto)
{
    return Dialogs::messageBox(texto, kSistema, Icon::Question, Buttons::YesNo) == Answer::Yes;
}

enum class Passo { Repete, Termina };

// One round from the dialog to the copy; Repete goes back to the dialog.
Passo umaVolta(const QString& nomeInicial)
{
    const platform::SaveFileAnswer escolha = Dialogs::saveFile(
        {kSistema + QStringLiteral(" - Salvar PDF gerado como"), QStringLiteral("Arquivos Adobe PDF|*.pdf"),
         nomeInicial});
    if (escolha.cancelled) {
        avisa(QStringLiteral("Operação cancelada pelo usuário"), Icon::Information);
        return Passo::Termina;
    }
    const QString& nome = escolha.fileName;
    if (nome.isEmpty()) {
        return pergunta(QStringLiteral("Não foi informado um nome para o arquivo!\r\nDeseja realmente cancelar?"))
            ? Passo::Termina
            : Passo::Repete;
    }
    if (QFileInfo::exists(nome) && !pergunta(QStringLiteral("O Arquivo indicado já existe.\r\nDeseja substituí-lo?")))
        return pergunta(QStringLiteral("Deseja salvar o arquivo com outro nome?")) ? Passo::Repete : Passo::Termina;

    if (ambienteAtual().SalvarPDF(nome, true))
        avisa(QStringLiteral("Arquivo Salvo com Sucesso!"), Icon::Information);
    else
        avisa(QStringLiteral("Erro de permissão ao arquivo!"), Icon::Exclamation);
    return Passo::Termina;
}

} // namespace

void DialogoSalvarPDF(const QString& nomeInicial)
{
    try {
        while (umaVolta(nomeInicial) == Passo::Repete) {
        }
    } catch (...) {
        avisa(QStringLiteral("Erro inexperado ao gerar arquivo!"), Icon::Exclamation);
    }
}

} // namespace zv::core
