#pragma once
#include <QString>

namespace zv::daemon {

// The Send To entry of the capture program: a desktop entry ZVP.desktop in
// the user's Send To folder (the desktop-entry folder here), so that any file
// can be handed to ZvP from the file manager.
namespace SendToEntry {

inline const QString kNome = QStringLiteral("ZVP.desktop");

// Creates the entry when no file of that name exists; an existing one,
// wherever it points, is never examined or rewritten. Failures go to the
// error routine under "frmMainDaemon" / "verificaAtalho".
void verificaAtalho();

// Where the entry lives, and its text for a program folder.
QString caminho();
QString conteudo(const QString& pastaPrograma);

} // namespace SendToEntry
} // namespace zv::daemon
