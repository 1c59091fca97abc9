#pragma once
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>

namespace zv::test {

// The built zv-portal running as its own process on a free loopback port,
// with a data folder of the test's choosing; stopped when the object ends.
class PortalProcess {
public:
    explicit PortalProcess(const QString& dataDir, const QStringList& extraArguments = {});
    ~PortalProcess();
    PortalProcess(const PortalProcess&) = delete;
    PortalProcess& operator=(const PortalProcess&) = delete;

    bool started() const { return m_port != 0; }
    // "http://127.0.0.1:PORT/"
    QString baseUrl() const;
    QString dataDir() const { return m_dataDir; }
    // What the portal printed while starting (and, for one that failed, why).
    QString startOutput() const { return m_output; }

    // One GET of a raw target ("/printer/x.asp?a=1", "//printer/..."), sent
    // exactly as written; answers the body's bytes and sets lastStatus().
    QByteArray get(const std::string& target);
    long lastStatus() const { return m_status; }
    // The answer as the client reads it: Windows-1252 text split at CR LF.
    QStringList lines(const std::string& target);

    // Logs DEMO / FINANCEIRO / demo in; answers "s=N&l=101".
    std::string demoSession();

    // Stops the portal (as at the end of a demo) and waits for it.
    void stop();

private:
    QString m_dataDir;
    QString m_output;
    std::unique_ptr<QProcess> m_process;
    quint16 m_port = 0;
    long m_status = 0;
};

// Windows-1252 bytes as text, and text split the portal's way.
QString fromWire(const QByteArray& bytes);
QStringList splitWire(const QString& text, const QString& delimiter);

} // namespace zv::test
