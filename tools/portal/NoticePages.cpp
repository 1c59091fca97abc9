// The e-mail notices of a published document: the list of recipients of its
// client company, and the notice to one address. No mail leaves the
// machine: a notice is a record in the store.
#include "portal/Pages.h"
#include "portal/SessionGate.h"
#include "portal/WireDates.h"

#include <QRegularExpression>

namespace zv::portal {

namespace {

// Which recipients the list holds: the company's main contacts, or all.
enum class Audience { MainContacts = 1, EveryContact = 2 };

// A request's action ("a=l" list, "a=e" send), matched without case.
bool asksFor(const QueryString& query, QLatin1String action)
{
    return query.value(QStringLiteral("a")).trimmed().compare(action, Qt::CaseInsensitive) == 0;
}

std::optional<Audience> audienceOf(const QueryString& query)
{
    const auto mode = query.integer(QStringLiteral("t"));
    if (mode == int(Audience::MainContacts))
        return Audience::MainContacts;
    if (mode == int(Audience::EveryContact))
        return Audience::EveryContact;
    return std::nullopt;
}

// A name as one part of a "name;address" line: the separator and line
// breaks would split it.
QString recipientName(const QString& name)
{
    QString clean = name;
    clean.replace(QLatin1Char(';'), QLatin1Char(','));
    clean.replace(QLatin1Char('\r'), QLatin1Char(' '));
    clean.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return clean;
}

struct NoticeTarget {
    std::optional<Document> document;
    Reply refusal;
};

// The office's document named by "u=".
NoticeTarget documentOf(PortalContext& context, const SignedIn& who, const QueryString& query)
{
    const auto id = query.integer(QStringLiteral("u"));
    if (!id)
        return {std::nullopt, refusal(Refusal::BadRequest, QStringLiteral("Documento não informado!"))};
    auto document = context.store.document(who.office.id, *id);
    if (!document)
        return {std::nullopt, refusal(Refusal::Unknown, QStringLiteral("Documento não encontrado!"))};
    return {document, Reply{}};
}

std::optional<Contact> contactOf(PortalStore& store, const Document& document, const QString& address)
{
    if (!document.clientId)
        return std::nullopt;
    for (const Contact& contact : store.contacts(*document.clientId, true))
        if (contact.email.compare(address, Qt::CaseInsensitive) == 0)
            return contact;
    return std::nullopt;
}

} // namespace

// The recipients of a document's notice: its company's name, then one
// "name;address" line each. No bytes at all when the company has no e-mail
// registered for that choice (or the document is for every company).
Reply noticeListPage(PortalContext& context, const QueryString& query)
{
    const Admission admission = admit(context, query);
    if (!admission.signedIn)
        return admission.refusal;
    if (!asksFor(query, QLatin1String("l")))
        return refusal(Refusal::BadRequest, QStringLiteral("Ação de aviso inválida!"));
    const auto audience = audienceOf(query);
    if (!audience)
        return refusal(Refusal::BadRequest, QStringLiteral("Modo de aviso inválido!"));
    const NoticeTarget target = documentOf(context, *admission.signedIn, query);
    if (!target.document)
        return target.refusal;
    const auto clientId = target.document->clientId;
    const auto client = clientId ? context.store.client(admission.signedIn->office.id, *clientId) : std::nullopt;
    if (!client)
        return empty();
    const auto contacts = context.store.contacts(client->id, *audience == Audience::EveryContact);
    if (contacts.empty())
        return empty();
    QStringList answer{kSistema, client->name};
    for (const Contact& contact : contacts)
        answer << recipientName(contact.name) + QLatin1Char(';') + contact.email;
    return lines(answer);
}

// The notice of a document to one of its company's addresses: recorded,
// and answered "1" (sent) or, for a mailbox that takes notices only at its
// own times, "2" (scheduled).
Reply noticePage(PortalContext& context, const QueryString& query)
{
    const Admission admission = admit(context, query);
    if (!admission.signedIn)
        return admission.refusal;
    if (!asksFor(query, QLatin1String("e")))
        return refusal(Refusal::BadRequest, QStringLiteral("Ação de aviso inválida!"));
    const NoticeTarget target = documentOf(context, *admission.signedIn, query);
    if (!target.document)
        return target.refusal;
    const QString address = query.value(QStringLiteral("i")).trimmed();
    if (address.isEmpty())
        return refusal(Refusal::BadRequest, QStringLiteral("Endereço de e-mail não informado!"));
    // An address of the user's own list need not be one of the company's
    // contacts; it must only be an address.
    static const QRegularExpression wellFormed(QStringLiteral("^[^@\\s;<>,]+@[^@\\s;<>,]+\\.[^@\\s;<>,]+$"));
    if (!wellFormed.match(address).hasMatch())
        return refusal(Refusal::BadRequest, QStringLiteral("Endereço de e-mail inválido!"));
    const auto contact = contactOf(context.store, *target.document, address);
    const int outcome = contact && contact->scheduled ? 2 : 1;
    context.store.addNotice({target.document->id, contact ? contact->email : address, isoMoment(context.now()), outcome});
    return lines({kSistema, QString::number(outcome)});
}

} // namespace zv::portal
