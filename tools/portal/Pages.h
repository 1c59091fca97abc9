#pragma once
#include "portal/Answer.h"
#include "portal/PortalContext.h"
#include "portal/QueryString.h"

namespace zv::portal {

// The portal's pages. Each answers one request from its decoded query; none
// throws for bad input (a refusal answers it), only for a failing store.

// printer/printer_login_b.asp: log=, psw=, dom=
Reply loginPage(PortalContext& context, const QueryString& query);
// printer/printer_login_conf_b.asp: s=, l=
Reply confirmationPage(PortalContext& context, const QueryString& query);
// printer/printer_login.asp
Reply reachabilityPage(PortalContext& context, const QueryString& query);
// printer/sincroniza.asp: s=, l=, c=1 or u=1
Reply synchronisationPage(PortalContext& context, const QueryString& query);
// printer/consulta_b.asp: the consultation, or with ia= one document's bytes
Reply consultationPage(PortalContext& context, const QueryString& query);
// printer/espaco_b.asp: s=, l=
Reply storagePage(PortalContext& context, const QueryString& query);
// printer/dicas_b.asp: s=, l=, ordem=
Reply tipsPage(PortalContext& context, const QueryString& query);
// printer/publica_b_novo.asp: the publication of a file put on the FTP
// server; l=, s=, e=, t=, a=, x=, v=, r=, d=, o=, f=, Parametro1..5, idPasta,
// UsuarioID, Admin, Email
Reply publicationPage(PortalContext& context, const QueryString& query);
// printer/avisos_b.asp: a=l, t= 1 or 2, u= document; the notice's recipients
Reply noticeListPage(PortalContext& context, const QueryString& query);
// printer/avisos.asp: a=e, u= document, i= address; one notice
Reply noticePage(PortalContext& context, const QueryString& query);
// zorvelanta/escritorio_arq/NNNN/<logo>: the office logo's bytes
Reply logoPage(PortalContext& context, const QString& pagePath);

} // namespace zv::portal
