// Storage space, the rotating tips, the logo, and what the portal does with
// requests it does not know.
#include "portal/PortalProcess.h"
#include "support/TempHome.h"

#include "platform/Regional.h"

#include <QSet>

#include <gtest/gtest.h>

using zv::test::PortalProcess;
using zv::test::fromWire;
using zv::test::splitWire;

TEST(PortalOffice, StorageAnswerGivesTotalAndTheSpaceTheLiveDocumentsUse)
{
    zv::test::TempHome home;
    PortalProcess portal(home.path() + QStringLiteral("/portal"));
    ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();
    const std::string session = portal.demoSession();

    const QStringList parts = splitWire(fromWire(portal.get("/printer/espaco_b.asp?" + session)), ";");
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(parts[0], QStringLiteral("Zorvelanta Printer"));
    EXPECT_EQ(zv::platform::Regional::parseNumber(parts[1]), 5120.0);

    qint64 live = 0;
    const QStringList consultation = portal.lines("//printer/consulta_b.asp?" + session + "&t=0&o=0");
    for (const QString& record : splitWire(consultation.value(1), "<!#")) {
        const QStringList fields = splitWire(record, ">@%");
        if (fields.value(10).isEmpty())
            live += fields.value(5).toLongLong();
    }
    const auto used = zv::platform::Regional::parseNumber(parts[2]);
    ASSERT_TRUE(used.has_value()) << parts[2].toStdString();
    EXPECT_NEAR(*used, double(live) / (1024.0 * 1024.0), 0.006);
}

TEST(PortalOffice, TipsRotateThroughTheSeriesByTheOrderSentBack)
{
    zv::test::TempHome home;
    PortalProcess portal(home.path() + QStringLiteral("/portal"));
    ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();
    const std::string session = portal.demoSession();

    QString order;
    QStringList orders;
    QSet<QString> titles;
    for (int i = 0; i < 7; ++i) {
        const QStringList tip = splitWire(
            fromWire(portal.get("/printer/dicas_b.asp?" + session + "&ordem=" + order.toStdString())), "-*=");
        ASSERT_EQ(tip.size(), 3) << i;
        EXPECT_FALSE(tip[1].isEmpty());
        EXPECT_FALSE(tip[2].isEmpty());
        order = tip[0];
        orders << order;
        titles << tip[1];
    }
    EXPECT_EQ(orders, (QStringList{"1", "2", "3", "4", "5", "6", "1"}));
    EXPECT_EQ(titles.size(), 6);
    // An order the series does not have starts it again from the first tip.
    EXPECT_TRUE(portal.get("/printer/dicas_b.asp?" + session + "&ordem=abc").startsWith("1-*="));
    EXPECT_TRUE(portal.get("/printer/dicas_b.asp?" + session + "&ordem=99").startsWith("1-*="));
}

TEST(PortalOffice, LogoIsServedUnderTheOfficeFolderOnly)
{
    zv::test::TempHome home;
    PortalProcess portal(home.path() + QStringLiteral("/portal"));
    ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();

    const QByteArray logo = portal.get("/zorvelanta/escritorio_arq/0057/logo.bmp");
    EXPECT_EQ(portal.lastStatus(), 200);
    EXPECT_TRUE(logo.startsWith("BM"));
    EXPECT_EQ(logo.size(), 54 + 32 * 32 * 3);
    EXPECT_EQ(logo, zv::test::readAll(portal.dataDir() + "/escritorio_arq/0057/logo.bmp"));

    for (const char* target : {"/zorvelanta/escritorio_arq/0099/logo.bmp", "/zorvelanta/escritorio_arq/0057/outro.bmp",
                               "/zorvelanta/escritorio_arq/0057/../../portal.sqlite",
                               "/zorvelanta/escritorio_arq/0057/%2E%2E/x"}) {
        const QStringList answer = splitWire(fromWire(portal.get(target)), "\r\n");
        EXPECT_EQ(portal.lastStatus(), 404) << target;
        EXPECT_EQ(answer, (QStringList{"1", QStringLiteral("Logo não encontrado!")})) << target;
    }
}

TEST(PortalOffice, UnknownPagesAndOddRequestsGetARefusalWithABody)
{
    zv::test::TempHome home;
    PortalProcess portal(home.path() + QStringLiteral("/portal"));
    ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();
    const std::string session = portal.demoSession();

    const std::string longValue(6000, 'x');
    for (const std::string& target :
         {std::string("/printer/publica_nada.asp?a=1"), std::string("/"), std::string("/%ff%00"),
          "/printer/dicas_b.asp?s=" + longValue, std::string("/printer/espaco_b.asp?s=%zz&l=%")}) {
        const QByteArray body = portal.get(target);
        EXPECT_FALSE(body.isEmpty()) << target.substr(0, 60);
        EXPECT_TRUE(body.at(0) >= '0' && body.at(0) <= '9') << target.substr(0, 60);
        EXPECT_NE(portal.lastStatus(), 500) << target.substr(0, 60);
    }
    EXPECT_EQ(splitWire(fromWire(portal.get("/printer/nada.asp")), "\r\n"),
              (QStringList{"0", QStringLiteral("Página não encontrada!")}));
    EXPECT_EQ(portal.lastStatus(), 404);
    // Still serving after all that.
    EXPECT_EQ(portal.lines("/printer/printer_login_conf_b.asp?" + session).value(0),
              QStringLiteral("Zorvelanta Printer"));
}
