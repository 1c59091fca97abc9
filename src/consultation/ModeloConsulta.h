#pragma once
#include "consultation/GradeConsulta.h"

#include <QAbstractTableModel>

namespace zv::consultation {

// The consultation grid's rows as a table model: the captions in the
// header, one data row per document, and after an empty or cleared grid a
// single empty row.
class ModeloConsulta : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloConsulta(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Cuts the grid to one empty data row.
    void LimpaGrid();
    // Fills the grid from rows 0..N-1 of the table (row N is the spare row,
    // never shown), rewriting the table's rows in place; answers how many
    // date texts did not convert.
    int CarregaConsulta(TabelaConsulta& tabela);
    // The text of one cell, and a change of it (the "Local" of a download).
    QString texto(int linha, int coluna) const;
    void setTexto(int linha, int coluna, const QString& valor);

private:
    QList<QStringList> m_linhas;
};

// Qt's alignment of a grid alignment; the grid's own default is text to
// the left, centred vertically.
Qt::Alignment alinhamentoQt(Alinhamento a);

} // namespace zv::consultation
