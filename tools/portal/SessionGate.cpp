#include "portal/SessionGate.h"

namespace zv::portal {

QString blockedSentence()
{
    return QStringLiteral("Usuário bloqueado! Procure o administrador do escritório.");
}

Admission admit(PortalContext& context, const QueryString& query)
{
    const auto number = query.integer(QStringLiteral("s"));
    const auto loginId = query.integer(QStringLiteral("l"));
    if (!number || !loginId)
        return {std::nullopt, refusal(Refusal::BadRequest, QStringLiteral("Sessão não informada!"))};

    const auto session = context.store.session(*number);
    if (!session || session->userId != *loginId)
        return {std::nullopt,
                refusal(Refusal::Unknown, QStringLiteral("Sessão inválida! Faça o login novamente."))};
    const std::int64_t now = context.nowSeconds();
    if (now - session->lastUse > context.sessionLifetime)
        return {std::nullopt,
                refusal(Refusal::NotAccepted, QStringLiteral("Sessão expirada! Faça o login novamente."))};

    const auto user = context.store.userById(session->userId);
    const auto office = user ? context.store.officeById(user->officeId) : std::nullopt;
    if (!user || !office || !user->active)
        return {std::nullopt, refusal(Refusal::Blocked, blockedSentence())};

    context.store.touchSession(session->number, now);
    return {SignedIn{*session, *user, *office}, Reply{}};
}

} // namespace zv::portal
