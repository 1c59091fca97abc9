// The login session against the loopback portal: the exact requests, the
// stored keys shared with the sibling programs, confirmation, expiry and
// every kind of bad answer.
#include "core/ErrorTrap.h"
#include "core/Folders.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/DialogService.h"
#include "platform/ErrorNumbers.h"
#include "platform/Regional.h"
#include "support/LoopbackPortal.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <QDirIterator>

using namespace zv;
using core::classAmbiente;

namespace {

const QString kLogin = QStringLiteral("printer/printer_login_b.asp");
const QString kConfirma = QStringLiteral("printer/printer_login_conf_b.asp");
const QString kAlcance = QStringLiteral("printer/printer_login.asp");

QString stored(const char* key, const QString& padrao = QStringLiteral("<missing>"))
{
    return core::Settings::read(core::Secao::Autenticacao, QLatin1String(key), padrao);
}

void store(const char* key, const QString& value)
{
    core::Settings::write(core::Secao::Autenticacao, QLatin1String(key), value);
}

using test::crlf;

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Clock::set([this] { return agora; });
    }

    QString hoje() const { return platform::Regional::shortDate(agora.date()); }

    QStringList loginLines(const QString& data = {}) const
    {
        return {QStringLiteral("Zorvelanta Printer"), QStringLiteral("4711"), QStringLiteral("x"),
                QStringLiteral("Maria Souza"), QStringLiteral("ftp.exemplo"), QStringLiteral("ftpuser"),
                QStringLiteral("ftpsenha"), QStringLiteral("Escritório Central"), QStringLiteral("33"),
                QStringLiteral("21"), QStringLiteral("logo21.gif"), data.isEmpty() ? hoje() : data,
                QStringLiteral("0"), QStringLiteral("gif"), QStringLiteral("2")};
    }

    QByteArray confirmAnswer(const QString& data = {}) const
    {
        return crlf({QStringLiteral("Zorvelanta Printer"), data.isEmpty() ? hoje() : data,
                     QStringLiteral("ftp2.exemplo"), QStringLiteral("u2"), QStringLiteral("s2")});
    }

    // Logs in through the portal and leaves the record empty.
    void logIn(classAmbiente& a, qint16 tlogin = 5)
    {
        portal.setAnswer(kLogin, crlf(loginLines()));
        portal.setAnswer(kConfirma, confirmAnswer());
        ASSERT_TRUE(a.Autentica(QStringLiteral("esc"), QStringLiteral("maria"), QStringLiteral("pw"), tlogin));
        ASSERT_TRUE(a.Logado()); // confirms the new "LastLog"
        portal.clear();
    }

    test::TempHome home;
    test::LoopbackPortal portal;
    platform::ScriptedDialogs dialogs;
    QDateTime agora{QDate(2026, 12, 11), QTime(10, 0, 0)};
};

} // namespace

TEST_F(SessionTest, LoginSendsTrimmedUpperCaseNamesAndThePasswordIntactAndStoresTheSession)
{
    const QString senha = QStringLiteral("Ab&c d+e#f%|\"ç");
    portal.setAnswer(kLogin, crlf(loginLines()));
    classAmbiente a;
    a.Inicia(true, QString());
    a.MensagemErro = QStringLiteral("falha anterior");

    ASSERT_TRUE(a.Autentica(QStringLiteral("  escritório x "), QStringLiteral(" maria "),
                            QStringLiteral(" ") + senha + QStringLiteral(" "), 5));
    EXPECT_EQ(portal.targets(),
              QStringList{QStringLiteral("/printer/printer_login_b.asp?log=MARIA"
                                         "&psw=Ab%26c%20d%2Be%23f%25|\"%E7&dom=ESCRIT%D3RIO%20X")});
    EXPECT_EQ(a.Erro(), QStringLiteral("falha anterior"));

    const struct {
        const char* key;
        QString value;
    } keys[] = {
        {"Sessao", QStringLiteral("4711")}, {"Dominio", QStringLiteral("ESCRITÓRIO X")},
        {"Login", QStringLiteral("MARIA")}, {"Login_ID", QStringLiteral("33")},
        {"Admin", QStringLiteral("2")}, {"Escritorio_ID", QStringLiteral("21")},
        {"Escritorio", QStringLiteral("Escritório Central")}, {"TLogin", QStringLiteral("5")},
        {"LastLog", QStringLiteral("11/12/2026 10:00:00")}, {"Usuario", QStringLiteral("Maria Souza")},
        {"Logo", QStringLiteral("logo21.gif")}, {"TpLogo", QStringLiteral("gif")},
    };
    for (const auto& k : keys)
        EXPECT_EQ(stored(k.key), k.value) << k.key;

    const core::SessaoPortal& s = a.sessao();
    EXPECT_TRUE(s.LogadoFlag);
    EXPECT_EQ(s.lngSessao, 4711);
    EXPECT_EQ(s.lngLogin_ID, 33);
    EXPECT_EQ(s.lngID_Contador, 21);
    EXPECT_EQ(s.lngAdmin, 2);
    EXPECT_EQ(s.ServidorFtp, QStringLiteral("ftp.exemplo"));
    EXPECT_EQ(s.SenhaFtp, QStringLiteral("ftpsenha"));
    EXPECT_EQ(s.DuracaoSegundos, 604800);
    EXPECT_EQ(s.ValidadeSessao, agora.addSecs(604800));
    EXPECT_EQ(a.TLogin(), 0); // left for the confirmation to read back
    EXPECT_FALSE(s.bDebug);

    // The password is neither stored nor kept in the record of the last URL.
    EXPECT_FALSE(a.UltimaURL.contains(QStringLiteral("Ab%26c")));
    QDirIterator files(home.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QByteArray content = test::readAll(files.next());
        EXPECT_FALSE(content.contains("Ab&c")) << files.filePath().toStdString();
        EXPECT_FALSE(content.contains("Ab%26c")) << files.filePath().toStdString();
    }
}

