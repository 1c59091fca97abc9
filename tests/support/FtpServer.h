#pragma once
#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace zv::test {

// A real FTP server for one test: pyftpdlib (the system's python3) on
// 127.0.0.1, on a free port, serving a fresh temporary root folder with
// write permission to one user. Names arrive on disk as the bytes the
// client sent, so a test sees exactly what went on the wire. Stopped when
// the object ends.
class FtpServer {
public:
    explicit FtpServer(const QString& user = QStringLiteral("escritorio"),
                       const QString& password = QStringLiteral("s3nh@ FTP"));
    ~FtpServer();
    FtpServer(const FtpServer&) = delete;
    FtpServer& operator=(const FtpServer&) = delete;

    bool started() const { return m_port != 0; }
    // "127.0.0.1:PORT", the server name the FTP object is given.
    QString address() const;
    quint16 port() const { return m_port; }
    QString user() const { return m_user; }
    QString password() const { return m_password; }
    // The folder the server serves.
    QString root() const { return m_root.path(); }
    // What the server printed so far (why it failed to start, what it did).
    QString output();

    // Files in the root folder, by their raw name bytes.
    QList<QByteArray> names() const;
    bool has(const QByteArray& rawName) const;
    QByteArray file(const QByteArray& rawName) const;
    void put(const QByteArray& rawName, const QByteArray& content) const;

    // Ends the server at once (a connection that breaks off mid-transfer).
    void stop();

private:
    std::string rootPath(const QByteArray& rawName) const;

    QTemporaryDir m_root;
    QString m_user;
    QString m_password;
    QString m_output;
    std::unique_ptr<QProcess> m_process;
    quint16 m_port = 0;
};

} // namespace zv::test
