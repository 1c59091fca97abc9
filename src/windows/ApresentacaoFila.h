#pragma once
#include <QString>
#include <QStringList>
#include <Qt>

namespace zv::windows {

// How the sending window shows the send queue: the columns of its grid and
// the text of each cell for one queued record (the loader's eleven fields).
namespace ApresentacaoFila {

inline constexpr int kColunas = 11;

struct Coluna {
    QString titulo;
    int larguraTwips; // 0: the grid's default width
    Qt::Alignment alinhamento;
};

// Column c of the grid; widths are defaults for settings "mEnvio" / "c_" + c.
const Coluna& coluna(int c);
// The width of column c in twips: the stored setting, or the default when it
// is absent, empty or not a positive number.
int larguraTwips(int c);
// Whether the settings hold a usable width for column c.
bool larguraGuardada(int c);

// The name of a type code ("1" -> "Relatório"); another code unchanged.
QString nomeDoTipo(const QString& codigo);
// A field that reads as a date in the general date form; otherwise "-*-".
QString textoData(const QString& campo);
// "R$ 1.234,50" for an amount field; the field unchanged when it is no number.
QString textoValor(const QString& campo);
// "SIM" when the observation holds text, "NÃO" otherwise.
QString textoAviso(const QString& observacao);
// The observation as the text box shows it: "@|-" becomes a line break.
QString textoObservacao(const QString& campo);

// The grid cells of one record, columns 0 to 10.
QStringList celulas(const QStringList& registro);

} // namespace ApresentacaoFila
} // namespace zv::windows
