// Copying the office's active publications into a folder of the user's:
// names from the portal stay inside the folder, nothing there is replaced,
// and one document that fails never stops the others.
#include "core/BackupPublicacoes.h"
#include "core/CopiaBackup.h"
#include "core/classAmbiente.h"
#include "platform/Cp1252.h"
#include "support/LoopbackPortal.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace zv;
namespace Copia = core::CopiaBackup;

namespace {

QStringList arquivosEm(const QString& pasta)
{
    return QDir(pasta).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(NomeNaPasta, PortalNamesBecomeOnePlainNameInsideTheFolder)
{
    const struct {
        const char* nome;
        const char* esperado;
    } casos[] = {
        {"guia.pdf", "guia.pdf"},
        {"Relatório março.xls", "Relatório março.xls"},
        {"../../fora.pdf", "_.._fora.pdf"},
        {"..\\..\\fora.exe", "_.._fora.exe"},
        {"/etc/passwd", "_etc_passwd"},
        {"C:\\Windows\\x.dll", "C__Windows_x.dll"},
        {"a*b?c\"d<e>f|g.txt", "a_b_c_d_e_f_g.txt"},
        {"linha\nnova\t.txt", "linha_nova_.txt"},
        {"..", "900"},
        {".", "900"},
        {" . . ", "900"},
        {"", "900"},
        {".oculto", "oculto"},
        {"fim. ", "fim"},
    };
    for (const auto& c : casos) {
        const QString nome = Copia::nomeNaPasta(QString::fromUtf8(c.nome), QStringLiteral("900"));
        EXPECT_EQ(nome, QString::fromUtf8(c.esperado)) << c.nome;
        EXPECT_FALSE(nome.contains(QLatin1Char('/')) || nome.contains(QLatin1Char('\\'))) << c.nome;
        EXPECT_NE(nome, QStringLiteral(".."));
    }
}

TEST(NomeNumerado, TheNumberGoesBeforeTheExtension)
{
    const struct {
        const char* nome;
        int numero;
        const char* esperado;
    } casos[] = {
        {"guia.pdf", 1, "guia.pdf"},
        {"guia.pdf", 2, "guia (2).pdf"},
        {"copia.tar.gz", 3, "copia.tar (3).gz"},
        {"LEIAME", 2, "LEIAME (2)"},
        {"900", 12, "900 (12)"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Copia::nomeNumerado(QString::fromUtf8(c.nome), c.numero), QString::fromUtf8(c.esperado))
            << c.nome << " " << c.numero;
}

TEST(CopiaBackup, ATakenNameGetsTheNextNumberAndTheUserFileStaysAsItWas)
{
    test::TempHome home;
    QTemporaryDir destino;
    const QString origem = home.writeFile(QStringLiteral("origem"), "conteudo novo");
    const QString doUsuario = destino.filePath(QStringLiteral("guia.pdf"));
    {
        QFile f(doUsuario);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("do usuario");
    }
    // A link that points nowhere takes its name too.
    ASSERT_TRUE(QFile::link(destino.filePath(QStringLiteral("nada")), destino.filePath(QStringLiteral("guia (2).pdf"))));

    const Copia::Resultado r = Copia::copia(origem, destino.path(), QStringLiteral("guia.pdf"));
    EXPECT_EQ(r.caminho, destino.filePath(QStringLiteral("guia (3).pdf")));
    EXPECT_TRUE(r.renomeado);
    EXPECT_EQ(test::readAll(r.caminho), QByteArray("conteudo novo"));
    EXPECT_EQ(test::readAll(doUsuario), QByteArray("do usuario"));
    EXPECT_TRUE(QFileInfo(destino.filePath(QStringLiteral("guia (2).pdf"))).isSymLink());
    EXPECT_FALSE(QFile::exists(destino.filePath(QStringLiteral("nada"))));

    const Copia::Resultado livre = Copia::copia(origem, destino.path(), QStringLiteral("outro.pdf"));
    EXPECT_EQ(livre.caminho, destino.filePath(QStringLiteral("outro.pdf")));
    EXPECT_FALSE(livre.renomeado);
}

TEST(CopiaBackup, AFailedCopyWritesNothingAndSaysWhy)
{
    test::TempHome home;
    QTemporaryDir destino;
    const QString origem = home.writeFile(QStringLiteral("origem"), "x");
    const QString naoPasta = home.writeFile(QStringLiteral("sou-um-arquivo"), "y");
    const struct {
        QString origem;
        QString pasta;
    } casos[] = {
        {home.path() + QStringLiteral("/nao-existe"), destino.path()},
        {origem, destino.filePath(QStringLiteral("sem/pasta"))},
        {origem, naoPasta},
    };
    for (const auto& c : casos) {
        const Copia::Resultado r = Copia::copia(c.origem, c.pasta, QStringLiteral("guia.pdf"));
        EXPECT_TRUE(r.caminho.isEmpty()) << qPrintable(c.origem) << " -> " << qPrintable(c.pasta);
        EXPECT_FALSE(r.erro.isEmpty());
    }
    EXPECT_TRUE(arquivosEm(destino.path()).isEmpty());
    EXPECT_EQ(test::readAll(naoPasta), QByteArray("y"));
}

// The portal of one office: the list of active publications and the content
// of each document by its ID.
class BackupContraPortal : public ::testing::Test {
protected:
    struct Documento {
        QString id, arquivo;
        QByteArray conteudo;
        qint64 tamanhoPublicado = -1; // -1: the content's own size
    };

    void SetUp() override
    {
        ambiente.sessao().lngSessao = 123;
        ambiente.sessao().lngLogin_ID = 45;
    }

    void publica(const QList<Documento>& docs)
    {
        QStringList registros;
        for (const Documento& d : docs) {
            QStringList f(17);
            f[2] = d.id;
            f[4] = d.arquivo;
            f[5] = QString::number(d.tamanhoPublicado >= 0 ? d.tamanhoPublicado : d.conteudo.size());
            registros << f.join(QStringLiteral(">@%"));
            conteudos[d.id] = d.conteudo;
        }
        portal.setAnswer(QStringLiteral("/printer/consulta_b.asp"),
                         platform::toCp1252(QStringLiteral("Zorvelanta Printer\r\n") + registros.join(QStringLiteral("<!#"))
                                            + QStringLiteral("\r\n") + QString::number(docs.size()) + QStringLiteral("\r\n")));
        portal.setHandler(QStringLiteral("printer/consulta_b.asp"), [this](const QString& alvo) {
            const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("ia=([^&]*)&")).match(alvo);
            return m.hasMatch() ? conteudos.value(m.captured(1)) : QByteArray();
        });
    }

    test::TempHome home;
    test::LoopbackPortal portal;
    core::classAmbiente ambiente;
    QMap<QString, QByteArray> conteudos;
    QTemporaryDir destino;
};

TEST_F(BackupContraPortal, ListsOnlyTheActiveDocumentsOfTheSession)
{
    publica({{QStringLiteral("900"), QStringLiteral("guia.pdf"), "%PDF-1"}});
    core::BackupPublicacoes backup(ambiente);
    QList<core::PublicacaoAtiva> lista;
    QString mensagem;
    ASSERT_TRUE(backup.lista(lista, mensagem)) << qPrintable(mensagem);
    EXPECT_EQ(portal.targets(), QStringList{"//printer/consulta_b.asp?s=123&l=45&t=0&o=0&m=3"});
    ASSERT_EQ(lista.size(), 1);
    EXPECT_EQ(lista[0].id, QStringLiteral("900"));
    EXPECT_EQ(lista[0].arquivo, QStringLiteral("guia.pdf"));
    EXPECT_EQ(lista[0].tamanho, QStringLiteral("6"));
}

TEST_F(BackupContraPortal, AListThatCannotBeReadStopsBeforeAnyDownload)
{
    const struct {
        const char* resposta;
        const char* mensagem;
    } casos[] = {
        {"", "Houveram erros indefinidos durante a pesquisa!"},
        {"Zorvelanta Printer\r\n\r\n0\r\n", "Não existem Arquivos para esta consulta!"},
        {"Erro\r\nSessão expirada\r\n", "Sessão expirada\r\nHouveram erros  durante a pesquisa!"},
    };
    for (const auto& c : casos) {
        portal.clear();
        portal.setAnswer(QStringLiteral("/printer/consulta_b.asp"), platform::toCp1252(QString::fromUtf8(c.resposta)));
        core::BackupPublicacoes backup(ambiente);
        QList<core::PublicacaoAtiva> lista;
        QString mensagem;
        EXPECT_FALSE(backup.lista(lista, mensagem));
        EXPECT_EQ(mensagem, QString::fromUtf8(c.mensagem));
        EXPECT_TRUE(lista.isEmpty());
        EXPECT_EQ(portal.targets().size(), 1);
    }
}

TEST_F(BackupContraPortal, EachDocumentIsCountedAndNoneStopsTheRest)
{
    publica({
        {QStringLiteral("900"), QStringLiteral("../../fora.pdf"), "um"},
        {QStringLiteral("901"), QStringLiteral("vazio.pdf"), ""},
        {QStringLiteral("902"), QStringLiteral("cortado.pdf"), "metade", 4096},
        {QStringLiteral("../903"), QStringLiteral("id.pdf"), "tres"},
        {QStringLiteral("904"), QStringLiteral("fim.pdf"), "quatro"},
    });
    core::BackupPublicacoes backup(ambiente);
    QList<core::PublicacaoAtiva> lista;
    QString mensagem;
    ASSERT_TRUE(backup.lista(lista, mensagem)) << qPrintable(mensagem);

    QList<int> porDocumento;
    QList<int> percentuais;
    const core::ResultadoBackup r = backup.copia(
        lista, destino.path(),
        {[&](int feitos, int) { porDocumento << feitos; }, [&](int p) { percentuais << p; }, [] { return false; }});
    EXPECT_EQ(r.total, 5);
    EXPECT_EQ(r.copiados, 2);
    EXPECT_EQ(r.falhas, 3);
    EXPECT_FALSE(r.interrompido);
    EXPECT_EQ(porDocumento, (QList<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(percentuais.count(100), 2);
    ASSERT_EQ(r.motivos.size(), 3);
    EXPECT_EQ(r.motivos[0], QStringLiteral("vazio.pdf: Arquivo não encontrador!"));
    EXPECT_TRUE(r.motivos[1].startsWith(QStringLiteral("cortado.pdf: Erro O arquivo recebido do portal está incompleto (recebidos 6 bytes de 4096).")))
        << qPrintable(r.motivos[1]);
    EXPECT_TRUE(r.motivos[2].startsWith(QStringLiteral("id.pdf: Erro "))) << qPrintable(r.motivos[2]);

    EXPECT_EQ(arquivosEm(destino.path()), (QStringList{"_.._fora.pdf", "fim.pdf"}));
    EXPECT_EQ(test::readAll(destino.filePath(QStringLiteral("_.._fora.pdf"))), QByteArray("um"));
    // Nothing was written beside the chosen folder.
    QDir acima(destino.path());
    acima.cdUp();
    EXPECT_FALSE(QFile::exists(acima.filePath(QStringLiteral("fora.pdf"))));
}

TEST_F(BackupContraPortal, AStopRequestEndsTheRunBeforeTheNextDocument)
{
    publica({{QStringLiteral("900"), QStringLiteral("a.pdf"), "a"},
             {QStringLiteral("901"), QStringLiteral("b.pdf"), "b"},
             {QStringLiteral("902"), QStringLiteral("c.pdf"), "c"}});
    core::BackupPublicacoes backup(ambiente);
    QList<core::PublicacaoAtiva> lista;
    QString mensagem;
    ASSERT_TRUE(backup.lista(lista, mensagem));
    int perguntas = 0;
    const core::ResultadoBackup r = backup.copia(lista, destino.path(), {{}, {}, [&] { return ++perguntas > 1; }});
    EXPECT_TRUE(r.interrompido);
    EXPECT_EQ(r.copiados, 1);
    EXPECT_EQ(arquivosEm(destino.path()), QStringList{"a.pdf"});
    const QString texto = core::BackupPublicacoes::mensagemFinal(r, destino.path());
    EXPECT_TRUE(texto.startsWith(QStringLiteral("Backup interrompido."))) << qPrintable(texto);
    EXPECT_TRUE(texto.contains(QStringLiteral("Não processadas: 2"))) << qPrintable(texto);
}

TEST(MensagemFinalBackup, CountsEveryOutcomeAndNamesTheFirstFailures)
{
    core::ResultadoBackup r;
    r.total = 14;
    r.copiados = 2;
    r.renomeados = 1;
    r.falhas = 12;
    for (int i = 1; i <= 12; ++i)
        r.motivos << QStringLiteral("doc%1.pdf: Arquivo não encontrador!").arg(i);
    const QStringList linhas = core::BackupPublicacoes::mensagemFinal(r, QStringLiteral("/tmp/copias"))
                                   .split(QStringLiteral("\r\n"));
    EXPECT_EQ(linhas.mid(0, 7), (QStringList{"Backup concluído.", "", "Pasta: /tmp/copias", "Publicações ativas: 14",
                                             "Copiadas: 2", "Gravadas com outro nome (o nome já existia na pasta): 1",
                                             "Não copiadas: 12"}));
    EXPECT_EQ(linhas.mid(8).size(), core::BackupPublicacoes::kMotivosMostrados + 1);
    EXPECT_EQ(linhas.value(8), QStringLiteral("doc1.pdf: Arquivo não encontrador!"));
    EXPECT_EQ(linhas.last(), QStringLiteral("... e mais 2"));
}

} // namespace
