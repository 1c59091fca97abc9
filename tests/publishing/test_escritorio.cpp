#include "platform/Cp1252.h"
#include "publishing/InfoEscritorio.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zv;
using publishing::ContextoEscritorio;
using publishing::InfoEscritorio;

namespace {

const QString kSistema = QStringLiteral("Zorvelanta Printer");

QByteArray todosOsBytes()
{
    QByteArray b;
    for (int i = 0; i < 256; ++i)
        b.append(char(i));
    return b + QByteArray("%PDF-1.4\r\n\x81\x8d\x8f\x90\x9d\0end", 22);
}

struct Escritorio : ::testing::Test {
    test::TempHome home;
    InfoEscritorio info;
    QStringList urls;
    QString answer;
    QString mensagem = QStringLiteral("anterior");
    ContextoEscritorio c;

    void SetUp() override
    {
        c.baseUrl = QStringLiteral("http://127.0.0.1:9/");
        c.wwwUrl = QStringLiteral("http://www.portal.test/");
        c.lngSessao = 123;
        c.lngLogin_ID = 45;
        c.lngID_Contador = 57;
        c.sistema = kSistema;
        c.logo = QStringLiteral("logo57.png");
        c.temInternet = true;
    }
    publishing::Requisicao portal()
    {
        return [this](const QString& url) {
            urls << url;
            return answer;
        };
    }
    QString pasta() const { return home.appData() + QStringLiteral("/ZorvelantaPrinter/"); }
};

} // namespace

TEST_F(Escritorio, LogoAddressHasAtLeastFourDigits)
{
    EXPECT_EQ(InfoEscritorio::enderecoLogo(c), "http://www.portal.test/zorvelanta/escritorio_arq/0057/logo57.png");
    c.lngID_Contador = 123456;
    EXPECT_TRUE(InfoEscritorio::enderecoLogo(c).endsWith("/escritorio_arq/123456/logo57.png"));
}

TEST_F(Escritorio, LogoIsFetchedOnlyWhenMissingOrAsked)
{
    QDir().mkpath(pasta());
    const QString local = pasta() + "logo57.png";
    answer = platform::fromCp1252(todosOsBytes());

    EXPECT_EQ(info.LogoEscritorio(c, portal(), mensagem, pasta(), false), local);
    EXPECT_EQ(urls.size(), 1) << "missing: fetched";
    EXPECT_EQ(test::readAll(local), todosOsBytes()) << "stored byte for byte";

    EXPECT_EQ(info.LogoEscritorio(c, portal(), mensagem, pasta(), false), local);
    EXPECT_EQ(urls.size(), 1) << "present: no request";
    EXPECT_EQ(info.LogoEscritorio(c, portal(), mensagem, pasta(), true), local);
    EXPECT_EQ(urls.size(), 2) << "asked: fetched again";

    c.temInternet = false;
    QFile::remove(local);
    EXPECT_EQ(info.LogoEscritorio(c, portal(), mensagem, pasta(), true), local);
    EXPECT_EQ(urls.size(), 2) << "no internet: only the path";
    EXPECT_EQ(mensagem, "anterior");
}

TEST_F(Escritorio, LogoFailures)
{
    const QString falha = QStringLiteral("Não foi possivel baixar o logo do escritório!");
    QDir().mkpath(pasta());
    home.writeFile(".local/share/ZorvelantaPrinter/logo57.png", "antigo");
    answer.clear();
    EXPECT_EQ(info.LogoEscritorio(c, portal(), mensagem, pasta(), true), QString());
    EXPECT_EQ(mensagem, falha);
    EXPECT_EQ(test::readAll(pasta() + "logo57.png"), "antigo") << "a failed download keeps the copy";

    answer = QStringLiteral("PNG");
    for (const QString& nome : {QStringLiteral("../fora.png"), QStringLiteral("a/b.png"), QString()}) {
        mensagem.clear();
        c.logo = nome;
        EXPECT_EQ(info.LogoEscritorio(c, portal(), mensagem, pasta(), true), QString()) << nome.toStdString();
        EXPECT_EQ(mensagem, falha);
    }
    EXPECT_FALSE(QFile::exists(home.appData() + "/fora.png"));

    c.logo = QStringLiteral("logo57.png");
    mensagem.clear();
    EXPECT_EQ(info.LogoEscritorio(c, portal(), mensagem, home.path() + "/nao/existe/", true), QString());
    EXPECT_EQ(mensagem, falha);
}

TEST_F(Escritorio, StorageSpace)
{
    struct Caso {
        QString answer;
        bool ok;
        double total, usado, livre;
    };
    const QList<Caso> casos = {
        {kSistema + ";1000;250", true, 1000, 250, 750},
        {kSistema + "\r\n;1.500,5;500", true, 1500.5, 500, 1000.5},
        {QStringLiteral("1;1000;250"), false, 0, 0, 0},
        {kSistema + ";1000", false, 0, 0, 0},
        {kSistema + ";mil;250", false, 0, 0, 0},
        {QString(), false, 0, 0, 0},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.answer.toStdString());
        ASSERT_TRUE((answer = kSistema + ";9;1", info.AtualizaEspaco(c, portal(), mensagem)));
        answer = k.answer;
        EXPECT_EQ(info.AtualizaEspaco(c, portal(), mensagem), k.ok);
        EXPECT_EQ(info.EspacoTotal(), k.total);
        EXPECT_EQ(info.EspacoUtilizado(), k.usado);
        EXPECT_EQ(info.EspacoDisponivel(), k.livre);
        EXPECT_EQ(mensagem, "anterior");
    }
    EXPECT_EQ(urls.last(), "http://127.0.0.1:9/printer/espaco_b.asp?s=123&l=45");

    c.temInternet = false;
    EXPECT_FALSE(info.AtualizaEspaco(c, portal(), mensagem));
    EXPECT_EQ(mensagem, "Não é possível atualizar espaço total e disponível sem internet!");
    EXPECT_EQ(info.EspacoTotal(), 0) << "kept from the last update";
}

