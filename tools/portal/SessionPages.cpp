// Login, confirmation of a stored session and the reachability check.
#include "portal/Pages.h"
#include "portal/SessionGate.h"
#include "portal/WireDates.h"

namespace zv::portal {

namespace {

QStringList loginAnswer(const PortalContext& context, std::int64_t session, const User& user,
                        const Office& office)
{
    return {
        kSistema,
        QString::number(session),
        user.login,
        user.name,
        context.ftpServerOf(office),
        office.ftpUser,
        office.ftpPassword,
        office.name,
        QString::number(user.id),
        QString::number(office.id),
        office.logo,
        wireDay(context.today()),
        office.debug ? QStringLiteral("1") : QStringLiteral("0"),
        office.logoType,
        QString::number(user.admin),
    };
}

} // namespace

Reply loginPage(PortalContext& context, const QueryString& query)
{
    const QString domain = query.value(QStringLiteral("dom")).trimmed();
    const QString login = query.value(QStringLiteral("log")).trimmed();
    const QString password = query.value(QStringLiteral("psw"));
    if (domain.isEmpty() || login.isEmpty() || password.isEmpty())
        return refusal(Refusal::BadRequest, QStringLiteral("Informe o domínio, o usuário e a senha!"));

    const auto office = context.store.officeByDomain(domain);
    if (!office)
        return refusal(Refusal::Unknown, QStringLiteral("Domínio não cadastrado!"));
    const auto user = context.store.userByLogin(office->id, login);
    if (!user || user->password != password)
        return refusal(Refusal::NotAccepted, QStringLiteral("Usuário ou senha inválidos!"));
    if (!user->active)
        return refusal(Refusal::Blocked, blockedSentence());

    const std::int64_t session = context.store.openSession(user->id, context.nowSeconds());
    return lines(loginAnswer(context, session, *user, *office));
}

Reply confirmationPage(PortalContext& context, const QueryString& query)
{
    const Admission admission = admit(context, query);
    if (!admission.signedIn)
        return admission.refusal;
    const Office& office = admission.signedIn->office;
    return lines({kSistema, wireDay(context.today()), context.ftpServerOf(office), office.ftpUser,
                  office.ftpPassword});
}

Reply reachabilityPage(PortalContext&, const QueryString&)
{
    return lines({QStringLiteral("0"), QStringLiteral("Portal disponível")});
}

} // namespace zv::portal
