#include "consultation/GradeConsulta.h"
#include "consultation/ModeloConsulta.h"
#include "platform/Regional.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace zv;
using namespace zv::consultation;

namespace {

QStringList linhaTabela(std::initializer_list<std::pair<int, QString>> valores)
{
    QStringList l(kColunasConsulta);
    for (const auto& [c, v] : valores)
        l[c] = v;
    return l;
}

struct Grade : ::testing::Test {
    test::TempHome home;
};

} // namespace

TEST_F(Grade, KilobytesRoundHalvesToEven)
{
    const QList<std::pair<double, QString>> casos = {
        {1536, "1,5"}, {3072, "3"}, {1536000, "1500"}, {0, "0"}, {256, "0,2"}, {768, "0,8"}, {1000, "1"},
        {2147483647.0, "2097152"},
    };
    for (const auto& [bytes, texto] : casos)
        EXPECT_EQ(kilobytes(bytes), texto) << bytes;
}

TEST_F(Grade, RowOfAFullDocument)
{
    QStringList linha = linhaTabela({{0, "Alfa Ltda"}, {1, "P"}, {2, "900"}, {3, "Guia"}, {4, "guia.pdf"}, {5, "1536"},
                                     {6, "DARF"}, {7, "A"}, {8, "17/03/2011 14:05:00"}, {9, "18/03/2011"},
                                     {11, "Ana"}, {12, "20/03/2011 00:00:00"}, {13, "30/04/2011"},
                                     {14, "31/03/2011"}, {15, "1234.5"}, {17, "Sim"}});
    int falhas = 0;
    const QStringList grade = linhaDaGrade(linha, &falhas);
    EXPECT_EQ(falhas, 0);
    EXPECT_EQ(grade, QStringList({"Alfa Ltda", "P", "Guia", "17/03/2011 14:05:00", "20/03/2011", "30/04/2011",
                                  "31/03/2011", "R$ 1.234,50", "Ana", "guia.pdf", "1,5Kbs", "DARF", "A",
                                  "18/03/2011", "-*-", "-*-", "900", "Sim"}));
    EXPECT_EQ(linha[5], "1,5") << "the size in kilobytes goes back into the table";
    EXPECT_EQ(linha[10], "-*-") << "never deleted";
    EXPECT_EQ(linha[15], "1234.5") << "a number stays as it came";
}

TEST_F(Grade, RowWithEmptyAndDamagedValues)
{
    QStringList linha = linhaTabela({{2, "901"}, {5, "3072"}, {8, "05/01/2012"}, {13, "amanhã"}, {15, "abc"},
                                     {16, "01/02/2012 08:00:00"}});
    int falhas = 0;
    const QStringList grade = linhaDaGrade(linha, &falhas);
    EXPECT_EQ(falhas, 1) << "the expiry that is no date";
    EXPECT_EQ(linha[0], "Todos");
    EXPECT_EQ(linha[12], "05/01/2012") << "activation takes the publication date";
    EXPECT_EQ(linha[13], "amanhã");
    EXPECT_EQ(linha[15], "0");
    EXPECT_EQ(linha[16], "01/02/2012 08:00:00");
    EXPECT_EQ(grade[0], "Todos");
    EXPECT_EQ(grade[4], "05/01/2012");
    EXPECT_EQ(grade[5], "amanhã");
    EXPECT_EQ(grade[7], "R$ 0,00");
    EXPECT_EQ(grade[10], "3Kbs");
    EXPECT_EQ(grade[13], "-*-");

    QStringList semData = linhaTabela({{8, "ontem"}});
    falhas = 0;
    const QStringList g2 = linhaDaGrade(semData, &falhas);
    EXPECT_EQ(g2[3], QString()) << "a publication text that is no date shows nothing";
    EXPECT_EQ(g2[4], QString());
    EXPECT_EQ(falhas, 2);
}

TEST_F(Grade, ColumnsOfTheLayout)
{
    const auto& c = colunasGrade();
    ASSERT_EQ(c.size(), 18);
    const QStringList titulos = {"Cliente", "Tp", "Descrição", "Publicação", "Ativação", "Expiração",
                                 "Vencimento", "Valor", "Usuário", "Arquivo", "Tamanho", "Tipo", "Status",
                                 "Lida", "Apagado", "Backup", "ID", "Local"};
    const QList<int> origens = {0, 1, 3, 8, 12, 13, 14, 15, 11, 4, 5, 6, 7, 9, 10, 16, 2, 17};
    const QList<int> larguras = {2500, 400, 3000, 1300, 1300, 1300, 2300, 1300, 1300, 2000, 1300, 800, 0,
                                 1300, 1300, 1300, 0, 0};
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(c[i].titulo, titulos[i]);
        EXPECT_EQ(c[i].origem, origens[i]) << i;
        EXPECT_EQ(c[i].larguraPadrao, larguras[i]) << i;
    }
}

TEST_F(Grade, ModelFillsAndEmpties)
{
    ModeloConsulta modelo;
    EXPECT_EQ(modelo.rowCount(), 1);
    EXPECT_EQ(modelo.columnCount(), 18);
    EXPECT_EQ(modelo.headerData(9, Qt::Horizontal, Qt::DisplayRole).toString(), "Arquivo");

    TabelaConsulta tabela = {linhaTabela({{2, "1"}, {5, "1024"}, {8, "01/01/2011"}}),
                             linhaTabela({{2, "2"}, {5, "2048"}, {8, "02/01/2011"}}), QStringList(18)};
    EXPECT_EQ(modelo.CarregaConsulta(tabela), 0);
    EXPECT_EQ(modelo.rowCount(), 2) << "the spare row is not shown";
    EXPECT_EQ(modelo.texto(1, 16), "2");
    EXPECT_EQ(modelo.data(modelo.index(0, 10), Qt::DisplayRole).toString(), "1Kbs");
    EXPECT_EQ(modelo.data(modelo.index(0, 10), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(modelo.data(modelo.index(0, 3), Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    EXPECT_EQ(tabela[0][0], "Todos") << "the table is rewritten by the fill";
    modelo.setTexto(0, 17, "Sim");
    EXPECT_EQ(modelo.texto(0, 17), "Sim");

    modelo.LimpaGrid();
    EXPECT_EQ(modelo.rowCount(), 1);
    EXPECT_EQ(modelo.texto(0, 16), QString());
    TabelaConsulta vazia = {QStringList(18)};
    modelo.CarregaConsulta(vazia);
    EXPECT_EQ(modelo.rowCount(), 1);
}

TEST_F(Grade, GeneralDatesAgreeWithTheRegionalForms)
{
    const QStringList textos = {"17/03/2011", "17/03/2011 00:00:00", "17/03/2011 14:05:09", "01/01/2000 23:59:59",
                                "29/02/2012 08:00:00", "31/02/2011", "17/03/2011 25:00:00", "2011-03-17",
                                "17/3/2011", "", "amanhã", "17/03/2011 14:05"};
    for (const QString& t : textos) {
        const auto regional = platform::Regional::parseDateTime(t);
        const auto esperado = regional ? std::optional<QString>(platform::Regional::generalDate(*regional)) : std::nullopt;
        EXPECT_EQ(dataGeral(t), esperado) << t.toStdString();
    }
    EXPECT_EQ(dataGeral("17/03/2011 00:00:00"), std::optional<QString>("17/03/2011"));
    EXPECT_EQ(dataGeral("31/02/2011"), std::nullopt);
}
