#pragma once
#include <QString>

// The shared module of the program. Functions that need windows (the colour
// check, the save-PDF dialog) live with the windows; the boxes of the rest go
// through the dialog service of the platform layer.
namespace zv::core {

// The user's Send To folder (true) or application-data folder (false), with
// no trailing separator; empty when the desktop cannot tell.
QString PastaEspecial(bool flag);

// The error routine of every window and daemon procedure: shows the error
// box and appends a record to ERRO.LOG. Never fails towards its caller.
void TrataErro(qint32 numero, const QString& objeto, const QString& procedimento);

// Switch that suppresses the error box; false for the whole run.
inline constexpr bool NoMessage = false;

// True when the program runs as its built executable (a shipped program
// always does); only then does TrataErro write ERRO.LOG.
bool IsExe();
void setIsExe(bool value);

} // namespace zv::core
