#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "publishing/FilaEnvio.h"
#include "publishing/classEnviar.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using zv::publishing::classEnviar;
using zv::publishing::FilaEnvio;

namespace {

const QDate kHoje(2026, 3, 10);

class FilaTest : public ::testing::Test {
protected:
    zv::test::TempHome home;
    QString pastaFila, pastaCopias;
    std::unique_ptr<FilaEnvio> fila;
    classEnviar enviar;
    int sincronizacoes = 0;

    void SetUp() override
    {
        zv::platform::Clock::set([] { return QDateTime(kHoje, QTime(9, 30)); });
        pastaFila = home.appData() + QStringLiteral("/ZorvelantaPrinter/queqe");
        pastaCopias = pastaFila + QStringLiteral("/files");
        fila = std::make_unique<FilaEnvio>(pastaFila, pastaCopias);
        enviar.Inicia(kHoje);
        enviar.Try();
        enviar.AddCliente(12);
        enviar.setTipoArquivo(0);
        enviar.setDescricao(QStringLiteral("Guia de ICMS março"));
        enviar.setAtivacao(QStringLiteral("11/03/2026"));
        enviar.setExpiracao(QStringLiteral("30/04/2026"));
        enviar.setVencimento(QStringLiteral("20/03/2026"));
        enviar.setValor(1234.56);
        enviar.setObservacao(QStringLiteral("Pagar até o dia 20\r\nno banco"));
        enviar.Avisar(false, QStringLiteral("a@x.com"));
        QString controle;
        enviar.Validar(QStringLiteral("guia.pdf"), QStringLiteral("Fiscal"), controle);
        ASSERT_TRUE(enviar.Validado());
    }

