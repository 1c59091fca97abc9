// The publication of a file the office's program has just put on the FTP
// server: one document per client company, each with its own copy of it.
#include "portal/Pages.h"
#include "portal/PublicationRequest.h"
#include "portal/SessionGate.h"
#include "portal/UploadedFile.h"
#include "portal/WireDates.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zv::portal {

namespace {

// The first company of the order that is not one of the office's.
std::optional<std::int64_t> strangerAmong(PortalStore& store, std::int64_t officeId,
                                          const std::vector<std::int64_t>& clients)
{
    for (std::int64_t id : clients)
        if (!store.client(officeId, id))
            return id;
    return std::nullopt;
}

// The name of a document's file in the document folder: its ID and the
// extension the office gave it.
QString storedName(std::int64_t id, const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    return extension.isEmpty() ? QString::number(id) : QString::number(id) + QLatin1Char('.') + extension;
}

Document documentFor(const PortalContext& context, const SignedIn& who, const PublicationOrder& order,
                     std::int64_t clientId, const Upload& upload)
{
    Document d;
    d.officeId = who.office.id;
    d.clientId = clientId;
    d.type = order.type;
    d.description = order.description;
    d.fileName = order.fileName;
    d.size = upload.size;
    d.userId = who.user.id;
    d.published = isoMoment(context.now());
    d.activation = order.activation ? isoDay(*order.activation) : QString();
    d.expiry = order.expiry ? isoDay(*order.expiry) : QString();
    d.due = order.due ? isoDay(*order.due) : QString();
    d.amount = order.amount;
    return d;
}

// Stores one document per company in one transaction; answers their IDs,
// or none (and nothing stored) when a copy of the file could not be made.
std::optional<QStringList> storeDocuments(PortalContext& context, const SignedIn& who,
                                          const PublicationOrder& order, const Upload& upload)
{
    Transaction transaction(context.store.database());
    StoredCopies copies;
    QStringList ids;
    for (std::int64_t clientId : order.clients) {
        Document d = documentFor(context, who, order, clientId, upload);
        d.id = context.store.nextDocumentId();
        d.storedFile = storedName(d.id, order.fileName);
        if (!copies.copy(upload, context.documentsDir() + QLatin1Char('/') + d.storedFile))
            return std::nullopt;
        context.store.addDocument(d);
        Publication extras = order.extras;
        extras.documentId = d.id;
        context.store.addPublication(extras);
        ids << QString::number(d.id);
    }
    transaction.commit();
    copies.keep();
    return ids;
}

QString diagnostic(const QStringList& ids, const PublicationOrder& order, const Upload& upload, bool uploadRemoved)
{
    QString text = QStringLiteral("%1 documento(s) publicado(s) com o arquivo %2 (%3 bytes)")
                       .arg(ids.size())
                       .arg(order.fileName)
                       .arg(upload.size);
    if (!uploadRemoved)
        text += QStringLiteral("; o arquivo enviado ficou na pasta do FTP");
    return text;
}

} // namespace

Reply publicationPage(PortalContext& context, const QueryString& query)
{
    const Admission admission = admit(context, query);
    if (!admission.signedIn)
        return admission.refusal;
    const SignedIn& who = *admission.signedIn;
    const PublicationParse parsed = parsePublication(query);
    if (!parsed.order)
        return refusal(Refusal::BadRequest, parsed.error);
    const PublicationOrder& order = *parsed.order;
    if (const auto stranger = strangerAmong(context.store, who.office.id, order.clients))
        return refusal(Refusal::Unknown,
                       QStringLiteral("Cliente não cadastrado no escritório: %1!").arg(*stranger));
    const auto upload = findUpload(context.ftpRoot, order.fileName);
    if (!upload)
        return refusal(Refusal::BadRequest,
                       QStringLiteral("Arquivo não encontrado no servidor FTP: ") + order.fileName);
    if (!QDir().mkpath(context.documentsDir()))
        return refusal(Refusal::BadRequest, QStringLiteral("Não foi possível guardar o arquivo publicado!"));
    const auto ids = storeDocuments(context, who, order, *upload);
    if (!ids)
        return refusal(Refusal::BadRequest, QStringLiteral("Não foi possível guardar o arquivo publicado!"));
    const bool removed = QFile::remove(upload->path);
    return lines({kSistema, ids->join(QLatin1Char('*')), diagnostic(*ids, order, *upload, removed)});
}

} // namespace zv::portal
