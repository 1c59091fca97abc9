#pragma once
#include "consultation/classConsultar.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace zv::consultation {

enum class Alinhamento { Padrao, Esquerda, Centro, Direita };

// One column of the consultation grid: caption, the table column it shows,
// its default width in twips and its alignments.
struct ColunaGrade {
    QString titulo;
    int origem;
    int larguraPadrao;
    Alinhamento alinhamento;
    Alinhamento cabecalho;
};

inline constexpr int kColunasGrade = 18;
// Grid columns read by more than the fill.
namespace ColunaGradeN {
inline constexpr int Vencimento = 6, Valor = 7, Arquivo = 9, Tamanho = 10, Status = 12, Id = 16, Local = 17;
}

const QList<ColunaGrade>& colunasGrade();

// Kilobytes of a size in bytes, rounded to one decimal (halves to the even
// digit), with a decimal comma, no thousands grouping and no needless ",0":
// 1536 -> "1,5", 3072 -> "3", 1536000 -> "1500".
QString kilobytes(double bytes);

// The dates of the grid: the regional general date of a date text, or
// nothing when the text is no date.
std::optional<QString> dataGeral(const QString& texto);

// One table row made ready for the grid: the row is rewritten in place
// ("Todos" for no client, the activation date, "-*-" for no date, 0 for an
// amount that is no number, the size in kilobytes) and the 18 grid texts are
// answered. falhas counts the date texts that did not convert.
QStringList linhaDaGrade(QStringList& linha, int* falhas = nullptr);

} // namespace zv::consultation
