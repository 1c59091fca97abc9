// AbreURL against the loopback portal: the exact target on the wire, the
// request headers, the whole body whatever its size or status, and the
// empty answer of a request that cannot be made.
#include "support/LoopbackPortal.h"
#include "support/TempHome.h"
#include "platform/Cp1252.h"
#include "transport/classURL.h"

#include <gtest/gtest.h>

#include <memory>

using zv::test::LoopbackPortal;
using zv::transport::classURL;

namespace {

class AbreURLTest : public ::testing::Test {
protected:
    zv::test::TempHome home;
    LoopbackPortal portal;
    classURL url;
};

} // namespace

TEST_F(AbreURLTest, SendsTheTargetExactlyAsWritten)
{
    portal.setAnswer(QStringLiteral("printer/printer_login_b.asp"), "ok");
    portal.setAnswer(QStringLiteral("/printer/publica_b_novo.asp"), "ok");
    const struct {
        QString path;
        QString target;
    } cases[] = {
        {QStringLiteral("printer/printer_login_b.asp?log=JOAO&psw=a%26b|\"{x}^'&dom=ESC"),
         QStringLiteral("/printer/printer_login_b.asp?log=JOAO&psw=a%26b|\"{x}^'&dom=ESC")},
        {QStringLiteral("/printer/publica_b_novo.asp?s=1&l=2&t=../x"),
         QStringLiteral("//printer/publica_b_novo.asp?s=1&l=2&t=../x")},
        {QStringLiteral("printer/printer_login_b.asp?psw=<a>[b]\\c`d;e,f@g!h*i$j:k/l?m="),
         QStringLiteral("/printer/printer_login_b.asp?psw=<a>[b]\\c`d;e,f@g!h*i$j:k/l?m=")},
        {QStringLiteral("printer/printer_login_b.asp?log=ação do"),
         QStringLiteral("/printer/printer_login_b.asp?log=a%E7%E3o%20do")},
    };
    QStringList expected;
    for (const auto& c : cases) {
        EXPECT_EQ(url.AbreURL(portal.baseUrl() + c.path), QStringLiteral("ok")) << c.path.toStdString();
        expected << c.target;
    }
    EXPECT_EQ(portal.targets(), expected);
}

TEST_F(AbreURLTest, AsksDirectlyForAFreshCopyUnderItsOwnName)
{
    // A proxy named by the environment must not be consulted.
    qputenv("http_proxy", "http://127.0.0.1:9/");
    qputenv("HTTP_PROXY", "http://127.0.0.1:9/");
    portal.setAnswer(QStringLiteral("printer/printer_login.asp"), "0");
    const QString answer = url.AbreURL(portal.baseUrl() + QStringLiteral("printer/printer_login.asp"));
    qunsetenv("http_proxy");
    qunsetenv("HTTP_PROXY");
    EXPECT_EQ(answer, QStringLiteral("0"));
    ASSERT_EQ(portal.requestHeaders().size(), 1);
    const auto headers = portal.requestHeaders().front();
    EXPECT_EQ(headers.value(QStringLiteral("User-Agent")), QStringLiteral("Zorvelanta Printer"));
    EXPECT_EQ(headers.value(QStringLiteral("Cache-Control")), QStringLiteral("no-cache"));
    EXPECT_EQ(headers.value(QStringLiteral("Pragma")), QStringLiteral("no-cache"));
}

TEST_F(AbreURLTest, AnswersTheWholeBodyOneCharacterPerByte)
{
    QByteArray big;
    for (int i = 0; i < 5000; ++i)
        big.append(char(i % 256));
    const QString bigText = zv::platform::fromCp1252(big);
    ASSERT_EQ(bigText[0x80], QChar(0x20AC));
    ASSERT_EQ(bigText[0xE7], QChar(0xE7));
    portal.setAnswer(QStringLiteral("printer/grande.asp"), big);
    portal.setAnswer(QStringLiteral("printer/erro.asp"), "<html>Erro interno</html>", 500);
    portal.setAnswer(QStringLiteral("printer/vazio.asp"), QByteArray());

    const struct {
        QString path;
        QString expected;
    } cases[] = {
        {QStringLiteral("printer/grande.asp"), bigText},
        {QStringLiteral("printer/erro.asp"), QStringLiteral("<html>Erro interno</html>")},
        {QStringLiteral("printer/inexistente.asp"), QStringLiteral("<html><body>404 Not Found</body></html>")},
        {QStringLiteral("printer/vazio.asp"), QString()},
    };
    for (const auto& c : cases) {
        const QString answer = url.AbreURL(portal.baseUrl() + c.path);
        EXPECT_EQ(answer.size(), c.expected.size()) << c.path.toStdString();
        EXPECT_EQ(answer, c.expected) << c.path.toStdString();
    }
}

TEST(AbreURL, AnswersEmptyWhenNoRequestCanBeMade)
{
    zv::test::TempHome home;
    QString closedBase;
    {
        LoopbackPortal gone;
        closedBase = gone.baseUrl();
    }
    const QString cases[] = {
        closedBase + QStringLiteral("printer/printer_login.asp"),
        QStringLiteral("http://nao-existe.invalid/printer/printer_login.asp"),
        QStringLiteral("nada disso"),
        QString(),
    };
    classURL url;
    for (const QString& c : cases)
        EXPECT_EQ(url.AbreURL(c), QString()) << c.toStdString();
}