TEST_F(SessionTest, NextLogadoConfirmsTheNewLoginOnceThenAnswersFromTheConfirmedState)
{
    classAmbiente a;
    a.Inicia(true, QString());
    portal.setAnswer(kLogin, crlf(loginLines()));
    portal.setAnswer(kConfirma, confirmAnswer());
    ASSERT_TRUE(a.Autentica(QStringLiteral("esc"), QStringLiteral("maria"), QStringLiteral("pw"), 2));
    portal.clear();
    portal.setAnswer(kConfirma, confirmAnswer());

    agora = agora.addSecs(5);
    EXPECT_TRUE(a.Logado());
    EXPECT_EQ(portal.targets(), QStringList{QStringLiteral("/printer/printer_login_conf_b.asp?s=4711&l=33")});
    EXPECT_EQ(a.TLogin(), 2);
    EXPECT_EQ(a.sessao().ServidorFtp, QStringLiteral("ftp2.exemplo"));
    EXPECT_EQ(stored("LastLog"), QStringLiteral("11/12/2026 10:00:05"));

    agora = agora.addSecs(60);
    EXPECT_TRUE(a.Logado());
    EXPECT_TRUE(a.Logado());
    EXPECT_EQ(portal.targets().size(), 1);
}

TEST_F(SessionTest, RefusedLoginClearsTheStoredSessionWithTheRightSentence)
{
    QStringList offDate = loginLines(platform::Regional::shortDate(agora.date().addDays(1)));
    const struct {
        const char* name;
        QByteArray answer; // empty: page not served (an HTML error page)
        QString message;
    } cases[] = {
        {"portal code", crlf({QStringLiteral("1"), QStringLiteral("Senha inválida para o domínio")}),
         QStringLiteral("Senha inválida para o domínio")},
        {"code with two lines", crlf({QStringLiteral("3"), QStringLiteral("Usuário"), QStringLiteral("bloqueado")}),
         QStringLiteral("Usuário\r\nbloqueado")},
        {"html error page", QByteArray(), QStringLiteral("Login Incorreto!")},
        {"other text", "Servidor ocupado", QStringLiteral("Login Incorreto!")},
        {"portal date one day off", crlf(offDate), QStringLiteral("Data do computador divergente!")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        portal.clear();
        if (!c.answer.isEmpty())
            portal.setAnswer(kLogin, c.answer);
        store("Sessao", QStringLiteral("77"));
        store("Login_ID", QStringLiteral("78"));
        classAmbiente a;
        a.Inicia(true, QString());
        EXPECT_FALSE(a.Autentica(QStringLiteral("esc"), QStringLiteral("maria"), QStringLiteral("pw"), 1));
        EXPECT_EQ(a.Erro(), c.message);
        EXPECT_EQ(stored("Sessao"), QString());
        EXPECT_EQ(stored("Login_ID"), QString());
        EXPECT_EQ(a.sessao().lngSessao, 0);
        EXPECT_EQ(a.sessao().lngLogin_ID, 0);
        EXPECT_FALSE(a.Logado());
        EXPECT_EQ(portal.targets().size(), 1);
    }
}

TEST_F(SessionTest, LoginWithoutAPortalAnswersIncorrectLogin)
{
    QString closed;
    {
        test::LoopbackPortal gone;
        closed = gone.baseUrl();
    }
    qputenv("ZORVELANTA_PORTAL", closed.toLatin1());
    classAmbiente a;
    a.Inicia(true, QString());
    EXPECT_FALSE(a.Autentica(QStringLiteral("esc"), QStringLiteral("maria"), QStringLiteral("pw"), 1));
    EXPECT_EQ(a.Erro(), QStringLiteral("Login Incorreto!"));
    EXPECT_FALSE(a.sessao().TemInternet);
}

TEST_F(SessionTest, BrokenLoginAnswerFailsTowardsTheCallerWithNoSessionLeft)
{
    QStringList shortAnswer = loginLines();
    shortAnswer.removeLast();
    QStringList badNumber = loginLines();
    badNumber[1] = QStringLiteral("abc");
    QStringList badDate = loginLines(QStringLiteral("31/02/2026"));
    QStringList badAdmin = loginLines();
    badAdmin[14] = QString();
    const struct {
        const char* name;
        QStringList lines;
        int number;
    } cases[] = {
        {"14 lines", shortAnswer, platform::kErrSubscript},
        {"session not a number", badNumber, platform::kErrTypeMismatch},
        {"date that does not exist", badDate, platform::kErrTypeMismatch},
        {"empty administrator value", badAdmin, platform::kErrTypeMismatch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        portal.setAnswer(kLogin, crlf(c.lines));
        store("Sessao", QStringLiteral("77"));
        classAmbiente a;
        a.Inicia(true, QString());
        try {
            a.Autentica(QStringLiteral("esc"), QStringLiteral("maria"), QStringLiteral("pw"), 1);
            ADD_FAILURE() << "no failure raised";
        } catch (const platform::Failure& f) {
            EXPECT_EQ(f.number(), c.number);
        }
        EXPECT_EQ(stored("Sessao"), QString());
        EXPECT_EQ(stored("Login_ID"), QString());
        EXPECT_EQ(a.sessao().lngSessao, 0);
        EXPECT_FALSE(a.sessao().LogadoFlag);
        EXPECT_FALSE(a.Logado());
    }

    // The login window's trap reports it and goes on.
    classAmbiente a;
    a.Inicia(true, QString());
    core::ErrorTrap trap(QStringLiteral("frmLogin"), QStringLiteral("cmdEntrar_Click"));
    EXPECT_FALSE(trap([&] { a.Autentica(QStringLiteral("e"), QStringLiteral("l"), QStringLiteral("p"), 1); }));
    EXPECT_EQ(trap.failures(), 1);
}

TEST_F(SessionTest, SessionStoredByAnotherProgramIsConfirmedOnce)
{
    classAmbiente a;
    a.Inicia(true, QString());
    store("Sessao", QStringLiteral("900"));
    store("Login_ID", QStringLiteral("55"));
    store("Usuario", QStringLiteral("João"));
    store("Escritorio_ID", QStringLiteral("8"));
    store("Escritorio", QStringLiteral("Outro"));
    store("TLogin", QStringLiteral("3"));
    portal.setAnswer(kConfirma, confirmAnswer());

    EXPECT_FALSE(a.Logado());
    EXPECT_EQ(portal.targets(), QStringList{QStringLiteral("/printer/printer_login_conf_b.asp?s=900&l=55")});
    EXPECT_EQ(portal.requestHeaders().front().value(QStringLiteral("User-Agent")), QStringLiteral("Zorvelanta Printer"));
    EXPECT_TRUE(a.Logado());
    EXPECT_EQ(portal.targets().size(), 1);
    EXPECT_EQ(a.Usuario(), QStringLiteral("João"));
    EXPECT_EQ(a.Escritorio(), QStringLiteral("Outro"));
    EXPECT_EQ(a.sessao().lngID_Contador, 8);
    EXPECT_EQ(a.TLogin(), 3);
    EXPECT_EQ(a.sessao().UsuarioFtp, QStringLiteral("u2"));
}

TEST_F(SessionTest, ConfirmationRefusalsAndUnusableAnswers)
{
    const QString offDay = platform::Regional::shortDate(agora.date().addDays(-1));
    const struct {
        const char* name;
        QByteArray answer;
        QString message;     // MensagemErro after the call
        QString sessao;      // stored "Sessao" after the call
        bool debug;
        int boxes;
    } cases[] = {
        {"refused with 2", crlf({QStringLiteral("2"), QStringLiteral("Sessão encerrada pelo portal")}),
         QStringLiteral("Sessão encerrada pelo portal"), QStringLiteral("900"), false, 0},
        {"portal date off", confirmAnswer(offDay), QStringLiteral("Data do computador divergente!"), QString(), false, 0},
        {"too few lines", crlf({QStringLiteral("Zorvelanta Printer"), QStringLiteral("11/12/2026")}),
         QStringLiteral("antes"), QStringLiteral("900"), false, 0},
        {"date that does not read", confirmAnswer(QStringLiteral("amanhã")), QStringLiteral("antes"),
         QStringLiteral("900"), false, 0},
        {"error page, debug off", "<html>500</html>", QStringLiteral("antes"), QStringLiteral("900"), false, 0},
        {"error page, debug on", "<html>500</html>", QStringLiteral("antes"), QStringLiteral("900"), true, 1},
        {"code without its sentence", "1", QStringLiteral("antes"), QStringLiteral("900"), false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.clear();
        portal.clear();
        portal.setAnswer(kConfirma, c.answer);
        store("Sessao", QStringLiteral("900"));
        store("Login_ID", QStringLiteral("55"));
        classAmbiente a;
        a.Inicia(true, QString());
        a.sessao().bDebug = c.debug;
        a.MensagemErro = QStringLiteral("antes");
        EXPECT_FALSE(a.Logado()); // takes the stored session and confirms it
        EXPECT_FALSE(a.sessao().LogadoFlag);
        EXPECT_EQ(a.Erro(), c.message);
        EXPECT_EQ(stored("Sessao"), c.sessao);
        EXPECT_EQ(dialogs.boxes().size(), c.boxes);
        if (c.boxes) {
            EXPECT_EQ(dialogs.boxes().front().text, QStringLiteral("Erro:\r\n<html>500</html>"));
            EXPECT_EQ(dialogs.boxes().front().title, QStringLiteral("Zorvelanta Printer"));
        }
        EXPECT_EQ(portal.targets().size(), 1);
    }
}

TEST_F(SessionTest, LogOffKeepsTheNamesAndNeedsNoRequest)
{
    classAmbiente a;
    a.Inicia(true, QString());
    logIn(a);
    a.LogOff();
    EXPECT_EQ(stored("Sessao"), QStringLiteral("0"));
    EXPECT_EQ(stored("Login_ID"), QStringLiteral("0"));
    EXPECT_EQ(stored("Dominio"), QStringLiteral("ESC"));
    EXPECT_EQ(stored("Login"), QStringLiteral("MARIA"));
    EXPECT_FALSE(a.Logado());
    EXPECT_FALSE(a.Logado());
    EXPECT_TRUE(portal.targets().isEmpty());
}

TEST_F(SessionTest, ExpiredSessionInMonitorModeLastsThirtyMonthsMore)
{
    classAmbiente a;
    a.Inicia(true, QString());
    logIn(a, 1); // 30 minutes, confirmed at 10:00:00
    const QDateTime validade = a.sessao().ValidadeSessao;
    ASSERT_EQ(validade, agora.addSecs(1800));
    const struct {
        QDateTime at;
        bool logado;
    } cases[] = {
        {validade.addSecs(-1), true},
        {validade.addSecs(3600), true},
        {validade.addMonths(30).addSecs(-1), true},
        {validade.addMonths(30), false},
        {validade.addMonths(31), false},
    };
    for (const auto& c : cases) {
        agora = c.at;
        a.MensagemErro.clear();
        EXPECT_EQ(a.Logado(), c.logado) << c.at.toString().toStdString();
        EXPECT_EQ(a.Erro(), c.logado ? QString() : QStringLiteral("Login expirado!"));
    }
    EXPECT_TRUE(portal.targets().isEmpty());
}

TEST_F(SessionTest, PublishingModeLogsInWithAWorkingCopyAndNeverExpires)
{
    const QString printed = home.writeFile(QStringLiteral("impressos/Nota #1.pdf"), "%PDF-1.4");
    classAmbiente a;
    ASSERT_TRUE(a.Inicia(false, printed));
    logIn(a, 1);
    EXPECT_EQ(a.arquivo(), core::Folders::proc() + QStringLiteral("/Nota _1.pdf"));
    EXPECT_EQ(test::readAll(a.arquivo()), QByteArray("%PDF-1.4"));
    agora = agora.addMonths(40);
    EXPECT_TRUE(a.Logado());
}

TEST_F(SessionTest, FailedWorkingCopyRefusesTheLoginWithItsOwnSentence)
{
    const QString printed = home.writeFile(QStringLiteral("impressos/doc.pdf"), "%PDF");
    classAmbiente a;
    ASSERT_TRUE(a.Inicia(false, printed));
    QFile::remove(printed); // gone before the copy
    portal.setAnswer(kLogin, crlf(loginLines()));
    EXPECT_FALSE(a.Autentica(QStringLiteral("esc"), QStringLiteral("maria"), QStringLiteral("pw"), 1));
    EXPECT_EQ(a.Erro(), QStringLiteral("Não foi possível capturar a impressão!"));
    EXPECT_EQ(stored("Sessao"), QString());
    EXPECT_FALSE(a.sessao().LogadoFlag);
}

TEST_F(SessionTest, InternetCountsAnAnswerBeginningWithZero)
{
    const struct {
        QByteArray answer;
        bool reachable;
    } cases[] = {{"0", true}, {"0\r\nok", true}, {"1", false}, {"", false}, {" 0", false}};
    classAmbiente a;
    for (const auto& c : cases) {
        portal.clear();
        portal.setAnswer(kAlcance, c.answer);
        EXPECT_EQ(a.Internet(), c.reachable) << c.answer.toStdString();
        EXPECT_EQ(a.sessao().TemInternet, c.reachable);
        EXPECT_EQ(portal.targets(), QStringList{QStringLiteral("/printer/printer_login.asp")});
    }
}

TEST_F(SessionTest, StartUpConfirmsAStoredSessionStillWithinItsLength)
{
    const struct {
        const char* name;
        qint64 lastLogAgo; // seconds before now
        QByteArray answer;
        int requests;
        bool logado;
        QString sessao, loginId; // stored afterwards
    } cases[] = {
        {"valid, confirmed", 1700, confirmAnswer(), 1, true, QStringLiteral("321"), QStringLiteral("12")},
        {"valid, refused with 2", 1700, crlf({QStringLiteral("2"), QStringLiteral("Sessão expirada")}), 1,
         false, QStringLiteral("321"), QStringLiteral("12")},
        {"valid, portal date off",
         1700, confirmAnswer(platform::Regional::shortDate(agora.date().addDays(2))), 1, false, QString(), QString()},
        {"exactly at its length", 1800, confirmAnswer(), 1, true, QStringLiteral("321"), QStringLiteral("12")},
        {"past its length", 1801, confirmAnswer(), 0, false, QStringLiteral("321"), QStringLiteral("12")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        portal.clear();
        portal.setAnswer(kConfirma, c.answer);
        store("Sessao", QStringLiteral("321"));
        store("Login_ID", QStringLiteral("12"));
        store("TLogin", QStringLiteral("1"));
        store("Admin", QStringLiteral("0"));
        store("Escritorio_ID", QStringLiteral("21"));
        store("LastLog", platform::Regional::generalDate(agora.addSecs(-c.lastLogAgo)));
        classAmbiente a;
        EXPECT_FALSE(a.Inicia(true, QString()));
        EXPECT_EQ(a.sessao().LogadoFlag, c.logado);
        EXPECT_EQ(portal.targets().size(), c.requests);
        if (c.requests) {
            EXPECT_EQ(portal.targets().front(), QStringLiteral("/printer/printer_login_conf_b.asp?s=321&l=12"));
        }
        EXPECT_EQ(stored("Sessao"), c.sessao);
        EXPECT_EQ(stored("Login_ID"), c.loginId);
    }
}

TEST(DuracaoSessao, CodesToSeconds)
{
    const std::pair<qint16, qint32> cases[] = {{1, 1800}, {2, 3600}, {3, 14400}, {4, 86400},
                                              {5, 604800}, {0, 0}, {6, 0}, {-1, 0}};
    for (const auto& [code, seconds] : cases)
        EXPECT_EQ(core::SessaoPortal::DuracaoSessao(code), seconds) << code;
}
