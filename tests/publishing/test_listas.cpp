#include "platform/Cp1252.h"
#include "platform/ErrorNumbers.h"
#include "publishing/ListasReferencia.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zv;
using publishing::ListasReferencia;
using publishing::Tabela;

namespace {

const QString kSistema = QStringLiteral("Zorvelanta Printer");
const QString kCrLf = QStringLiteral("\r\n");
const QString kErro = QStringLiteral("Erro durante sincronização!");

QString resposta(const QString& carteiras, const QString& clientes, const QString& usuarios)
{
    return kSistema + "|*+" + carteiras + "|*+" + clientes + "|*+" + usuarios;
}

const QString kCompleta = resposta(QStringLiteral("3>@%Fiscal<!#4>@%Pessoal"),
                                   QStringLiteral("10>@%3>@%Alfa<!#11>@%4>@%Beta>@%extra"),
                                   QStringLiteral("1>@%Ana<!#2>@%João"));

struct Sincronia : ::testing::Test {
    test::TempHome home;
    ListasReferencia listas;
    QStringList urls;
    QString mensagem = QStringLiteral("anterior");

    publishing::ContextoSincronia contexto() const
    {
        publishing::ContextoSincronia c;
        c.baseUrl = QStringLiteral("http://127.0.0.1:1/");
        c.lngSessao = 123;
        c.lngLogin_ID = 45;
        c.lngID_Contador = 57;
        c.sistema = kSistema;
        c.pastaDaemon = home.appData() + QStringLiteral("/ZorvelantaPrinter");
        return c;
    }
    QString cache(bool carteiras) const
    {
        return home.appData() + (carteiras ? QStringLiteral("/ZorvelantaPrinterc57sinc.rtx")
                                           : QStringLiteral("/ZorvelantaPrinterc57sincu.rpx"));
    }
    bool sincroniza(const QString& answer, bool carteiras = false)
    {
        return listas.Sincroniza(
            contexto(), [&](const QString& url) { urls << url; return answer; }, mensagem, nullptr, carteiras, true);
    }
};

Tabela linhas(std::initializer_list<QStringList> rows) { return Tabela(rows); }

} // namespace

TEST_F(Sincronia, FillsTheThreeTablesEachWithItsSpareRow)
{
    ASSERT_TRUE(sincroniza(kCompleta));
    EXPECT_TRUE(listas.TemCarteira());
    EXPECT_EQ(listas.Carteiras(), linhas({{"3", "Fiscal"}, {"4", "Pessoal"}, {"", ""}}));
    EXPECT_EQ(listas.tabelaClientes(), linhas({{"", "10", "3", "Alfa"}, {"", "11", "4", "Beta"}, {"", "", "", ""}}));
    EXPECT_EQ(listas.Usuarios(), linhas({{"1", "Ana"}, {"2", "João"}, {"", ""}}));
    EXPECT_EQ(mensagem, QStringLiteral("anterior")) << "a full answer leaves the message alone";
}

