#pragma once
#include "platform/Cp1252.h"

#include <QByteArray>
#include <QList>
#include <QMultiMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace zv::test {

// An answer as the portal writes it: the lines joined by CR LF, in
// Windows-1252.
inline QByteArray crlf(const QStringList& lines)
{
    return platform::toCp1252(lines.join(QStringLiteral("\r\n")));
}

// A portal inside the test process: an HTTP server on 127.0.0.1, on a free
// port, answering from a background thread what the test told it to answer,
// and keeping every request it saw so tests can assert the exact URLs.
// While it lives, ZORVELANTA_PORTAL points at it.
class LoopbackPortal {
public:
    using Handler = std::function<QByteArray(const QString& target)>;

    LoopbackPortal();
    ~LoopbackPortal();
    LoopbackPortal(const LoopbackPortal&) = delete;
    LoopbackPortal& operator=(const LoopbackPortal&) = delete;

    // "http://127.0.0.1:PORT/"
    QString baseUrl() const;
    quint16 port() const;

    // A canned answer for a page path as the client writes it after the base
    // URL, without the query ("printer/printer_login_b.asp"; a page asked with
    // a double slash is its own path, "/printer/..."). The body goes out as
    // raw bytes. Pages nobody set answer 404 with a short body.
    void setAnswer(const QString& pagePath, const QByteArray& body, int status = 200);
    // The same, computed from the raw request target at each request.
    void setHandler(const QString& pagePath, Handler handler);

    // Every request target, raw as it arrived, in order ("/printer/x.asp?a=1").
    QStringList targets() const;
    // The headers of those requests, same order. A target the HTTP library
    // cannot split (a second "?" in the query) is answered and recorded
    // all the same, with no headers.
    QList<QMultiMap<QString, QString>> requestHeaders() const;
    // Forgets the answers and the record.
    void clear();

    // Login and confirmation answers of a portal whose date is `today`: user
    // "Maria Souza", session 4711, login ID 33, office 21 "Escritório Central".
    void setSessionAnswers(const QString& today);

private:
    struct State;
    std::unique_ptr<State> d;
};

} // namespace zv::test
