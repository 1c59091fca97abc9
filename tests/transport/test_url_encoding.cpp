// The two encoders of query text: the portal's own CodificaURL, and the
// safe form of the values the portal reads as typed.
#include "support/TempHome.h"
#include "transport/CodificaURL.h"
#include "transport/ValorURL.h"
#include "transport/classURL.h"

#include <gtest/gtest.h>

using namespace zv::transport;

namespace {

struct Case {
    QString in;
    QString out;
};

} // namespace

TEST(CodificaURL, EncodesOutsideItsSet)
{
    zv::test::TempHome home;
    const Case cases[] = {
        {QStringLiteral("a b"), QStringLiteral("a+b")},
        {QStringLiteral("ação"), QStringLiteral("a%E7%E3o")},
        {QStringLiteral("\t"), QStringLiteral("%09")},
        {QString(QChar(1)) + QChar(0x1F), QStringLiteral("%01%1F")},
        {QStringLiteral("x&y=1"), QStringLiteral("x&y=1")},
        {QStringLiteral("http://h/p.asp?a=(b){c}~$_-.x"), QStringLiteral("http://h/p.asp?a=(b){c}~$_-.x")},
        {QStringLiteral("+%#\"'|@"), QStringLiteral("%2B%25%23%22%27%7C%40")},
        {QStringLiteral("R$ 1.234,50 €"), QStringLiteral("R$+1.234%2C50+%80")},
        {QString(QChar(0x4E2D)), QStringLiteral("%3F")}, // not in the code page
        {QString(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CodificaURL(c.in), c.out) << c.in.toStdString();
}

TEST(CodificaURL, GivesEmptyBeyondItsLimit)
{
    zv::test::TempHome home;
    const QString atLimit(kLimiteCodificaURL, QLatin1Char('a'));
    EXPECT_EQ(CodificaURL(atLimit), atLimit);
    EXPECT_EQ(CodificaURL(atLimit + QLatin1Char('a')), QString());
    EXPECT_EQ(CodificaURL(QString(kLimiteCodificaURL + 1, QLatin1Char(' '))), QString());
}

TEST(ValorURL, ProtectsOnlyWhatWouldChangeTheQuery)
{
    zv::test::TempHome home;
    const Case cases[] = {
        {QStringLiteral("S3nh@!"), QStringLiteral("S3nh@!")},
        {QStringLiteral("a&b#c+d%e f"), QStringLiteral("a%26b%23c%2Bd%25e%20f")},
        {QStringLiteral("|\"'{}^~*()=?/:;,<>[]\\`"), QStringLiteral("|\"'{}^~*()=?/:;,<>[]\\`")},
        {QStringLiteral("ação€"), QStringLiteral("a%E7%E3o%80")},
        {QStringLiteral("\t\r\n") + QChar(0x7F), QStringLiteral("%09%0D%0A%7F")},
        {QString(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValorURL(c.in), c.out) << c.in.toStdString();
}

TEST(UrlParaEnvio, KeepsTheUrlAsWrittenExceptWhatCannotGoOnTheLine)
{
    zv::test::TempHome home;
    const struct {
        QString in;
        QByteArray out;
    } cases[] = {
        {QStringLiteral("http://h:1//printer/publica_b_novo.asp?a=1&b=|x|"),
         "http://h:1//printer/publica_b_novo.asp?a=1&b=|x|"},
        {QStringLiteral("http://h/p.asp?t=a b\tção"), "http://h/p.asp?t=a%20b%09%E7%E3o"},
        {QStringLiteral("http://h/p.asp?v=a%26b+c"), "http://h/p.asp?v=a%26b+c"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(urlParaEnvio(c.in), c.out) << c.in.toStdString();
}
