#pragma once
#include "portal/Answer.h"
#include "portal/PortalContext.h"
#include "portal/PortalStore.h"
#include "portal/QueryString.h"

#include <optional>

namespace zv::portal {

struct SignedIn {
    Session session;
    User user;
    Office office;
};

// The outcome of checking a request's "s" (session) and "l" (login ID):
// either who is signed in, or the refusal to answer.
struct Admission {
    std::optional<SignedIn> signedIn;
    Reply refusal;
};

// Admits a request of a live session, which each use keeps alive for
// another lifetime.
Admission admit(PortalContext& context, const QueryString& query);

// The sentence of a blocked user, shared by login and session checks.
QString blockedSentence();

} // namespace zv::portal
