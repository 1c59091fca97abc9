#include "consultation/classConsultar.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace zv;
using consultation::classConsultar;
using consultation::TabelaConsulta;

namespace {

const QString kSistema = QStringLiteral("Zorvelanta Printer");
const QString kCrLf = QStringLiteral("\r\n");
const QString kIndefinidos = QStringLiteral("Houveram erros indefinidos durante a pesquisa!");

// One record of the answer: 17 fields, with the given ID and size.
QString registro(const QString& id, const QString& tamanho, int campos = 17)
{
    QStringList f(campos);
    f[0] = QStringLiteral("Cliente ") + id;
    f[2] = id;
    f[4] = id + QStringLiteral(".pdf");
    if (campos > 5)
        f[5] = tamanho;
    return f.join(QStringLiteral(">@%"));
}

QString resposta(const QStringList& registros, const QString& contagem)
{
    return kSistema + kCrLf + registros.join(QStringLiteral("<!#")) + kCrLf + contagem + kCrLf;
}

struct Consulta : ::testing::Test {
    test::TempHome home;
    classConsultar consulta;
    QStringList urls;
    QString answer;
    QString back;

    void SetUp() override
    {
        back = home.appData() + QStringLiteral("/ZorvelantaPrinter/Back");
        QDir().mkpath(back);
        consulta.GetPar(QStringLiteral("http://127.0.0.1:8/"), 123, 45, kSistema, QStringLiteral("11*12"),
                        home.appData() + QStringLiteral("/ZorvelantaPrinter/"));
        consulta.setPastaBackup(back);
        consulta.setRequisicao([this](const QString& url) {
            urls << url;
            return answer;
        });
    }
};

} // namespace

