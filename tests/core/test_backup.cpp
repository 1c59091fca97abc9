// The backup object: the address it builds for a session, its file counter
// and its place in the environment object.
#include "core/classAmbiente.h"
#include "core/classBackup.h"
#include "platform/ErrorNumbers.h"
#include "support/LoopbackPortal.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <limits>

using namespace zv;
using core::classBackup;

namespace zv::core {
// The environment's two backup operations, which no code of the program calls.
struct AcessoBackup {
    static void inicia(classAmbiente& a) { a.Backup_Iniciar(); }
    static void finaliza(classAmbiente& a) { a.Backup_Finalizar(); }
};
} // namespace zv::core

namespace {

struct CasoEndereco {
    const char* nome;
    const char* base;
    qint32 login;
    qint32 sessao;
    const char* esperado;
};

class EnderecoBackup : public ::testing::TestWithParam<CasoEndereco> {};

TEST_P(EnderecoBackup, NamesTheSessionInDecimalAfterTheBaseUrl)
{
    const CasoEndereco& c = GetParam();
    classBackup b;
    b.Inicia_Classe(QString::fromLatin1(c.base), c.login, c.sessao);
    EXPECT_TRUE(b.urlRequisicao().isEmpty());
    b.Backup();
    EXPECT_EQ(b.urlRequisicao(), QString::fromLatin1(c.esperado));
    EXPECT_EQ(b.urlBase(), QString::fromLatin1(c.base));
    EXPECT_EQ(b.idLogin(), c.login);
    EXPECT_EQ(b.sessao(), c.sessao);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, EnderecoBackup,
    ::testing::Values(
        CasoEndereco{"portal", "http://portal.zorvelanta.com.br/", 12, 345,
                     "http://portal.zorvelanta.com.br/printer/printer_login_conf.asp?s=345&l=12"},
        CasoEndereco{"maiorSessao", "http://127.0.0.1:8080/", 7, std::numeric_limits<qint32>::max(),
                     "http://127.0.0.1:8080/printer/printer_login_conf.asp?s=2147483647&l=7"},
        CasoEndereco{"loginNegativo", "https://p/", -5, 0, "https://p/printer/printer_login_conf.asp?s=0&l=-5"},
        CasoEndereco{"semInicio", "", 0, 0, "printer/printer_login_conf.asp?s=0&l=0"}),
    [](const ::testing::TestParamInfo<CasoEndereco>& info) { return std::string(info.param.nome); });

TEST(ContadorBackup, EndsAtOnceSinceNoFileTotalIsSet)
{
    classBackup b;
    b.Inicio();
    EXPECT_EQ(b.totalArquivos(), 0);
    EXPECT_TRUE(b.Fim());
    b.Proximo();
    EXPECT_EQ(b.contador(), 1);
    EXPECT_FALSE(b.Fim());
    b.Inicio();
    EXPECT_EQ(b.contador(), 0);
    EXPECT_TRUE(b.Fim());
}

TEST(ContadorBackup, GoingPastTheLargestCountFailsWithOverflowAndKeepsTheCount)
{
    classBackup b;
    b.Inicio();
    for (int i = 0; i < std::numeric_limits<qint16>::max(); ++i)
        ASSERT_NO_THROW(b.Proximo()) << "call " << i + 1;
    EXPECT_EQ(b.contador(), std::numeric_limits<qint16>::max());
    try {
        b.Proximo();
        FAIL() << "the 32768th call must fail";
    } catch (const platform::Failure& f) {
        EXPECT_EQ(f.number(), platform::kErrOverflow);
    }
    EXPECT_EQ(b.contador(), std::numeric_limits<qint16>::max());
    EXPECT_FALSE(b.Fim());
    b.Inicio();
    EXPECT_TRUE(b.Fim());
}

TEST(AmbienteBackup, HoldsAtMostOneObjectForTheSessionOfItsCreation)
{
    test::TempHome home;
    test::LoopbackPortal portal;
    core::classAmbiente ambiente;
    EXPECT_EQ(ambiente.objBackup(), nullptr);

    ambiente.sessao().lngSessao = 345;
    ambiente.sessao().lngLogin_ID = 12;
    core::AcessoBackup::inicia(ambiente);
    ASSERT_NE(ambiente.objBackup(), nullptr);
    EXPECT_EQ(ambiente.objBackup()->urlBase(), portal.baseUrl());
    EXPECT_EQ(ambiente.objBackup()->sessao(), 345);
    EXPECT_EQ(ambiente.objBackup()->idLogin(), 12);
    ambiente.objBackup()->Backup();
    EXPECT_EQ(ambiente.objBackup()->urlRequisicao(),
              portal.baseUrl() + QStringLiteral("printer/printer_login_conf.asp?s=345&l=12"));

    // A second creation replaces the first: a new session, a fresh object.
    ambiente.sessao().lngSessao = 346;
    core::AcessoBackup::inicia(ambiente);
    ASSERT_NE(ambiente.objBackup(), nullptr);
    EXPECT_EQ(ambiente.objBackup()->sessao(), 346);
    EXPECT_TRUE(ambiente.objBackup()->urlRequisicao().isEmpty());

    core::AcessoBackup::finaliza(ambiente);
    EXPECT_EQ(ambiente.objBackup(), nullptr);
    core::AcessoBackup::finaliza(ambiente);
    EXPECT_EQ(ambiente.objBackup(), nullptr);
    // Building the address sent nothing to the portal.
    EXPECT_TRUE(portal.targets().isEmpty());
}

} // namespace