TEST_F(Sincronia, AnswersAndTheirOutcome)
{
    struct Caso {
        const char* nome;
        QString answer;
        bool ok;
        QString mensagem;
        bool arquivo;
    };
    const QList<Caso> casos = {
        {"all sections empty", resposta("4", "5", "6"), true, QStringLiteral("Não existem usuarios cadastrados!"), true},
        {"no portfolios only", resposta("4", "10>@%3>@%Alfa", "1>@%Ana"),
         true, QStringLiteral("Não existem carteiras cadastradas!"), true},
        {"no clients only", resposta("3>@%F", "5", "1>@%Ana"), true, QStringLiteral("Não existem clientes cadastrados!"), true},
        {"name then CR LF", kSistema + kCrLf + "4|*+5|*+6", false, QStringLiteral("anterior"), true},
        {"refusal of two lines", QStringLiteral("1\r\nSessão expirada\r\n"), false, "Sessão expirada" + kCrLf + kErro, false},
        {"one line not from the system", QStringLiteral("erro"), false, "anterior" + kCrLf + kErro, false},
        {"empty answer", QString(), false, "anterior" + kCrLf + kErro, false},
        {"missing users section", kSistema + "|*+4|*+5", false, "Não existem clientes cadastrados!" + kCrLf + kErro, true},
        {"user item of one field", resposta("4", "5", "1>@%Ana<!#2"), false,
         "Não existem clientes cadastrados!" + kCrLf + kErro, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        QFile::remove(cache(false));
        mensagem = QStringLiteral("anterior");
        EXPECT_EQ(sincroniza(c.answer), c.ok);
        EXPECT_EQ(mensagem, c.mensagem);
        EXPECT_EQ(QFile::exists(cache(false)), c.arquivo);
    }
}

TEST_F(Sincronia, EmptySectionsLeaveEmptyReferences)
{
    ASSERT_TRUE(sincroniza(kCompleta));
    ASSERT_TRUE(sincroniza(resposta("4", "5", "6")));
    EXPECT_FALSE(listas.TemCarteira());
    EXPECT_TRUE(listas.Carteiras().isEmpty());
    EXPECT_TRUE(listas.tabelaClientes().isEmpty());
    EXPECT_TRUE(listas.Usuarios().isEmpty());
    EXPECT_TRUE(listas.Clientes(0).isEmpty()) << "no clients are offered once the portal says there are none";
}

TEST_F(Sincronia, RejectedAnswersChangeNoTable)
{
    ASSERT_TRUE(sincroniza(kCompleta));
    for (const QString& bad : {QString(), QStringLiteral("0\r\nerro"), kSistema + kCrLf + "4|*+5|*+6"}) {
        EXPECT_FALSE(sincroniza(bad));
        EXPECT_EQ(listas.Carteiras().size(), 3);
        EXPECT_EQ(listas.tabelaClientes().size(), 3);
        EXPECT_EQ(listas.Usuarios().size(), 3);
        EXPECT_TRUE(listas.TemCarteira());
    }
}

TEST_F(Sincronia, DamagedItemKeepsWhatWasRebuiltBefore)
{
    ASSERT_TRUE(sincroniza(kCompleta));
    EXPECT_FALSE(sincroniza(resposta("7>@%Nova", "20>@%7>@%Gama", "9")));
    EXPECT_EQ(listas.Carteiras(), linhas({{"7", "Nova"}, {"", ""}}));
    EXPECT_EQ(listas.Clientes(0), linhas({{"20", "Gama"}, {"", ""}}));
    EXPECT_TRUE(mensagem.endsWith(kCrLf + kErro));
}

TEST_F(Sincronia, EachFormHasItsRequestAndItsCacheFile)
{
    const QString answer = resposta("4", "10>@%3>@%Ação Ltda", "6");
    for (bool carteiras : {true, false}) {
        urls.clear();
        ASSERT_TRUE(sincroniza(answer, carteiras));
        ASSERT_EQ(urls.size(), 1);
        EXPECT_EQ(urls[0], QStringLiteral("http://127.0.0.1:1/printer/sincroniza.asp?s=123&l=45")
                               + (carteiras ? "&c=1" : "&u=1"));
        EXPECT_EQ(test::readAll(cache(carteiras)), platform::toCp1252(answer)) << "a Windows-1252 copy";
        EXPECT_FALSE(QDir(home.appData() + "/ZorvelantaPrinter").exists()) << "the file lies beside the folder";
    }
    EXPECT_EQ(ListasReferencia::arquivoCache("/x/ZorvelantaPrinter", 57, false), "/x/ZorvelantaPrinterc57sincu.rpx");
}

TEST_F(Sincronia, ReplacesTheCacheAndSetsTheUpdateFlag)
{
    ASSERT_TRUE(sincroniza(kCompleta));
    bool atualiza = false;
    const QString segunda = resposta("4", "5", "6");
    EXPECT_TRUE(listas.Sincroniza(contexto(), [&](const QString&) { return segunda; }, mensagem, &atualiza, false));
    EXPECT_TRUE(atualiza);
    EXPECT_EQ(test::readAll(cache(false)), segunda.toLatin1());
}

TEST_F(Sincronia, UnwritableCacheFails)
{
    ASSERT_TRUE(sincroniza(kCompleta));
    auto c = contexto();
    c.pastaDaemon = home.path() + QStringLiteral("/missing/folder/ZorvelantaPrinter");
    EXPECT_FALSE(listas.Sincroniza(c, [&](const QString&) { return resposta("4", "5", "6"); }, mensagem));
    EXPECT_TRUE(mensagem.endsWith(kCrLf + kErro));
    EXPECT_EQ(listas.Usuarios().size(), 3) << "nothing parsed when the copy could not be kept";
}

TEST_F(Sincronia, ClientesByPortfolio)
{
    EXPECT_TRUE(listas.Clientes(0).isEmpty()) << "before the first synchronisation";
    ASSERT_TRUE(sincroniza(resposta("4", "10>@%3>@%Alfa<!#11>@%4>@%Beta<!#12>@%3>@%Gama", "6")));
    struct Caso {
        qint32 carteira;
        Tabela esperado;
    };
    const QList<Caso> casos = {
        {3, linhas({{"10", "Alfa"}, {"12", "Gama"}, {"", ""}})},
        {4, linhas({{"11", "Beta"}, {"", ""}})},
        {99, linhas({{"", ""}})},
        {0, linhas({{"10", "Alfa"}, {"11", "Beta"}, {"12", "Gama"}, {"", ""}})},
        {-1, linhas({{"10", "Alfa"}, {"11", "Beta"}, {"12", "Gama"}, {"", ""}})},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(listas.Clientes(c.carteira), c.esperado) << "portfolio " << c.carteira;
}

TEST_F(Sincronia, ClientesRaisesOnPortfolioThatIsNoNumber)
{
    ASSERT_TRUE(sincroniza(resposta("4", "10>@%3>@%Alfa<!#11>@%x>@%Beta", "6")));
    try {
        listas.Clientes(3);
        FAIL() << "expected a failure";
    } catch (const platform::Failure& f) {
        EXPECT_EQ(f.number(), platform::kErrTypeMismatch);
    }
    EXPECT_EQ(listas.Clientes(0).size(), 3) << "all clients need no portfolio field";
}
