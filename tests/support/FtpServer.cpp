#include "support/FtpServer.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zv::test {

namespace {

// pyftpdlib's own command line, with one change made before it starts:
// names that are not UTF-8 are kept byte for byte instead of being
// replaced, as a server on the office's code page stores them.
const char* const kLauncher =
    "import runpy, pyftpdlib.handlers as h\n"
    "h.FTPHandler.unicode_errors = 'surrogateescape'\n"
    "runpy.run_module('pyftpdlib', run_name='__main__', alter_sys=True)\n";

} // namespace

FtpServer::FtpServer(const QString& user, const QString& password)
    : m_user(user), m_password(password), m_process(std::make_unique<QProcess>())
{
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-c"), QString::fromLatin1(kLauncher), QStringLiteral("-i"),
                      QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QStringLiteral("0"), QStringLiteral("-w"),
                      QStringLiteral("-d"), m_root.path(), QStringLiteral("-u"), user, QStringLiteral("-P"),
                      password});
    // The line comes once the socket listens, so connections are accepted
    // from then on.
    static const QRegularExpression listening(QStringLiteral(">>> starting FTP server on 127\\.0\\.0\\.1:(\\d+)"));
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() && m_process->state() != QProcess::NotRunning) {
        m_process->waitForReadyRead(100);
        m_output += QString::fromLocal8Bit(m_process->readAll());
        const auto match = listening.match(m_output);
        if (match.hasMatch()) {
            m_port = quint16(match.captured(1).toUInt());
            return;
        }
    }
    stop();
}

FtpServer::~FtpServer()
{
    stop();
    // Names in the office's code page are no text to Qt, so the folder is
    // emptied byte-wise before the temporary folder removes itself.
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(rootPath({}), ignored))
        std::filesystem::remove_all(entry.path(), ignored);
}

void FtpServer::stop()
{
    if (m_process->state() == QProcess::NotRunning)
        return;
    m_process->kill();
    m_process->waitForFinished(10000);
    m_output += QString::fromLocal8Bit(m_process->readAll());
}

QString FtpServer::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

QString FtpServer::output()
{
    m_output += QString::fromLocal8Bit(m_process->readAll());
    return m_output;
}

std::string FtpServer::rootPath(const QByteArray& rawName) const
{
    return QFile::encodeName(m_root.path()).toStdString() + "/" + rawName.toStdString();
}

QList<QByteArray> FtpServer::names() const
{
    QList<QByteArray> found;
    for (const auto& entry : std::filesystem::directory_iterator(QFile::encodeName(m_root.path()).toStdString()))
        found.append(QByteArray::fromStdString(entry.path().filename().native()));
    std::sort(found.begin(), found.end());
    return found;
}

bool FtpServer::has(const QByteArray& rawName) const
{
    return std::filesystem::exists(rootPath(rawName));
}

QByteArray FtpServer::file(const QByteArray& rawName) const
{
    std::ifstream in(rootPath(rawName), std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
}

void FtpServer::put(const QByteArray& rawName, const QByteArray& content) const
{
    std::ofstream out(rootPath(rawName), std::ios::binary | std::ios::trunc);
    out.write(content.constData(), std::streamsize(content.size()));
}

} // namespace zv::test
