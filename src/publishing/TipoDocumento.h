#pragma once
#include <QString>

namespace zv::publishing {

// The three kinds of published document: code, name, and letter on the wire.
enum class TipoDocumento : int { Pagamento = 0, Relatorio = 1, Diversos = 2 };

bool tipoValido(int codigo);
QString nomeTipo(int codigo);   // "Pagamento", "Relatório", "Diversos"; empty for another code
QString letraTipo(int codigo);  // "P", "R", "D"; empty for another code
int codigoDaLetra(const QString& letra); // -1 for an unknown letter

} // namespace zv::publishing
