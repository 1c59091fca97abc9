#include "portal/PortalProcess.h"

#include "platform/Cp1252.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

#include <curl/curl.h>

namespace zv::test {

namespace {

size_t collect(char* data, size_t size, size_t count, void* sink)
{
    static_cast<QByteArray*>(sink)->append(data, qsizetype(size * count));
    return size * count;
}

} // namespace

PortalProcess::PortalProcess(const QString& dataDir, const QStringList& extraArguments)
    : m_dataDir(dataDir), m_process(std::make_unique<QProcess>())
{
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->start(QStringLiteral(ZV_PORTAL_BINARY),
                     QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data"),
                                 dataDir} + extraArguments);
    static const QRegularExpression listening(QStringLiteral("ouvindo em http://127\\.0\\.0\\.1:(\\d+)/"));
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired() && m_process->state() != QProcess::NotRunning) {
        m_process->waitForReadyRead(200);
        m_output += QString::fromLocal8Bit(m_process->readAll());
        const auto match = listening.match(m_output);
        if (match.hasMatch()) {
            m_port = quint16(match.captured(1).toUInt());
            return;
        }
    }
    m_process->waitForFinished(1000);
    m_output += QString::fromLocal8Bit(m_process->readAll());
}

PortalProcess::~PortalProcess()
{
    stop();
}

void PortalProcess::stop()
{
    if (m_process->state() == QProcess::NotRunning)
        return;
    m_process->terminate();
    if (!m_process->waitForFinished(10000)) {
        m_process->kill();
        m_process->waitForFinished(5000);
    }
}

QString PortalProcess::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(m_port);
}

QByteArray PortalProcess::get(const std::string& target)
{
    QByteArray body;
    m_status = 0;
    CURL* curl = curl_easy_init();
    const std::string url = "http://127.0.0.1:" + std::to_string(m_port) + target;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 30L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    if (curl_easy_perform(curl) == CURLE_OK)
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &m_status);
    curl_easy_cleanup(curl);
    return body;
}

QStringList PortalProcess::lines(const std::string& target)
{
    return splitWire(fromWire(get(target)), QStringLiteral("\r\n"));
}

std::string PortalProcess::demoSession()
{
    const QStringList login = lines("/printer/printer_login_b.asp?log=FINANCEIRO&psw=demo&dom=DEMO");
    if (login.size() < 2)
        return std::string();
    return "s=" + login[1].toStdString() + "&l=101";
}

QString fromWire(const QByteArray& bytes)
{
    return platform::fromCp1252(bytes);
}

QStringList splitWire(const QString& text, const QString& delimiter)
{
    return text.split(delimiter);
}

} // namespace zv::test
