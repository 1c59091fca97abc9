#pragma once
#include <QString>

namespace zv::core {

// Placing one document in a folder the user chose. The names come from the
// portal, so they are made into one plain file name first; and the folder is
// the user's, so nothing in it is ever replaced: a name already taken gets a
// number, "guia (2).pdf", the way the desktop names a second copy.
namespace CopiaBackup {

// nome as one file name inside a folder: path separators, the drive colon,
// the characters the office's desktops refuse in a name and control
// characters become "_"; leading and trailing dots and blanks go (no "..",
// no hidden file, nothing the desktop would silently cut). A name with
// nothing left is replaced by reserva.
QString nomeNaPasta(const QString& nome, const QString& reserva);

// The name of the n-th copy: nome itself for 1, otherwise " (n)" before the
// extension ("guia (2).pdf", "LEIAME (3)").
QString nomeNumerado(const QString& nome, int numero);

struct Resultado {
    QString caminho;        // the file written; empty on failure
    QString erro;           // why nothing was written
    bool renomeado = false; // the name was taken and a numbered one used
};

// Copies origem into pasta under nome, or under the first numbered name not
// yet taken. The file is created only if it does not exist, so a file that
// appears meanwhile is not overwritten either; a copy that fails halfway
// removes what it wrote of its own file and nothing else.
Resultado copia(const QString& origem, const QString& pasta, const QString& nome);

// How many numbered names are tried before the copy gives up.
inline constexpr int kTentativas = 9999;

} // namespace CopiaBackup
} // namespace zv::core
