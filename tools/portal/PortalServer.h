#pragma once
#include "portal/Answer.h"
#include "portal/PortalContext.h"

#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace zv::portal {

// The pages served over HTTP. Requests are answered one at a time (the store
// is one SQLite connection); every answer has a body, refusals included.
class PortalServer {
public:
    explicit PortalServer(PortalContext& context);
    ~PortalServer();
    PortalServer(const PortalServer&) = delete;
    PortalServer& operator=(const PortalServer&) = delete;

    // Binds the address; port 0 picks a free one. Answers the port, or -1.
    int bind(const std::string& address, int port);
    // Serves until stop(); answers false when serving could not start.
    bool run();
    void stop();

    // One request, by its raw target ("/printer/x.asp?a=1", "//printer/...").
    Reply answer(std::string_view target);

private:
    struct State;
    std::unique_ptr<State> d;
};

} // namespace zv::portal
