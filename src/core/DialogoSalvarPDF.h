#pragma once
#include <QString>

namespace zv::core {

// Saves a copy of the environment's current document under a name the user
// picks in the save-file dialog, with the questions for an empty name and
// for an existing file, and tells the user how it went. Every box and the
// dialog go through the dialog service; the copy is SalvarPDF of Ambiente.
// Never fails towards its caller.
void DialogoSalvarPDF(const QString& nomeInicial);

} // namespace zv::core