    QString documento(const QString& nome, const QByteArray& conteudo = "%PDF-1.4 doc") const
    {
        return home.writeFile(QStringLiteral("docs/") + nome, conteudo);
    }
    bool enfileira(const QStringList& arquivos, const QString& titulo, const QString& tipo, QString& arquivo,
                   QString& msg) const
    {
        return fila->Enfileirar({enviar, titulo, tipo}, arquivos, arquivo, msg);
    }
    QStringList copias() const { return QDir(pastaCopias).entryList(QDir::Files, QDir::Name); }
    QByteArray indice() const { return zv::test::readAll(fila->arquivoIndice()); }
    void escreveIndice(const QByteArray& bytes) const
    {
        QDir().mkpath(pastaFila);
        QFile f(fila->arquivoIndice());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    FilaEnvio::Carga carrega(bool sincronizaOk = true)
    {
        return fila->CarregaFila([this, sincronizaOk] { ++sincronizacoes; return sincronizaOk; },
                                 [](const QString& id) {
                                     return id == QLatin1String("12") ? QStringLiteral("Alfa Comércio")
                                                                      : QString();
                                 });
    }
};

TEST_F(FilaTest, FirstQueueingCreatesTheFoldersAndWritesOneCp1252Line)
{
    const QString doc = documento(QStringLiteral("guia.pdf"), "conteudo binario \x01\xff");
    QString arquivo, msg = QStringLiteral("antiga");
    ASSERT_TRUE(enfileira({QString(), doc}, QStringLiteral("Balanço"), QStringLiteral("pdf"), arquivo, msg));
    EXPECT_EQ(msg, QString()) << "each entry starts with an empty message";
    EXPECT_EQ(arquivo, doc);
    EXPECT_EQ(copias(), QStringList{QStringLiteral("file001")});
    EXPECT_EQ(zv::test::readAll(pastaCopias + QStringLiteral("/file001")), QByteArray("conteudo binario \x01\xff"));
    const QString esperado = QStringLiteral("12>@%file001>@%Balanço.pdf>@%0>@%Guia de ICMS março>@%11/03/2026>@%"
                                            "30/04/2026>@%Pagar até o dia 20@|-no banco>@%3a@x.com>@%1234,56>@%"
                                            "20/03/2026>@%\r\n");
    EXPECT_EQ(indice(), zv::platform::toCp1252(esperado));
    EXPECT_TRUE(indice().contains("Balan\xe7o")) << "written in Windows-1252, not UTF-8";
}

TEST_F(FilaTest, CopyNumberFollowsTheCopiesPresent)
{
    struct Caso {
        const char* nome;
        QStringList presentes;
        bool comIndice;
        QStringList depois; // the copies folder after queueing one file
    };
    const Caso casos[] = {
        {"numbered and stray", {"file004", "file010", "notes.txt"}, true, {"file004", "file010", "file011"}},
        {"copies without index", {"file004", "file010", "notes.txt"}, false, {"file001"}},
        {"name ending in digits", {"x.123"}, true, {"file124", "x.123"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        QDir(pastaFila).removeRecursively();
        QDir().mkpath(pastaCopias);
        for (const QString& nome : c.presentes)
            home.writeFile(QDir(home.path()).relativeFilePath(pastaCopias + QLatin1Char('/') + nome), "old");
        if (c.comIndice)
            escreveIndice("");
        QString arquivo, msg;
        ASSERT_TRUE(enfileira({QString(), documento(QStringLiteral("a.pdf"))}, {}, {}, arquivo, msg)) << msg.toStdString();
        EXPECT_EQ(copias(), c.depois);
        EXPECT_EQ(indice().count("\r\n"), 1);
    }
}

TEST_F(FilaTest, TwoFilesShareTheMetadataAndTheLastOneIsCurrent)
{
    const QString a = documento(QStringLiteral("nota fiscal.pdf"));
    const QString b = documento(QStringLiteral("recibo.pdf"));
    QString arquivo, msg;
    ASSERT_TRUE(enfileira({QString(), a, QString(), b}, {}, {}, arquivo, msg));
    EXPECT_EQ(arquivo, b);
    const QList<QByteArray> linhas = indice().split('\n');
    ASSERT_EQ(linhas.size(), 3);
    EXPECT_TRUE(linhas[0].startsWith("12>@%file001>@%nota fiscal.pdf>@%0>@%"));
    EXPECT_TRUE(linhas[1].startsWith("12>@%file002>@%recibo.pdf>@%0>@%"));
    EXPECT_EQ(linhas[0].mid(linhas[0].indexOf(">@%0>@%")), linhas[1].mid(linhas[1].indexOf(">@%0>@%")));
}

TEST_F(FilaTest, TitleOfAQueuedDocument)
{
    struct Caso { QString titulo, tipo, arquivo, esperado; };
    const Caso casos[] = {
        {"Balanço", "pdf", "/x/a.pdf", "Balanço.pdf"},
        {"Balanço", "", "/x/a.pdf", "Balanço"},
        {"", "pdf", "C:\\x\\nota fiscal.pdf", "nota fiscal.pdf"},
        {"", "", "/home/u/docs/recibo.pdf", "recibo.pdf"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(FilaEnvio::tituloDoDocumento(c.titulo, c.tipo, c.arquivo), c.esperado) << c.arquivo.toStdString();
}

TEST_F(FilaTest, QueueingRefusalsAndFailures)
{
    QString arquivo, msg;
    // Not validated: nothing is written.
    enviar.Try();
    QString controle;
    enviar.Validar(QStringLiteral("x.pdf"), QStringLiteral("P"), controle);
    EXPECT_FALSE(enfileira({QString(), documento(QStringLiteral("a.pdf"))}, {}, {}, arquivo, msg));
    EXPECT_EQ(msg, QStringLiteral("Não foi possível validar o arquivo!"));
    EXPECT_FALSE(QFileInfo::exists(pastaFila));

    // A missing second file: the first record stays, the failure is told.
    SetUp();
    const QString a = documento(QStringLiteral("a.pdf"));
    EXPECT_FALSE(enfileira({QString(), a, home.path() + QStringLiteral("/sumiu.pdf")}, {}, {}, arquivo, msg));
    EXPECT_EQ(msg, QStringLiteral("Erro indefinido durante o enfileiramento!"));
    EXPECT_EQ(indice().count("\r\n"), 1);

    // A field that holds the separator would break the line for every reader.
    enviar.setDescricao(QStringLiteral("a>@%b"));
    EXPECT_FALSE(enfileira({QString(), a}, {}, {}, arquivo, msg));
    EXPECT_TRUE(msg.contains(QStringLiteral(">@%"))) << msg.toStdString();
    EXPECT_EQ(indice().count("\r\n"), 1);
}

TEST_F(FilaTest, TheThousandthCopyIsRefusedWithoutTouchingTheQueue)
{
    QDir().mkpath(pastaCopias);
    home.writeFile(QDir(home.path()).relativeFilePath(pastaCopias + QStringLiteral("/file999")), "last");
    escreveIndice("12>@%file999>@%t>@%0>@%d>@%>@%>@%>@%0>@%0>@%>@%\r\n");
    const QByteArray antes = indice();
    QString arquivo, msg;
    EXPECT_FALSE(enfileira({QString(), documento(QStringLiteral("a.pdf"))}, {}, {}, arquivo, msg));
    EXPECT_TRUE(msg.contains(QStringLiteral("999"))) << msg.toStdString();
    EXPECT_EQ(indice(), antes);
    EXPECT_EQ(copias(), QStringList{QStringLiteral("file999")});
    EXPECT_EQ(zv::test::readAll(pastaCopias + QStringLiteral("/file999")), QByteArray("last"));
}

TEST_F(FilaTest, LoadingAbsentEmptyAndFailedSynchronisation)
{
    auto c = carrega();
    EXPECT_TRUE(c.erro);
    EXPECT_EQ(c.mensagem, QStringLiteral("Problemas ao carregar a fila!"));
    EXPECT_TRUE(c.tabela.isEmpty());
    EXPECT_TRUE(QFileInfo(pastaFila).isDir()) << "the queue folder is created";

    escreveIndice("");
    c = carrega();
    EXPECT_FALSE(c.erro);
    EXPECT_EQ(sincronizacoes, 0) << "an empty queue needs no reference lists";
    ASSERT_EQ(c.tabela.size(), 1);
    EXPECT_EQ(c.tabela[0], QStringList(11));

    escreveIndice("12>@%file001>@%t>@%0>@%d>@%>@%>@%>@%0>@%0>@%>@%\r\n");
    c = carrega(false);
    EXPECT_EQ(sincronizacoes, 1);
    EXPECT_TRUE(c.erro);
    EXPECT_EQ(c.mensagem, QStringLiteral("Problemas ao carregar a fila!"));
    EXPECT_TRUE(c.tabela.isEmpty());
}

TEST_F(FilaTest, QueuedDocumentsLoadBackWithTheirCompanyTexts)
{
    const QString doc = documento(QStringLiteral("guia.pdf"));
    QString arquivo, msg;
    ASSERT_TRUE(enfileira({QString(), doc}, QStringLiteral("Guia"), QStringLiteral("pdf"), arquivo, msg));
    struct Caso { QStringList ids; QString texto; };
    const Caso casos[] = {{{"99"}, ""}, {{"12", "7"}, "(2)Empresas"}, {{"4", "5", "6"}, "(3)Empresas"}};
    for (const Caso& c : casos) {
        enviar.Try();
        for (const QString& id : c.ids)
            enviar.AddCliente(id.toInt());
        QString controle;
        enviar.Validar(QStringLiteral("guia.pdf"), QStringLiteral("Fiscal"), controle);
        ASSERT_TRUE(enfileira({QString(), doc}, {}, {}, arquivo, msg));
    }
    // A queue written by the sibling programs separates companies with "@|-".
    QFile f(fila->arquivoIndice());
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("12@|-7>@%file099>@%x.pdf>@%1>@%rel>@%>@%>@%>@%0>@%0>@%>@%\r\n");
    f.close();

    const auto c = carrega();
    EXPECT_FALSE(c.erro);
    EXPECT_EQ(c.aviso, QString());
    ASSERT_EQ(c.tabela.size(), 6);
    const QStringList primeira = {"Alfa Comércio", "file001", "Guia.pdf", "0", "Guia de ICMS março",
                                  "11/03/2026", "30/04/2026", "Pagar até o dia 20@|-no banco", "3a@x.com",
                                  "1234,56", "20/03/2026"};
    EXPECT_EQ(c.tabela[0], primeira);
    EXPECT_EQ(c.tabela[1][0], QString());
    EXPECT_EQ(c.tabela[2][0], QStringLiteral("(2)Empresas"));
    EXPECT_EQ(c.tabela[3][0], QStringLiteral("(3)Empresas"));
    EXPECT_EQ(c.tabela[3][1], QStringLiteral("file004"));
    EXPECT_EQ(c.tabela[4][0], QStringLiteral("(2)Empresas"));
    EXPECT_EQ(c.tabela[5], QStringList(11));
}

TEST_F(FilaTest, DamagedIndexLoadsWhatIsSoundAndIsLeftUnchanged)
{
    const QByteArray bom1 = "12>@%file001>@%a.pdf>@%0>@%um>@%>@%>@%>@%0>@%10>@%20/03/2026>@%\r\n";
    const QByteArray curta = "12>@%file002>@%b.pdf>@%1\r\n";
    const QByteArray bom2 = "12>@%file003>@%c.pdf>@%2>@%tres>@%>@%>@%>@%0>@%0>@%>@%\n"; // a bare LF
    const QByteArray bytes = bom1 + curta + "\r\n" + bom2 + "\r\n";
    escreveIndice(bytes);
    const auto c = carrega();
    EXPECT_FALSE(c.erro);
    ASSERT_EQ(c.tabela.size(), 3);
    EXPECT_EQ(c.tabela[0][4], QStringLiteral("um"));
    EXPECT_EQ(c.tabela[1][4], QStringLiteral("tres"));
    EXPECT_TRUE(c.aviso.contains(QStringLiteral("linha 2, 3"))) << c.aviso.toStdString();
    EXPECT_TRUE(c.aviso.contains(QStringLiteral("zvmf.rlx")));
    EXPECT_EQ(indice(), bytes) << "loading never rewrites the queue";

    // Queueing after a damaged line keeps every old line and numbers past them.
    QString arquivo, msg;
    QDir().mkpath(pastaCopias);
    home.writeFile(QDir(home.path()).relativeFilePath(pastaCopias + QStringLiteral("/file003")), "c");
    ASSERT_TRUE(enfileira({QString(), documento(QStringLiteral("d.pdf"))}, {}, {}, arquivo, msg));
    EXPECT_TRUE(indice().startsWith(bytes));
    EXPECT_TRUE(indice().mid(bytes.size()).startsWith("12>@%file004>@%d.pdf"));
}

} // namespace
