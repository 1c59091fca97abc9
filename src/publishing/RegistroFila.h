#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace zv::publishing {

// One line of the send-queue index: eleven fields, each followed by ">@%".
namespace RegistroFila {

inline constexpr int kCampos = 11;

enum Campo {
    Empresas = 0, Copia, Titulo, Tipo, Descricao, Ativacao, Expiracao, Observacao, Avisos, Valor,
    Vencimento
};

// The line for these eleven field texts, without its line ending. Line
// breaks in the observation become "@|-"; elsewhere they become a space.
// Empty when a field holds the field separator itself, which no reader
// could split back.
std::optional<QString> monta(const QStringList& campos);

// The eleven fields of a line; empty for a line that does not hold eleven.
std::optional<QStringList> le(const QString& linha);

// The text the queue shows for the companies field: the client's name for
// one ID, "(n)Empresas" for n companies.
QString textoEmpresas(const QString& campo, const QString& nomeDeUmCliente);
bool variasEmpresas(const QString& campo);

// The amount as the regional number form writes it: 0, 1234,56.
QString valorRegional(double valor);

} // namespace RegistroFila
} // namespace zv::publishing
