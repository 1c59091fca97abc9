#pragma once
#include <QString>

namespace zv::transport {

// The portal's base URL (an http or https URL ending in "/") and its www
// form. The compiled-in address is replaced for the whole program by the
// environment variable ZORVELANTA_PORTAL when that holds such a URL.
QString portalBaseUrl();
QString portalWwwUrl();

inline constexpr const char* kPortalVariable = "ZORVELANTA_PORTAL";
inline const QString kDefaultPortal = QStringLiteral("http://portal.zorvelanta.com.br/");

// The www form of a base URL: "www." before the host unless it is already
// there, or the host is an address or a single name (loopback, a test host).
QString wwwForm(const QString& baseUrl);

} // namespace zv::transport
