// The FTP server the portal runs beside: the login and the confirmation hand
// out its address, and an address that no FTP client could use stops the
// portal with the reason.
#include "portal/PortalProcess.h"
#include "support/TempHome.h"

#include <QProcess>

#include <gtest/gtest.h>

using zv::test::PortalProcess;

TEST(PortalPublicaFtp, LoginAndConfirmationHandOutTheFtpAddressTheyAreGiven)
{
    zv::test::TempHome home;
    struct Case {
        QStringList arguments;
        const char* server;
    } const cases[] = {
        {{QStringLiteral("--ftp"), QStringLiteral("127.0.0.1:2121")}, "127.0.0.1:2121"},
        {{QStringLiteral("--ftp"), QStringLiteral("ftp.exemplo.com.br")}, "ftp.exemplo.com.br"},
        {{QStringLiteral("--ftp"), QStringLiteral("[::1]:2121")}, "[::1]:2121"},
        // Without the option, each office's stored server name.
        {{}, "127.0.0.1"},
    };
    int n = 0;
    for (const Case& c : cases) {
        PortalProcess portal(home.path() + QStringLiteral("/portal%1").arg(n++), c.arguments);
        ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();
        const QStringList login = portal.lines("/printer/printer_login_b.asp?log=FINANCEIRO&psw=demo&dom=DEMO");
        ASSERT_EQ(login.size(), 15) << c.server;
        EXPECT_EQ(login[4], QString::fromLatin1(c.server));
        // The office's FTP account stays what it is.
        EXPECT_EQ(login[5], QStringLiteral("demo"));
        EXPECT_EQ(login[6], QStringLiteral("demo"));
        const QStringList confirmation =
            portal.lines("/printer/printer_login_conf_b.asp?s=" + login[1].toStdString() + "&l=101");
        ASSERT_EQ(confirmation.size(), 5) << c.server;
        EXPECT_EQ(confirmation[2], QString::fromLatin1(c.server));
    }
}

TEST(PortalPublicaFtp, AnUnusableFtpAddressOrRootStopsThePortal)
{
    zv::test::TempHome home;
    const QString blocker = home.writeFile(QStringLiteral("arquivo"), "um arquivo, não uma pasta");
    struct Case {
        QStringList arguments;
        const char* reason;
    } const cases[] = {
        {{QStringLiteral("--ftp"), QStringLiteral("127.0.0.1:0")}, "servidor FTP inválido"},
        {{QStringLiteral("--ftp"), QStringLiteral("127.0.0.1:porta")}, "servidor FTP inválido"},
        {{QStringLiteral("--ftp"), QStringLiteral(":2121")}, "servidor FTP inválido"},
        {{QStringLiteral("--ftp"), QStringLiteral("ftp exemplo:21")}, "servidor FTP inválido"},
        {{QStringLiteral("--ftp"), QStringLiteral("::1:21")}, "servidor FTP inválido"},
        {{QStringLiteral("--ftp"), QString()}, "servidor FTP inválido"},
        {{QStringLiteral("--ftp-root"), blocker + QStringLiteral("/ftp")}, "pasta raiz do FTP"},
    };
    for (const Case& c : cases) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(ZV_PORTAL_BINARY),
                      QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data"),
                                  home.path() + QStringLiteral("/dados")}
                          + c.arguments);
        ASSERT_TRUE(process.waitForFinished(30000)) << c.reason;
        EXPECT_NE(process.exitCode(), 0) << c.arguments.join(' ').toStdString();
        const QString output = QString::fromLocal8Bit(process.readAll());
        EXPECT_TRUE(output.contains(QString::fromUtf8(c.reason))) << output.toStdString();
    }
    EXPECT_EQ(zv::test::readAll(blocker), QByteArray("um arquivo, não uma pasta"));
}
