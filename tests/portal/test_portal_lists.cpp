// The reference lists of the synchronisation page, in both request forms.
#include "portal/PortalProcess.h"
#include "support/TempHome.h"

#include <QSet>

#include <gtest/gtest.h>

using zv::test::PortalProcess;
using zv::test::fromWire;
using zv::test::splitWire;

namespace {

QList<QStringList> items(const QString& section)
{
    QList<QStringList> list;
    for (const QString& item : splitWire(section, QStringLiteral("<!#")))
        list << splitWire(item, QStringLiteral(">@%"));
    return list;
}

} // namespace

TEST(PortalLists, DemoOfficeHasPortfoliosClientsAndUsersInBothForms)
{
    zv::test::TempHome home;
    PortalProcess portal(home.path() + QStringLiteral("/portal"));
    ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();
    const std::string session = portal.demoSession();

    const QByteArray portfolioForm = portal.get("/printer/sincroniza.asp?" + session + "&c=1");
    EXPECT_EQ(portal.get("/printer/sincroniza.asp?" + session + "&u=1"), portfolioForm);
    EXPECT_FALSE(portfolioForm.contains("\r\n")) << "the body is split at its delimiters only";

    const QStringList sections = splitWire(fromWire(portfolioForm), QStringLiteral("|*+"));
    ASSERT_EQ(sections.size(), 4);
    EXPECT_EQ(sections[0], QStringLiteral("Zorvelanta Printer"));

    QSet<QString> portfolioIds;
    for (const QStringList& p : items(sections[1])) {
        ASSERT_EQ(p.size(), 2);
        portfolioIds << p[0];
    }
    EXPECT_EQ(portfolioIds.size(), 3);

    const QList<QStringList> clients = items(sections[2]);
    EXPECT_EQ(clients.size(), 12);
    for (const QStringList& c : clients) {
        ASSERT_EQ(c.size(), 3);
        EXPECT_TRUE(portfolioIds.contains(c[1])) << c.join('|').toStdString();
        EXPECT_FALSE(c[2].isEmpty());
    }
    EXPECT_TRUE(sections[2].contains(QStringLiteral("1001>@%1>@%Padaria São João Ltda")));

    const QList<QStringList> users = items(sections[3]);
    ASSERT_EQ(users.size(), 3);
    EXPECT_TRUE(sections[3].contains(QStringLiteral("101>@%financeiro")));
    EXPECT_TRUE(sections[3].contains(QStringLiteral("102>@%Márcia Fiscal")));
}

TEST(PortalLists, OfficeWithoutListsAnswersTheEmptyMarkersAndStrangersAreRefused)
{
    zv::test::TempHome home;
    PortalProcess portal(home.path() + QStringLiteral("/portal"));
    ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();
    const QStringList login = portal.lines("/printer/printer_login_b.asp?log=ADMIN&psw=demo&dom=VAZIO");
    ASSERT_EQ(login.size(), 15);
    const std::string session = "s=" + login[1].toStdString() + "&l=" + login[8].toStdString();
    EXPECT_EQ(portal.get("/printer/sincroniza.asp?" + session + "&u=1"),
              QByteArray("Zorvelanta Printer|*+4|*+5|*+6"));

    // A refusal keeps the two-line form, whose second line the daemon shows.
    EXPECT_EQ(portal.lines("/printer/sincroniza.asp?s=42&l=101&c=1"),
              (QStringList{QStringLiteral("1"), QStringLiteral("Sessão inválida! Faça o login novamente.")}));
}
