#include "support/LoopbackPortal.h"

#include "transport/PortalAddress.h"

#include <httplib.h>

#include <QMap>
#include <QtGlobal>

#include <chrono>
#include <mutex>
#include <thread>

namespace zv::test {

namespace {

struct Answer {
    QByteArray body;
    int status = 200;
    LoopbackPortal::Handler handler;
};

// The page path of a raw target: what follows the base URL's "/", without
// the query.
QString pagePathOf(const QString& target)
{
    QString path = target.left(target.indexOf(QLatin1Char('?')));
    if (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    return path;
}

QString fromRaw(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

struct LoopbackPortal::State {
    httplib::Server server;
    std::thread worker;
    int port = 0;
    QByteArray savedVariable;
    bool hadVariable = false;

    mutable std::mutex lock;
    QMap<QString, Answer> answers;
    QStringList targets;
    QList<QMultiMap<QString, QString>> headers;

    void serve(const httplib::Request& request, httplib::Response& response)
    {
        const QString target = fromRaw(request.target);
        QMultiMap<QString, QString> seen;
        for (const auto& [name, value] : request.headers)
            seen.insert(fromRaw(name), fromRaw(value));

        Answer answer;
        bool known = false;
        {
            std::lock_guard guard(lock);
            targets.append(target);
            headers.append(seen);
            const auto found = answers.constFind(pagePathOf(target));
            known = found != answers.constEnd();
            if (known)
                answer = *found;
        }
        if (!known) {
            response.status = 404;
            response.set_content("<html><body>404 Not Found</body></html>", "text/html");
            return;
        }
        const QByteArray body = answer.handler ? answer.handler(target) : answer.body;
        response.status = answer.status;
        response.set_content(std::string(body.constData(), size_t(body.size())), "text/html");
    }
};

LoopbackPortal::LoopbackPortal()
    : d(std::make_unique<State>())
{
    d->server.set_pre_routing_handler(
        [this](const httplib::Request& request, httplib::Response& response) {
            d->serve(request, response);
            return httplib::Server::HandlerResponse::Handled;
        });
    // The server refuses a target with a second "?" before routing; such a
    // request (legal for the portal) reaches the error handler with its raw
    // target but without its headers, and is answered and recorded there.
    d->server.set_error_handler(static_cast<httplib::Server::HandlerWithResponse>(
        [this](const httplib::Request& request, httplib::Response& response) {
            if (request.headers.empty() && !request.target.empty() && response.body.empty())
                d->serve(request, response);
            return httplib::Server::HandlerResponse::Handled;
        }));
    d->port = d->server.bind_to_any_port("127.0.0.1");
    d->worker = std::thread([this] { d->server.listen_after_bind(); });
    while (!d->server.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));

    d->hadVariable = qEnvironmentVariableIsSet(transport::kPortalVariable);
    d->savedVariable = qgetenv(transport::kPortalVariable);
    qputenv(transport::kPortalVariable, baseUrl().toLatin1());
}

LoopbackPortal::~LoopbackPortal()
{
    d->server.stop();
    if (d->worker.joinable())
        d->worker.join();
    if (d->hadVariable)
        qputenv(transport::kPortalVariable, d->savedVariable);
    else
        qunsetenv(transport::kPortalVariable);
}

QString LoopbackPortal::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(d->port);
}

quint16 LoopbackPortal::port() const { return quint16(d->port); }

void LoopbackPortal::setAnswer(const QString& pagePath, const QByteArray& body, int status)
{
    std::lock_guard guard(d->lock);
    d->answers.insert(pagePath, Answer{body, status, {}});
}

void LoopbackPortal::setHandler(const QString& pagePath, Handler handler)
{
    std::lock_guard guard(d->lock);
    d->answers.insert(pagePath, Answer{{}, 200, std::move(handler)});
}

QStringList LoopbackPortal::targets() const
{
    std::lock_guard guard(d->lock);
    return d->targets;
}

QList<QMultiMap<QString, QString>> LoopbackPortal::requestHeaders() const
{
    std::lock_guard guard(d->lock);
    return d->headers;
}

void LoopbackPortal::clear()
{
    std::lock_guard guard(d->lock);
    d->answers.clear();
    d->targets.clear();
    d->headers.clear();
}

void LoopbackPortal::setSessionAnswers(const QString& today)
{
    setAnswer(QStringLiteral("printer/printer_login_b.asp"),
              crlf({"Zorvelanta Printer", "4711", "x", "Maria Souza", "ftp.exemplo", "ftpuser", "ftpsenha",
                    "Escritório Central", "33", "21", "logo21.gif", today, "0", "gif", "2"}));
    setAnswer(QStringLiteral("printer/printer_login_conf_b.asp"),
              crlf({"Zorvelanta Printer", today, "ftp2.exemplo", "u2", "s2"}));
}

} // namespace zv::test
