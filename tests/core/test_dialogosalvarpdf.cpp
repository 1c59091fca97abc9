// The save-PDF dialog: every way through the dialog and its questions, what
// the user is told and what ends up on disk.
#include "core/DialogoSalvarPDF.h"
#include "core/Globals.h"
#include "core/classAmbiente.h"
#include "platform/DialogService.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <ostream>

using namespace zv;
using platform::Answer;
using platform::Icon;

namespace {

const QByteArray kDocumento = "%PDF-1.4 documento capturado";
const QByteArray kAntigo = "conteudo anterior";

// One pass through the dialog as the user goes it: what the save dialog is
// answered each time it opens (empty: the name "" is given; "<cancel>":
// Cancel), the answers to the questions in order, and what must come out.
struct Caso {
    const char* nome;
    QStringList escolhas;
    QList<Answer> respostas;
    QStringList textosEsperados;
    int dialogosEsperados;
    QByteArray destinoDepois; // content of destino.pdf afterwards; empty: absent
    bool destinoExiste = false;
};

void PrintTo(const Caso& caso, std::ostream* os) { *os << caso.nome; }

const QString kExiste = QStringLiteral("O Arquivo indicado já existe.\r\nDeseja substituí-lo?");
const QString kOutroNome = QStringLiteral("Deseja salvar o arquivo com outro nome?");
const QString kSemNome = QStringLiteral("Não foi informado um nome para o arquivo!\r\nDeseja realmente cancelar?");
const QString kCancelado = QStringLiteral("Operação cancelada pelo usuário");
const QString kSalvo = QStringLiteral("Arquivo Salvo com Sucesso!");

class DialogoSalvarPDFTest : public ::testing::TestWithParam<Caso> {
protected:
    void SetUp() override
    {
        const QString doc = home.writeFile(QStringLiteral("captura/doc.pdf"), kDocumento);
        core::Ambiente = new core::classAmbiente();
        core::Ambiente->setArquivo(doc);
        destino = home.path() + QStringLiteral("/saida/destino.pdf");
        QDir().mkpath(home.path() + QStringLiteral("/saida"));
    }
    test::TempHome home;
    QString destino;
};

TEST_P(DialogoSalvarPDFTest, FollowsTheUsersAnswers)
{
    const Caso& caso = GetParam();
    if (caso.destinoExiste)
        home.writeFile(QStringLiteral("saida/destino.pdf"), kAntigo);
    platform::ScriptedDialogs dialogs;
    for (const QString& e : caso.escolhas) {
        if (e == QLatin1String("<cancel>"))
            dialogs.cancelFileNext();
        else
            dialogs.chooseFileNext(e.isEmpty() ? QString() : destino);
    }
    for (Answer a : caso.respostas)
        dialogs.answerNext(a);

    core::DialogoSalvarPDF(QString());

    EXPECT_EQ(dialogs.texts(), caso.textosEsperados);
    EXPECT_EQ(dialogs.fileDialogs().size(), caso.dialogosEsperados);
    EXPECT_EQ(dialogs.unanswered(), 0);
    EXPECT_EQ(test::readAll(destino), caso.destinoDepois);
    for (const auto& d : dialogs.fileDialogs()) {
        EXPECT_EQ(d.title, QStringLiteral("Zorvelanta Printer - Salvar PDF gerado como"));
        EXPECT_EQ(d.filter, QStringLiteral("Arquivos Adobe PDF|*.pdf"));
        EXPECT_TRUE(d.fileName.isEmpty());
    }
    for (const auto& b : dialogs.boxes()) {
        EXPECT_EQ(b.title, QStringLiteral("Zorvelanta Printer"));
        const bool pergunta = b.text == kExiste || b.text == kOutroNome || b.text == kSemNome;
        EXPECT_EQ(b.icon, pergunta ? Icon::Question : Icon::Information) << qPrintable(b.text);
        EXPECT_EQ(b.buttons, pergunta ? platform::Buttons::YesNo : platform::Buttons::Ok);
    }
}

const QString kNome = QStringLiteral("destino");

INSTANTIATE_TEST_SUITE_P(
    Caminhos, DialogoSalvarPDFTest,
    ::testing::Values(
        Caso{"NewName", {kNome}, {}, {kSalvo}, 1, kDocumento},
        Caso{"Cancel", {"<cancel>"}, {}, {kCancelado}, 1, {}},
        Caso{"EmptyNameThenReallyCancel", {""}, {Answer::Yes}, {kSemNome}, 1, {}},
        Caso{"EmptyNameThenBackToTheDialog", {"", kNome}, {Answer::No}, {kSemNome, kSalvo}, 2, kDocumento},
        Caso{"ExistingReplaced", {kNome}, {Answer::Yes}, {kExiste, kSalvo}, 1, kDocumento, true},
        Caso{"ExistingKeptAnotherNameAsked", {kNome, "<cancel>"}, {Answer::No, Answer::Yes},
             {kExiste, kOutroNome, kCancelado}, 2, kAntigo, true},
        Caso{"ExistingKeptAndEnded", {kNome}, {Answer::No, Answer::No}, {kExiste, kOutroNome}, 1, kAntigo, true}),
    [](const ::testing::TestParamInfo<Caso>& info) { return std::string(info.param.nome); });

// The copy refused (no current document in the daemon's mode), and a
// failure of another kind (no environment at all).
TEST(DialogoSalvarPDF, RefusedCopyAndUnexpectedFailureHaveTheirOwnMessages)
{
    test::TempHome home;
    const QString destino = home.path() + QStringLiteral("/destino.pdf");
    {
        platform::ScriptedDialogs dialogs;
        dialogs.chooseFileNext(destino);
        core::DialogoSalvarPDF(QString());
        EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Erro inexperado ao gerar arquivo!")});
        EXPECT_EQ(dialogs.boxes().at(0).icon, Icon::Exclamation);
    }
    core::Ambiente = new core::classAmbiente();
    core::Ambiente->Inicia(true, QString());
    {
        platform::ScriptedDialogs dialogs;
        dialogs.chooseFileNext(destino);
        core::DialogoSalvarPDF(QString());
        EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("Erro de permissão ao arquivo!")});
        EXPECT_EQ(dialogs.boxes().at(0).icon, Icon::Exclamation);
        EXPECT_EQ(dialogs.boxes().at(0).title, QStringLiteral("Zorvelanta Printer"));
    }
    EXPECT_FALSE(QFile::exists(destino));
}

} // namespace
