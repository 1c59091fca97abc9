#include "portal/PortalServer.h"

#include "portal/Database.h"
#include "portal/Pages.h"
#include "portal/PublicationRequest.h"

#include <httplib.h>

#include <QMap>

#include <functional>

namespace zv::portal {

namespace {

using Page = std::function<Reply(PortalContext&, const QueryString&)>;

// The publication's query may hold a "&" inside its texts; only this page
// knows every key it takes, so only it reads stray pieces as part of the
// value before them.
const QString kPublicationPage = QStringLiteral("printer/publica_b_novo.asp");

const QMap<QString, Page>& pages()
{
    static const QMap<QString, Page> table = {
        {QStringLiteral("printer/printer_login_b.asp"), loginPage},
        {QStringLiteral("printer/printer_login_conf_b.asp"), confirmationPage},
        {QStringLiteral("printer/printer_login.asp"), reachabilityPage},
        {QStringLiteral("printer/sincroniza.asp"), synchronisationPage},
        {QStringLiteral("printer/consulta_b.asp"), consultationPage},
        {QStringLiteral("printer/espaco_b.asp"), storagePage},
        {QStringLiteral("printer/dicas_b.asp"), tipsPage},
        {kPublicationPage, publicationPage},
        {QStringLiteral("printer/avisos_b.asp"), noticeListPage},
        {QStringLiteral("printer/avisos.asp"), noticePage},
    };
    return table;
}

const QString kLogoFolder = QStringLiteral("zorvelanta/escritorio_arq/");

// The page of a target: its path without the leading slashes (the client
// asks some pages with two), compared without regard to case.
QString pagePathOf(std::string_view path)
{
    while (!path.empty() && path.front() == '/')
        path.remove_prefix(1);
    return QString::fromLatin1(path.data(), qsizetype(path.size()));
}

Reply unknownPage()
{
    return refusal(Refusal::BadRequest, QStringLiteral("Página não encontrada!"), 404);
}

void send(httplib::Response& response, const Reply& reply)
{
    response.status = reply.status;
    response.set_content(std::string(reply.body.constData(), size_t(reply.body.size())),
                         reply.contentType.c_str());
}

} // namespace

struct PortalServer::State {
    PortalContext& context;
    httplib::Server server;
    std::mutex lock;

    explicit State(PortalContext& c) : context(c) {}
};

PortalServer::PortalServer(PortalContext& context) : d(std::make_unique<State>(context))
{
    d->server.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        send(response, answer(request.target));
    });
    // Any other method, and anything the library refuses on its own, still
    // answers a refusal with a sentence.
    d->server.set_error_handler([](const httplib::Request&, httplib::Response& response) {
        if (!response.body.empty())
            return;
        const int status = response.status;
        send(response, refusal(Refusal::BadRequest, QStringLiteral("Requisição não aceita pelo portal!"),
                               status));
    });
}

PortalServer::~PortalServer()
{
    stop();
}

int PortalServer::bind(const std::string& address, int port)
{
    if (port == 0)
        return d->server.bind_to_any_port(address.c_str());
    return d->server.bind_to_port(address.c_str(), port) ? port : -1;
}

bool PortalServer::run()
{
    return d->server.listen_after_bind();
}

void PortalServer::stop()
{
    d->server.stop();
}

Reply PortalServer::answer(std::string_view target)
{
    const size_t question = target.find('?');
    const QString path = pagePathOf(target.substr(0, question));
    const std::string_view rawQuery = question == std::string_view::npos ? std::string_view()
                                                                          : target.substr(question + 1);
    std::lock_guard guard(d->lock);
    try {
        if (path.startsWith(kLogoFolder, Qt::CaseInsensitive))
            return logoPage(d->context, path);
        const QString pagePath = path.toLower();
        const auto page = pages().constFind(pagePath);
        if (page == pages().constEnd())
            return unknownPage();
        const QueryString query = pagePath == kPublicationPage ? QueryString::parse(rawQuery, publicationKeys())
                                                               : QueryString::parse(rawQuery);
        return (*page)(d->context, query);
    } catch (const std::exception& failure) {
        return refusal(Refusal::BadRequest,
                       QStringLiteral("Erro interno do portal: ") + QString::fromUtf8(failure.what()), 500);
    }
}

} // namespace zv::portal
