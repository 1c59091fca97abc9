#pragma once
#include <QString>

namespace zv::core {

// Copies a file beside its destination first and puts it in place only
// once complete, so a failed copy never leaves a damaged file behind nor
// destroys the file it was to replace. With substituir false an existing
// destination is refused. Copying a file onto itself is refused.
bool copiaSegura(const QString& origem, const QString& destino, bool substituir);

} // namespace zv::core
