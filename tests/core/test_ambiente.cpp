#include "core/Folders.h"
#include "core/ModFuncs.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "platform/Clock.h"
#include "platform/Regional.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zv;
using core::Secao::Autenticacao;

namespace {
QString setting(const QString& section, const char* key)
{
    return core::Settings::read(section, QLatin1String(key));
}
} // namespace

TEST(Ambiente, FolderPlaceholdersHaveNoTrailingSeparatorExceptPastaBase)
{
    test::TempHome home;
    EXPECT_EQ(core::PastaEspecial(false), home.appData());
    EXPECT_EQ(core::PastaEspecial(true), home.appData() + QStringLiteral("/applications"));
    core::classAmbiente ambiente;
    EXPECT_EQ(ambiente.Sistema(), QStringLiteral("Zorvelanta Printer"));
    EXPECT_EQ(ambiente.PastaBase(), home.appData() + QStringLiteral("/ZorvelantaPrinter/"));
    EXPECT_EQ(core::Folders::daemon(), home.appData() + QStringLiteral("/ZorvelantaPrinter"));
}

TEST(Ambiente, FirstStartInMonitorModeRecordsTheVersionAndHasNoSession)
{
    test::TempHome home;
    core::classAmbiente ambiente;
    EXPECT_FALSE(ambiente.Inicia(true, QString()));
    EXPECT_TRUE(ambiente.Monitor());
    EXPECT_TRUE(ambiente.Dominio().isEmpty());
    EXPECT_TRUE(ambiente.Login().isEmpty());
    EXPECT_FALSE(ambiente.sessao().LogadoFlag);
    EXPECT_EQ(setting(core::Secao::Config, "MonAj"), QStringLiteral("1"));
    EXPECT_EQ(setting(core::Secao::Config, "MonIn"), QStringLiteral("0"));
    EXPECT_EQ(setting(core::Secao::Config, "MonEv"), QStringLiteral("1"));
    EXPECT_TRUE(setting(core::Secao::Config, "PubAj").isEmpty());
}

TEST(Ambiente, StoredSessionPastItsLengthIsNotRead)
{
    test::TempHome home;
    const QDateTime now(QDate(2026, 12, 11), QTime(12, 0));
    platform::Clock::set([now] { return now; });
    const auto store = [](const char* k, const QString& v) { core::Settings::write(Autenticacao, QLatin1String(k), v); };
    store("Dominio", QStringLiteral("DEMO"));
    store("Login", QStringLiteral("FINANCEIRO"));
    store("TLogin", QStringLiteral("1"));
    store("Admin", QStringLiteral("0"));
    store("LastLog", platform::Regional::generalDate(now.addSecs(-1801)));
    store("Sessao", QStringLiteral("123"));
    store("Login_ID", QStringLiteral("45"));

    core::classAmbiente ambiente;
    ambiente.Inicia(true, QString());
    EXPECT_EQ(ambiente.Dominio(), QStringLiteral("DEMO"));
    EXPECT_EQ(ambiente.TLogin(), 1);
    EXPECT_EQ(ambiente.sessao().lngSessao, 0);
    EXPECT_EQ(ambiente.sessao().lngLogin_ID, 0);
    EXPECT_FALSE(ambiente.sessao().LogadoFlag);
}

TEST(Ambiente, PublishingModeAcceptsOnlyAnExistingDocument)
{
    test::TempHome home;
    const QString doc = home.writeFile(QStringLiteral("print/Relatório.Final.PDF"), "%PDF-1.4");
    {
        core::classAmbiente ambiente;
        const QString padded = QStringLiteral("  ") + doc + QStringLiteral(" ");
        EXPECT_TRUE(ambiente.Inicia(false, padded));
        EXPECT_EQ(ambiente.Tipo(), QStringLiteral("pdf"));
        EXPECT_EQ(ambiente.arquivo(), doc);
        EXPECT_EQ(setting(core::Secao::Config, "PubAj"), QStringLiteral("1"));
    }
    // The environment takes its current document with it when it ends.
    EXPECT_FALSE(QFile::exists(doc));

    struct Case { QString path; const char* message; };
    for (const Case& c : {Case{QStringLiteral("   "), "Erro na transferência da Impressão!"},
                          Case{home.path() + QStringLiteral("/nada.pdf"), "Erro no acesso da Impressão!"}}) {
        core::classAmbiente ambiente;
        EXPECT_FALSE(ambiente.Inicia(false, c.path));
        EXPECT_EQ(ambiente.Erro(), QString::fromUtf8(c.message));
        EXPECT_TRUE(ambiente.arquivo().isEmpty());
    }
}

TEST(Ambiente, FileListKeepsAnEmptyFirstEntry)
{
    test::TempHome home;
    core::classAmbiente ambiente;
    ambiente.LimpaListaArquivos();
    ambiente.AddListaArquivos(QStringLiteral("a.pdf"));
    ambiente.AddListaArquivos(QStringLiteral("b.pdf"));
    EXPECT_EQ(ambiente.ListaArquivos(), (QStringList{QString(), "a.pdf", "b.pdf"}));
    ambiente.LimpaListaArquivos();
    EXPECT_EQ(ambiente.ListaArquivos(), QStringList{QString()});
}
