#pragma once
#include <QString>

namespace zv::publishing {

// Whether a name that came from the portal (a document ID, a file name, a
// logo name) can be used as one file name inside one of the program's
// folders: not empty, no path separator, no drive colon, no control
// character, not "." or "..". Anything else could write or open a file
// outside the folder it is meant for.
bool nomeSeguro(const QString& nome);

} // namespace zv::publishing
