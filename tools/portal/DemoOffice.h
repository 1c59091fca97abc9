#pragma once
#include "portal/PortalContext.h"

namespace zv::portal {

// The demo office a newcomer logs into, written on the first start into an
// empty store: domain "DEMO", login "FINANCEIRO", password "demo"; three
// portfolios, a dozen client companies, three users and `documentCount`
// published documents of every type, each with its own small PDF file in the
// data folder, and e-mail contacts for most companies. A second office,
// domain "VAZIO", has no portfolio, client or published document. The documents' dates lie around `today`; the same
// count and day always give the same documents.
void seedDemo(PortalContext& context, int documentCount = 200);

// A store written before the demo office had e-mail contacts gains them
// (the rest of the store is left as it is). Answers whether it wrote any.
bool seedDemoContactsIfMissing(PortalContext& context);

inline constexpr std::int64_t kDemoOfficeId = 57;
inline constexpr std::int64_t kEmptyOfficeId = 58;
inline constexpr std::int64_t kFirstDocumentId = 100001;

} // namespace zv::portal