TEST_F(Consulta, RequestOfEachFilterCombination)
{
    using Ajuste = std::function<void(classConsultar&)>;
    struct Caso {
        const char* nome;
        Ajuste ajuste;
        bool enviados;
        QString pedido;
    };
    const QDate marco1(2011, 3, 1), marco31(2011, 3, 31);
    const QList<Caso> casos = {
        {"payments due in March, viewed",
         [&](classConsultar& c) {
             c.setEmpresa(7);
             c.setTipoDoc(1);
             c.setTipoData(2);
             c.setDataInicial(marco1);
             c.setDataFinal(marco31);
             c.setOrdenar(3);
             c.setMostrar(1);
         },
         false, "s=123&l=45&e=7&t=1&d=v&i=20110301&f=20110331&o=3&m=1"},
        {"documents of the last publication",
         [&](classConsultar& c) {
             c.setEmpresa(7);
             c.setTipoDoc(1);
             c.setUsuario(3);
             c.setMostrar(2);
         },
         true, "s=123&l=45&li=11*12"},
        {"due date refused for another type",
         [&](classConsultar& c) {
             c.setTipoDoc(3);
             c.setTipoData(2);
             c.setDataInicial(marco1);
             c.setDataFinal(marco31);
         },
         false, "s=123&l=45&t=3&o=0"},
        {"end date only",
         [&](classConsultar& c) {
             c.setTipoDoc(1);
             c.setTipoData(2);
             c.setDataFinal(marco31);
         },
         false, "s=123&l=45&t=1&d=v&f=20110331&o=0"},
        {"publication date, user",
         [&](classConsultar& c) {
             c.setTipoDoc(2);
             c.setTipoData(1);
             c.setDataInicial(QDate(2011, 3, 17));
             c.setUsuario(9);
         },
         false, "s=123&l=45&t=2&d=t&i=20110317&u=9&o=0"},
        {"no date kind ignores dates",
         [&](classConsultar& c) {
             c.setDataInicial(marco1);
             c.setDataFinal(marco31);
         },
         false, "s=123&l=45&t=0&o=0"},
        {"date kind chosen but no date",
         [&](classConsultar& c) {
             c.setTipoDoc(1);
             c.setTipoData(1);
         },
         false, "s=123&l=45&t=1&o=0"},
        {"type resets dates set before it",
         [&](classConsultar& c) {
             c.setTipoData(1);
             c.setDataInicial(marco1);
             c.setTipoDoc(1);
         },
         false, "s=123&l=45&t=1&o=0"},
        {"order and visibility out of range",
         [&](classConsultar& c) {
             c.setOrdenar(2);
             c.setOrdenar(6);
             c.setMostrar(3);
             c.setMostrar(7);
         },
         false, "s=123&l=45&t=0&o=2"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        classConsultar q;
        q.GetPar(QStringLiteral("http://127.0.0.1:8/"), 123, 45, kSistema, QStringLiteral("11*12"), QString());
        c.ajuste(q);
        EXPECT_EQ(q.urlFiltro(c.enviados), "http://127.0.0.1:8//printer/consulta_b.asp?" + c.pedido);
    }
}

TEST_F(Consulta, FilterSendsItsRequestOnce)
{
    answer = resposta({}, QStringLiteral("0"));
    qint16 retorno = -1;
    qint32 soma = -1;
    consulta.Filtrar(retorno, soma, false);
    ASSERT_EQ(urls.size(), 1);
    EXPECT_EQ(urls[0], QStringLiteral("http://127.0.0.1:8//printer/consulta_b.asp?s=123&l=45&t=0&o=0"));
    EXPECT_EQ(retorno, 0);
    EXPECT_EQ(soma, 0);
}

TEST_F(Consulta, DateKindStaysWhenDueDateIsRefused)
{
    consulta.setTipoDoc(2);
    consulta.setTipoData(1);
    consulta.setTipoData(2);
    EXPECT_EQ(consulta.TipoData(), 1);
    consulta.setTipoDoc(1);
    EXPECT_EQ(consulta.TipoData(), 0) << "the type resets the date kind";
    consulta.setTipoData(2);
    EXPECT_EQ(consulta.TipoData(), 2);
}

TEST_F(Consulta, ReadsAWellFormedAnswer)
{
    home.writeFile(QStringLiteral(".local/share/ZorvelantaPrinter/Back/501"), "copia");
    answer = resposta({registro("500", "1000"), registro("501", "2048")}, QStringLiteral("2"));
    qint16 retorno = 0;
    qint32 soma = 0;
    consulta.Filtrar(retorno, soma, false);
    EXPECT_EQ(consulta.Erro(), QString());
    EXPECT_EQ(retorno, 2);
    EXPECT_EQ(soma, 3048);
    const TabelaConsulta t = consulta.Consulta();
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t[0][2], "500");
    EXPECT_EQ(t[0][4], "500.pdf");
    EXPECT_EQ(t[0][17], "Não");
    EXPECT_EQ(t[1][17], "Sim");
    EXPECT_EQ(t[2], QStringList(18)) << "the spare row";
    for (const QStringList& row : t)
        EXPECT_EQ(row.size(), 18);
}

