// The office's reference lists: portfolios, client companies, users.
#include "portal/Pages.h"
#include "portal/SessionGate.h"

namespace zv::portal {

namespace {

const QString kSection = QStringLiteral("|*+");
const QString kItem = QStringLiteral("<!#");
const QString kField = QStringLiteral(">@%");

// Items joined, or the section's "nothing registered" marker.
QString section(const QStringList& items, const char* noneMarker)
{
    return items.isEmpty() ? QString::fromLatin1(noneMarker) : items.join(kItem);
}

QStringList portfolioItems(PortalStore& store, std::int64_t officeId)
{
    QStringList items;
    for (const Portfolio& p : store.portfolios(officeId))
        items << QString::number(p.id) + kField + p.name;
    return items;
}

QStringList clientItems(PortalStore& store, std::int64_t officeId)
{
    QStringList items;
    for (const Client& c : store.clients(officeId))
        items << QString::number(c.id) + kField + QString::number(c.portfolioId) + kField + c.name;
    return items;
}

QStringList userItems(PortalStore& store, std::int64_t officeId)
{
    QStringList items;
    for (const User& u : store.publishers(officeId))
        items << QString::number(u.id) + kField + u.name;
    return items;
}

} // namespace

// Both request forms ("c=1" and "u=1") answer the same lists.
Reply synchronisationPage(PortalContext& context, const QueryString& query)
{
    const Admission admission = admit(context, query);
    if (!admission.signedIn)
        return admission.refusal;
    const std::int64_t office = admission.signedIn->office.id;
    return text(kSistema + kSection + section(portfolioItems(context.store, office), "4") + kSection
                + section(clientItems(context.store, office), "5") + kSection
                + section(userItems(context.store, office), "6"));
}

} // namespace zv::portal
