// Office information: storage space, the rotating tips and the logo.
#include "portal/Pages.h"
#include "portal/SessionGate.h"

#include "platform/Regional.h"

#include <QFile>

namespace zv::portal {

namespace {

const QString kTipPart = QStringLiteral("-*=");
constexpr double kMegabyte = 1024.0 * 1024.0;

Reply noLogo()
{
    return refusal(Refusal::Unknown, QStringLiteral("Logo não encontrado!"), 404);
}

} // namespace

// Total and used space in megabytes, in the office's regional number form.
Reply storagePage(PortalContext& context, const QueryString& query)
{
    const Admission admission = admit(context, query);
    if (!admission.signedIn)
        return admission.refusal;
    const Office& office = admission.signedIn->office;
    const double used = double(context.store.bytesInUse(office.id)) / kMegabyte;
    return text(kSistema + QLatin1Char(';') + platform::Regional::number(office.spaceTotal, 2)
                + QLatin1Char(';') + platform::Regional::number(used, 2));
}

// The tip after the one whose order the client sends back; the series
// starts again after its last tip, and at its first for an empty or unknown
// order.
Reply tipsPage(PortalContext& context, const QueryString& query)
{
    const Admission admission = admit(context, query);
    if (!admission.signedIn)
        return admission.refusal;
    const auto tip = context.store.tipAfter(query.integer(QStringLiteral("ordem")));
    if (!tip)
        return refusal(Refusal::Unknown, QStringLiteral("Nenhuma dica cadastrada!"));
    return text(QString::number(tip->order) + kTipPart + tip->title + kTipPart + tip->text);
}

// "zorvelanta/escritorio_arq/0057/logo.bmp": the logo the office registered,
// nothing else from the folder.
Reply logoPage(PortalContext& context, const QString& pagePath)
{
    const QStringList parts = pagePath.split(QLatin1Char('/'));
    if (parts.size() != 4)
        return noLogo();
    bool ok = false;
    const qlonglong officeId = parts[2].toLongLong(&ok);
    const auto office = ok ? context.store.officeById(officeId) : std::nullopt;
    if (!office || office->logo.compare(parts[3], Qt::CaseInsensitive) != 0)
        return noLogo();
    QFile file(context.logoDir(office->id) + QLatin1Char('/') + office->logo);
    if (!file.open(QIODevice::ReadOnly))
        return noLogo();
    return bytes(file.readAll(), "image/bmp");
}

} // namespace zv::portal
