// The FTP server the portal runs beside: the login and the confirmation hand
// out its address, a file uploaded there with the login's account is
// published, and an address that no FTP client could use stops the portal
// with the reason.
#include "portal/PortalProcess.h"
#include "portal/PublicationQuery.h"
#include "support/TempHome.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

#include <curl/curl.h>

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

using zv::test::PortalProcess;

namespace {

// The demo FTP server exactly as run.sh starts it, on a port of its own
// choosing; stopped when the object ends.
class DemoFtpServer {
public:
    explicit DemoFtpServer(const QString& root)
    {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        {QStringLiteral("-m"), QStringLiteral("pyftpdlib"), QStringLiteral("-i"),
                         QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QStringLiteral("0"), QStringLiteral("-d"),
                         root, QStringLiteral("-u"), QStringLiteral("demo"), QStringLiteral("-P"),
                         QStringLiteral("demo"), QStringLiteral("-w")});
        static const QRegularExpression listening(QStringLiteral("starting FTP server on (127\\.0\\.0\\.1:\\d+)"));
        const QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
            m_process.waitForReadyRead(200);
            m_output += QString::fromLocal8Bit(m_process.readAll());
            const auto match = listening.match(m_output);
            if (match.hasMatch()) {
                m_address = match.captured(1);
                return;
            }
        }
    }
    ~DemoFtpServer()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

    QString address() const { return m_address; }
    QString output() const { return m_output; }

private:
    QProcess m_process;
    QString m_output;
    QString m_address;
};

size_t readInto(char* buffer, size_t size, size_t count, void* source)
{
    auto* rest = static_cast<QByteArray*>(source);
    const size_t n = std::min(size * count, size_t(rest->size()));
    memcpy(buffer, rest->constData(), n);
    rest->remove(0, qsizetype(n));
    return n;
}

// Uploads `content` into the server's root folder under `name` (sent in
// UTF-8), the way the daemon's FTP client does; true when it was accepted.
bool ftpUpload(const QString& server, const QString& user, const QString& password, const QString& name,
               QByteArray content)
{
    CURL* curl = curl_easy_init();
    const std::string url = "ftp://" + server.toStdString() + "/"
                            + QString::fromLatin1(QUrl::toPercentEncoding(name)).toStdString();
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_USERNAME, user.toStdString().c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, password.toStdString().c_str());
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readInto);
    curl_easy_setopt(curl, CURLOPT_READDATA, &content);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(content.size()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 30L);
    const bool uploaded = curl_easy_perform(curl) == CURLE_OK;
    curl_easy_cleanup(curl);
    return uploaded;
}

} // namespace

TEST(PortalPublicaFtp, FileUploadedToTheDemoFtpServerWithTheLoginsAccountIsPublished)
{
    zv::test::TempHome home;
    const QString root = home.path() + QStringLiteral("/ftp");
    ASSERT_TRUE(QDir().mkpath(root));
    DemoFtpServer ftp(root);
    if (ftp.address().isEmpty())
        GTEST_SKIP() << "pyftpdlib did not start: " << ftp.output().toStdString();
    PortalProcess portal(home.path() + QStringLiteral("/portal"),
                         {QStringLiteral("--ftp"), ftp.address(), QStringLiteral("--ftp-root"), root});
    ASSERT_TRUE(portal.started()) << portal.startOutput().toStdString();

    const QStringList login = portal.lines("/printer/printer_login_b.asp?log=FINANCEIRO&psw=demo&dom=DEMO");
    ASSERT_EQ(login.size(), 15);
    QByteArray content = "%PDF-1.4\n";
    for (int i = 0; i < 256; ++i)
        content += char(255 - i);
    const QString title = QStringLiteral("relatório de março.pdf");
    ASSERT_TRUE(ftpUpload(login[4], login[5], login[6], title, content));

    zv::test::PublicationQuery request;
    request.session = login[1];
    request.type = QStringLiteral("D");
    request.file = title;
    const QStringList answer = portal.lines(request.target());
    ASSERT_EQ(answer.value(0), QStringLiteral("Zorvelanta Printer")) << answer.join('|').toStdString();
    EXPECT_EQ(portal.get("//printer/consulta_b.asp?s=" + login[1].toStdString() + "&l=101&ia="
                         + answer.value(1).toStdString()),
              content);
    EXPECT_FALSE(QFileInfo::exists(root + QLatin1Char('/') + title));
}

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
