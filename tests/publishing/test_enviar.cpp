#include "platform/Clock.h"
#include "publishing/classEnviar.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using zv::publishing::classEnviar;

namespace {

const QDate kHoje(2026, 3, 10);
const QString kCrLf = QStringLiteral("\r\n");
const QString kIndef = QStringLiteral("Erro Indefinido!");

QString dia(int deslocamento) { return kHoje.addDays(deslocamento).toString(QStringLiteral("dd/MM/yyyy")); }

class EnviarTest : public ::testing::Test {
protected:
    zv::test::TempHome home;
    void SetUp() override
    {
        zv::platform::Clock::set([] { return QDateTime(kHoje, QTime(9, 30)); });
    }
};

TEST_F(EnviarTest, SettersCorrectTheRecordAndTheCallersVariable)
{
    classEnviar e;
    EXPECT_EQ(e.Vencimento(), QStringLiteral("10/04/2026")) << "due date starts one month ahead";

    QString longa(150, QLatin1Char('x'));
    e.setDescricao(longa);
    EXPECT_EQ(longa.size(), 100);
    EXPECT_EQ(e.Descricao(), QString(100, QLatin1Char('x')));

    struct Caso { QString valor; QString lido; };
    const Caso datas[] = {{"31/02/2012", ""}, {"abc", ""}, {"", ""}, {"29/02/2012", "29/02/2012"},
                          {"05/01/2027", "05/01/2027"}};
    for (const Caso& c : datas) {
        QString a = c.valor, x = c.valor, v = c.valor;
        e.setAtivacao(a);
        e.setExpiracao(x);
        e.setVencimento(v);
        EXPECT_EQ(e.Ativacao(), c.lido) << c.valor.toStdString();
        EXPECT_EQ(e.Expiracao(), c.lido) << c.valor.toStdString();
        EXPECT_EQ(e.Vencimento(), c.lido) << c.valor.toStdString();
        EXPECT_EQ(a, c.lido);
        EXPECT_EQ(v, c.lido);
    }

    QString msg;
    e.Try();
    EXPECT_FALSE(e.Catch(msg));
    e.setTipoArquivo(-1);
    EXPECT_EQ(e.TipoArquivo(), -1);
    ASSERT_TRUE(e.Catch(msg));
    EXPECT_EQ(msg, QStringLiteral("Tipo de Arquivo Inválido!"));
}

TEST_F(EnviarTest, TypeLettersAndCompanies)
{
    classEnviar e;
    struct Caso { qint16 tipo; const char* cod; const char* letra; };
    for (const Caso& c : {Caso{0, "P", "P"}, Caso{1, "R", "R"}, Caso{2, "D", "D"}, Caso{5, "D", ""},
                          Caso{-3, "D", ""}}) {
        e.setTipoArquivo(c.tipo);
        EXPECT_EQ(e.Cod_TpDoc(), QLatin1String(c.cod)) << c.tipo;
        EXPECT_EQ(e.TpArquivoChar(), QLatin1String(c.letra)) << c.tipo;
    }
    e.setTipoArquivo(2);
    EXPECT_EQ(e.TpArquivoChar(1), QStringLiteral("R")) << "an explicit type wins over the record's";

    e.Try();
    EXPECT_EQ(e.Empresas(), QString());
    e.AddCliente(12);
    e.AddCliente(7);
    EXPECT_EQ(e.Empresas(), QStringLiteral("12*7"));
    EXPECT_EQ(e.QuantidadeClientes(), 2);
    e.Try();
    EXPECT_EQ(e.Empresas(), QString()) << "Try begins a new list";
}

TEST_F(EnviarTest, NoticeModes)
{
    classEnviar e;
    EXPECT_EQ(e.Emails(), QStringLiteral("0"));
    e.Avisar(false, QStringLiteral("a@x.com;b@y.com"));
    EXPECT_EQ(e.Emails(), QStringLiteral("3a@x.com;b@y.com"));
    e.Avisar(true);
    EXPECT_EQ(e.Emails(), QStringLiteral("2"));
    e.Avisar(false);
    EXPECT_EQ(e.Emails(), QStringLiteral("1"));
    e.Avisar(false, QString());
    EXPECT_EQ(e.Emails(), QStringLiteral("3")) << "an empty list given is still a list";
    e.Avisar(false, QStringLiteral("c@z.com"));
    e.Avisar(true, QStringLiteral("ignored"), true);
    EXPECT_EQ(e.Emails(), QStringLiteral("0"));
    e.Avisar(false, std::nullopt);
    e.Avisar(false, QStringLiteral("d@w.com"));
    EXPECT_EQ(e.Emails(), QStringLiteral("3d@w.com")) << "reset emptied the old list";
}

// One row per rule of the validation: the record as filled, the message,
// the control to focus and whether the record passes.
struct CasoValidacao {
    const char* nome;
    bool comCliente;
    QString descricao;
    qint16 tipo;
    QString ativacao, expiracao, vencimento;
    QString pasta;
    QString mensagem;
    QString controle;
    bool valido;
};

TEST_F(EnviarTest, ValidationRulesMessagesAndControls)
{
    const QString n = QStringLiteral("nota.pdf");
    const QString fim = n + QStringLiteral("!") + kCrLf + kIndef;
    const QString antes = QStringLiteral("antes");
    const CasoValidacao casos[] = {
        {"no client", false, "", 0, "", "", dia(30), "P",
         "É necessário selecionar um ou mais clientes para o arquivo nota.pdf!", "cboCarteira", false},
        {"blank description", true, "   ", 0, "", "", dia(30), "P",
         "Descrição deve ser preenchido para o arquivo nota.pdf!", "txtDescricao", false},
        {"activation yesterday", true, "Guia", 1, dia(-1), "", "", "P",
         "A data de ativação não pode ser menor que a data de hoje para o arquivo " + fim, "dtpAtivacao", false},
        {"activation today passes", true, "Guia", 1, dia(0), "", "", "P", "", antes, true},
        {"activation on the due date", true, "Guia", 0, dia(5), "", dia(5), "P",
         "A data de ativação não pode ser maior ou igual a data vencimento para o arquivo " + fim, "dtpAtivacao",
         false},
        {"expiry today", true, "Guia", 1, "", dia(0), "", "P",
         "A data de expiração não pode ser menor ou igual a data de hoje para o arquivo " + fim, "dtpExpiracao",
         false},
        {"expiry on activation", true, "Guia", 1, dia(4), dia(4), "", "P",
         "A data de expiração não pode ser menor ou igual a data de ativação para o arquivo " + fim,
         "dtpExpiracao", false},
        {"expiry before the due date", true, "Guia", 0, "", dia(10), dia(20), "P",
         "A data de expiração não pode ser menor ou igual a data de vencimento para o arquivo " + fim,
         "dtpExpiracao", false},
        {"payment without due date", true, "Guia", 0, dia(2), "", "", "P", kIndef, antes, false},
        {"no folder", true, "Guia", 0, dia(1), dia(40), dia(20), "",
         "Selecione uma pasta para o arquivo nota.pdf!" + kCrLf, antes, false},
        {"all sound", true, "Guia", 0, dia(1), dia(40), dia(20), "P", "", antes, true},
    };
    for (const CasoValidacao& c : casos) {
        SCOPED_TRACE(c.nome);
        classEnviar e;
        e.Inicia(kHoje);
        e.Try();
        if (c.comCliente)
            e.AddCliente(12);
        e.setDescricao(c.descricao);
        e.setTipoArquivo(c.tipo);
        e.setAtivacao(c.ativacao);
        e.setExpiracao(c.expiracao);
        e.setVencimento(c.vencimento);
        QString controle = antes;
        e.Validar(n, c.pasta, controle);
        EXPECT_EQ(e.Validado(), c.valido);
        QString msg;
        EXPECT_EQ(e.Catch(msg), !c.mensagem.isEmpty());
        EXPECT_EQ(msg, c.mensagem);
        EXPECT_EQ(controle, c.controle);
    }
}

TEST_F(EnviarTest, ValidationClearsPaymentFieldsOfOtherTypesAndUsesItsReferenceDate)
{
    classEnviar e;
    e.Inicia(kHoje.addDays(-10));
    e.Try();
    e.AddCliente(3);
    e.setDescricao(QStringLiteral("Balancete"));
    e.setTipoArquivo(1);
    e.setVencimento(dia(15));
    e.setValor(1234.5);
    e.setAtivacao(dia(-5)); // before the clock's today, after the record's
    QString controle;
    e.Validar(QStringLiteral("b.pdf"), QString(), controle);
    EXPECT_FALSE(e.Validado()) << "the missing folder still fails";
    EXPECT_EQ(e.Vencimento(), QString());
    EXPECT_EQ(e.Valor(), 0.0);
    QString msg;
    ASSERT_TRUE(e.Catch(msg));
    EXPECT_TRUE(msg.startsWith(QStringLiteral("Selecione uma pasta"))) << "activation passed against Inicia's date";
}

} // namespace
