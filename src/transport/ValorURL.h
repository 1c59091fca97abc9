#pragma once
#include <QString>

namespace zv::transport {

// A value for a query string that the portal reads "as typed": it must
// arrive intact, so the characters that would change the query or cannot go
// on a request line ("&", "#", "+", "%", the space, control characters and
// everything beyond ASCII) are percent-encoded with their Windows-1252 code;
// every other character stays exactly as written.
QString ValorURL(const QString& valor);

} // namespace zv::transport
