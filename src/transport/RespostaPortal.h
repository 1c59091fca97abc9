#pragma once
#include <QString>
#include <QStringList>

namespace zv::transport {

// The delimiters of the portal's answers and of the program's own files.
namespace Delimitador {
inline const QString Secao = QStringLiteral("|*+");       // between sections
inline const QString Item = QStringLiteral("<!#");        // between items or records
inline const QString Campo = QStringLiteral(">@%");       // between fields
inline const QString QuebraLinha = QStringLiteral("@|-"); // a line break inside a stored observation
inline const QString Ids = QStringLiteral("*");           // between IDs
inline const QString Partes = QStringLiteral(";");        // parts of the storage answer, of a recipient
inline const QString Dica = QStringLiteral("-*=");        // parts of a tip
inline const QString CrLf = QStringLiteral("\r\n");
} // namespace Delimitador

// An answer split at every CR LF; line 0 is the first.
QStringList linhas(const QString& resposta);

// Split at a delimiter, keeping empty pieces (the portal's records may end
// in an empty field).
QStringList partes(const QString& texto, const QString& delimitador);

// Whether the answer's whole first line is the system name, and whether the
// answer begins with its characters: the two success tests of the callers.
bool primeiraLinhaE(const QString& resposta, const QString& sistema);
bool comecaCom(const QString& resposta, const QString& sistema);

} // namespace zv::transport