TEST_F(Escritorio, TipsWalkTheirOrder)
{
    answer = QStringLiteral("7-*=Backup-*=Faça cópias.");
    EXPECT_TRUE(info.Dica(c, portal(), mensagem));
    EXPECT_EQ(urls.last(), "http://127.0.0.1:9/printer/dicas_b.asp?s=123&l=45&ordem=");
    EXPECT_EQ(info.DicaTitulo(), "Backup");
    EXPECT_EQ(info.DicaTexto(), "\r\nFaça cópias.");

    answer = QStringLiteral("a&b #1-*=só título");
    EXPECT_FALSE(info.Dica(c, portal(), mensagem));
    EXPECT_TRUE(urls.last().endsWith("&ordem=7"));
    answer = QStringLiteral("8-*=só título");
    EXPECT_FALSE(info.Dica(c, portal(), mensagem));
    EXPECT_TRUE(urls.last().endsWith("&ordem=a%26b%20%231")) << "the order arrives as the portal wrote it";
    EXPECT_EQ(info.DicaTitulo(), "Dica em manutenção");
    EXPECT_EQ(info.DicaTexto(), "Neste momento não é possível recuperar uma dica.");

    answer.clear();
    EXPECT_FALSE(info.Dica(c, portal(), mensagem));
    EXPECT_TRUE(urls.last().endsWith("&ordem=8")) << "the order of a damaged answer is taken";
    EXPECT_FALSE(info.Dica(c, portal(), mensagem));
    EXPECT_TRUE(urls.last().endsWith("&ordem=8")) << "an empty answer brings no order";

    c.temInternet = false;
    EXPECT_FALSE(info.Dica(c, portal(), mensagem));
    EXPECT_EQ(mensagem, "Não é possivel recuperar dicas sem internet");
}

TEST_F(Escritorio, DocumentDownloadIsStoredByteForByte)
{
    const QString back = home.appData() + "/ZorvelantaPrinter/Back";
    ASSERT_FALSE(QDir(back).exists());
    answer = platform::fromCp1252(todosOsBytes());
    EXPECT_TRUE(info.BArquivo(portal(), mensagem, "http://x/doc", back, "987"));
    EXPECT_EQ(urls, QStringList{"http://x/doc"});
    EXPECT_EQ(test::readAll(back + "/987"), todosOsBytes()) << "the folder is created and nothing is converted";

    answer = QStringLiteral("novo");
    EXPECT_TRUE(info.BArquivo(portal(), mensagem, "http://x/doc", back, "987"));
    EXPECT_EQ(test::readAll(back + "/987"), "novo");
    EXPECT_EQ(mensagem, "anterior");
}

TEST_F(Escritorio, DocumentDownloadFailures)
{
    const QString back = home.appData() + "/ZorvelantaPrinter/Back";
    answer.clear();
    EXPECT_FALSE(info.BArquivo(portal(), mensagem, "http://x/doc", back, "987"));
    EXPECT_EQ(mensagem, "Arquivo não encontrador!");

    answer = QStringLiteral("conteúdo");
    for (const QString& id : {QStringLiteral("../ERRO"), QStringLiteral("a/b"), QStringLiteral(".."), QString()}) {
        urls.clear();
        EXPECT_FALSE(info.BArquivo(portal(), mensagem, "http://x/doc", back, id));
        EXPECT_TRUE(urls.isEmpty()) << "an ID that is no file name is not even asked for";
        EXPECT_TRUE(mensagem.startsWith("Erro\r\n"));
    }
    EXPECT_FALSE(QFile::exists(home.appData() + "/ZorvelantaPrinter/ERRO"));

    // An answer of another size than the published one (a broken transfer,
    // an error page) is no copy, and a good copy stays.
    answer = QStringLiteral("bom");
    ASSERT_TRUE(info.BArquivo(portal(), mensagem, "http://x/doc", back, "987", "3"));
    answer = QStringLiteral("<html>404</html>");
    EXPECT_FALSE(info.BArquivo(portal(), mensagem, "http://x/doc", back, "987", " 3 "));
    EXPECT_EQ(mensagem, "Erro\r\nO arquivo recebido do portal está incompleto (recebidos 16 bytes de 3).");
    EXPECT_EQ(test::readAll(back + "/987"), "bom");
    EXPECT_TRUE(info.BArquivo(portal(), mensagem, "http://x/doc", back, "987", "desconhecido"))
        << "a size that is no number checks nothing";

    const QString arquivoNoLugar = home.writeFile("bloqueio", "x");
    EXPECT_FALSE(info.BArquivo(portal(), mensagem, "http://x/doc", arquivoNoLugar, "987"));
    EXPECT_TRUE(mensagem.startsWith("Erro\r\n"));
    EXPECT_GT(mensagem.size(), 6) << "with the failure's description";
}