TEST_F(Consulta, BadAnswersAndTheirMessage)
{
    struct Caso {
        const char* nome;
        QString answer;
        qint16 retorno;
        qint32 soma;
        QString mensagem;
        int linhasLidas; // rows of the new table holding a record; -1: the earlier table stays
    };
    const QString r1 = registro("1", "100"), r2 = registro("2", "200");
    const QList<Caso> casos = {
        {"no documents", kSistema + "\r\n\r\n0", 0, 0, QStringLiteral("Não existem Arquivos para esta consulta!"), -1},
        {"portal refusal", QStringLiteral("1\r\nSessão inválida\r\n"), 0, 0,
         "Sessão inválida" + kCrLf + "Houveram erros  durante a pesquisa!", -1},
        {"empty answer", QString(), 0, 0, kIndefinidos, -1},
        {"one line not from the system", QStringLiteral("erro"), 0, 0, kIndefinidos, -1},
        {"record of 16 fields", resposta({r1, registro("2", "200", 16)}, "2"), 2, 100, kIndefinidos, 1},
        {"count not a number", resposta({r1}, "dois"), 0, 0, kIndefinidos, -1},
        {"count past 16 bits", resposta({r1}, "40000"), 0, 0, kIndefinidos, -1},
        {"no count line", kSistema + kCrLf + r1, 0, 0, kIndefinidos, -1},
        {"more records than the count", resposta({r1, r2, registro("3", "300")}, "1"), 1, 300, kIndefinidos, 2},
        {"size not a number", resposta({r1, registro("2", "x")}, "2"), 2, 100, kIndefinidos, 1},
        {"sum past 32 bits", resposta({registro("1", "2147483000"), registro("2", "1000")}, "2"), 2, 2147483000,
         kIndefinidos, 1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        answer = resposta({registro("9", "1")}, "1");
        qint16 retorno;
        qint32 soma;
        consulta.Filtrar(retorno, soma, false);
        ASSERT_EQ(consulta.Erro(), QString());

        answer = c.answer;
        consulta.Filtrar(retorno, soma, false);
        EXPECT_EQ(retorno, c.retorno);
        EXPECT_EQ(soma, c.soma);
        EXPECT_EQ(consulta.Erro(), c.mensagem);
        const TabelaConsulta t = consulta.Consulta();
        if (c.linhasLidas < 0) {
            ASSERT_EQ(t.size(), 2);
            EXPECT_EQ(t[0][2], "9") << "the earlier result stays";
        } else {
            ASSERT_EQ(t.size(), c.retorno + 1);
            for (int i = 0; i < c.linhasLidas; ++i)
                EXPECT_EQ(t[i][2], QString::number(i + 1)) << "row " << i;
        }
    }
}

TEST_F(Consulta, IdsThatAreNoFileNameHaveNoLocalCopy)
{
    home.writeFile(QStringLiteral(".local/share/ZorvelantaPrinter/segredo"), "x");
    home.writeFile(QStringLiteral(".local/share/ZorvelantaPrinter/Back/sub/7"), "x");
    answer = resposta({registro("../segredo", "1"), registro("sub/7", "1"), registro("", "1")}, "3");
    qint16 retorno;
    qint32 soma;
    consulta.Filtrar(retorno, soma, false);
    ASSERT_EQ(consulta.Erro(), QString());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(consulta.tabela()[i][17], "Não") << "row " << i;
}

TEST_F(Consulta, ValidationAndMessageProtocol)
{
    struct Caso {
        qint32 empresa;
        qint16 tipo;
        bool validado;
        QString mensagem;
    };
    const QList<Caso> casos = {
        {0, 1, false, QStringLiteral("É necessário escolher um cliente!")},
        {0, 3, false, QStringLiteral("É necessário escolher um cliente!")},
        {5, 3, false, QStringLiteral("O Campo de Tipo deve ser preenchido!")},
        {5, 1, true, QString()},
    };
    for (const Caso& c : casos) {
        consulta.Try();
        consulta.setEmpresa(c.empresa);
        consulta.setTipoDoc(c.tipo);
        consulta.Validar();
        EXPECT_EQ(consulta.Validado(), c.validado);
        QString recebida = QStringLiteral("intacta");
        EXPECT_EQ(consulta.Catch(recebida), !c.mensagem.isEmpty());
        EXPECT_EQ(recebida, c.mensagem.isEmpty() ? QStringLiteral("intacta") : c.mensagem);
    }
}

TEST(ConsultaRecuperacao, RetrievalForm)
{
    EXPECT_EQ(classConsultar::urlRecuperacao(QStringLiteral("http://127.0.0.1:8/"), 45, 123, QStringLiteral("987")),
              QStringLiteral("http://127.0.0.1:8/printer/consulta_b.asp?l=45&s=123&ia=987&"));
    EXPECT_EQ(classConsultar::urlRecuperacao(QStringLiteral("http://h/"), 1, 2, QStringLiteral("9&x=1")),
              QStringLiteral("http://h/printer/consulta_b.asp?l=1&s=2&ia=9%26x=1&"))
        << "an ID cannot add keys to the request";
}
