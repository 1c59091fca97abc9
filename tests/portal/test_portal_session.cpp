// Login, confirmation and reachability as the daemon meets them.
#include "portal/PortalProcess.h"
#include "support/TempHome.h"

#include <QDate>
#include <QFile>

#include <gtest/gtest.h>

#include <thread>

using zv::test::PortalProcess;

namespace {

const QString kSistema = QStringLiteral("Zorvelanta Printer");
const std::string kLogin = "/printer/printer_login_b.asp?";

QString today() { return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")); }

} // namespace

TEST(PortalSession, LoginAnswersFifteenLinesForTheDemoOffice)
{
    zv::test::TempHome home;
    PortalProcess portal(home.path() + QStringLiteral("/portal"));
    ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();

    // Domain and login arrive in upper case from the daemon, but the portal
    // does not care; the password's case matters.
    for (const char* query : {"log=FINANCEIRO&psw=demo&dom=DEMO", "dom=demo&log=financeiro&psw=demo"}) {
        const QStringList login = portal.lines(kLogin + query);
        ASSERT_EQ(login.size(), 15) << query;
        EXPECT_EQ(login[0], kSistema);
        bool numeric = false;
        EXPECT_GT(login[1].toLongLong(&numeric), 0);
        EXPECT_TRUE(numeric);
        EXPECT_EQ(login[3], QStringLiteral("financeiro"));
        EXPECT_EQ(login[7], QStringLiteral("Escritório Contábil Demonstração"));
        EXPECT_EQ(login[8], QStringLiteral("101"));
        EXPECT_EQ(login[9], QStringLiteral("57"));
        EXPECT_EQ(login[10], QStringLiteral("logo.bmp"));
        EXPECT_EQ(login[11], today());
        EXPECT_EQ(login[12], QStringLiteral("0"));
        EXPECT_EQ(login[14], QStringLiteral("1"));
    }
    const QStringList first = portal.lines(kLogin + std::string("log=FINANCEIRO&psw=demo&dom=DEMO"));
    const QStringList second = portal.lines(kLogin + std::string("log=FINANCEIRO&psw=demo&dom=DEMO"));
    EXPECT_NE(first[1], second[1]) << "each login opens its own session";
}

TEST(PortalSession, LoginRefusalsAreADigitAndASentence)
{
    zv::test::TempHome home;
    PortalProcess portal(home.path() + QStringLiteral("/portal"));
    ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();
    struct Case {
        const char* query;
        const char* code;
        const char* sentence;
    } const cases[] = {
        {"log=FINANCEIRO&psw=DEMO&dom=DEMO", "2", "Usuário ou senha inválidos!"},
        {"log=FINANCEIRO&psw=demo%20&dom=DEMO", "2", "Usuário ou senha inválidos!"},
        {"log=NINGUEM&psw=demo&dom=DEMO", "2", "Usuário ou senha inválidos!"},
        {"log=FINANCEIRO&psw=demo&dom=OUTRO", "1", "Domínio não cadastrado!"},
        {"log=FINANCEIRO&psw=demo&dom=VAZIO", "2", "Usuário ou senha inválidos!"},
        {"log=ANTIGO&psw=demo&dom=VAZIO", "3", "Usuário bloqueado! Procure o administrador do escritório."},
        {"log=FINANCEIRO&psw=&dom=DEMO", "0", "Informe o domínio, o usuário e a senha!"},
        {"log=FINANCEIRO&dom=DEMO", "0", "Informe o domínio, o usuário e a senha!"},
        {"", "0", "Informe o domínio, o usuário e a senha!"},
    };
    for (const Case& c : cases) {
        // The daemon shows everything after the first line break, so the
        // sentence must be the whole rest of the answer.
        const QStringList answer = portal.lines(kLogin + c.query);
        ASSERT_EQ(answer.size(), 2) << c.query;
        EXPECT_EQ(answer[0], QLatin1String(c.code)) << c.query;
        EXPECT_EQ(answer[1], QString::fromUtf8(c.sentence)) << c.query;
        EXPECT_EQ(portal.lastStatus(), 200) << c.query;
    }
}

TEST(PortalSession, ConfirmationAcceptsLiveSessionsOnlyAndSurvivesARestart)
{
    zv::test::TempHome home;
    const QString data = home.path() + QStringLiteral("/portal");
    std::string session;
    {
        PortalProcess portal(data);
        ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();
        session = portal.demoSession();
        ASSERT_FALSE(session.empty());
    }
    PortalProcess portal(data);
    ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();
    const std::string page = "/printer/printer_login_conf_b.asp?";
    EXPECT_EQ(portal.lines(page + session),
              (QStringList{kSistema, today(), QStringLiteral("127.0.0.1"), QStringLiteral("demo"),
                           QStringLiteral("demo")}));

    const std::string number = session.substr(2, session.find('&') - 2);
    struct Case {
        std::string query;
        const char* code;
        const char* sentence;
    } const cases[] = {
        {"s=" + number + "&l=102", "1", "Sessão inválida! Faça o login novamente."},
        {"s=1&l=101", "1", "Sessão inválida! Faça o login novamente."},
        {"s=" + number, "0", "Sessão não informada!"},
        {"s=abc&l=101", "0", "Sessão não informada!"},
        {"", "0", "Sessão não informada!"},
    };
    for (const Case& c : cases) {
        const QStringList answer = portal.lines(page + c.query);
        ASSERT_GE(answer.size(), 2) << c.query;
        EXPECT_EQ(answer[0], QLatin1String(c.code)) << c.query;
        EXPECT_EQ(answer[1], QString::fromUtf8(c.sentence)) << c.query;
    }
}

TEST(PortalSession, SessionsExpireWhenUnusedForTheirLifetime)
{
    zv::test::TempHome home;
    PortalProcess portal(home.path() + QStringLiteral("/portal"),
                         {QStringLiteral("--session-lifetime"), QStringLiteral("1")});
    ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();
    const std::string session = portal.demoSession();
    EXPECT_EQ(portal.lines("/printer/printer_login_conf_b.asp?" + session).value(0), kSistema);
    std::this_thread::sleep_for(std::chrono::milliseconds(2200));
    for (const char* page : {"/printer/printer_login_conf_b.asp?", "/printer/sincroniza.asp?",
                             "//printer/consulta_b.asp?", "/printer/espaco_b.asp?"}) {
        const QStringList answer = portal.lines(page + session);
        EXPECT_EQ(answer, (QStringList{QStringLiteral("2"),
                                       QStringLiteral("Sessão expirada! Faça o login novamente.")}))
            << page;
    }
}

TEST(PortalSession, ReportsTheDateItIsToldToAndIsAlwaysReachable)
{
    zv::test::TempHome home;
    PortalProcess portal(home.path() + QStringLiteral("/portal"),
                         {QStringLiteral("--date-offset"), QStringLiteral("1")});
    ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();
    const QString tomorrow = QDate::currentDate().addDays(1).toString(QStringLiteral("dd/MM/yyyy"));
    EXPECT_EQ(portal.lines(kLogin + std::string("log=FINANCEIRO&psw=demo&dom=DEMO")).value(11), tomorrow);
    EXPECT_EQ(portal.lines("/printer/printer_login_conf_b.asp?" + portal.demoSession()).value(1), tomorrow);
    EXPECT_TRUE(portal.get("/printer/printer_login.asp").startsWith('0'));
}
