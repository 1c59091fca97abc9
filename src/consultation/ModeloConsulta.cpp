#include "consultation/ModeloConsulta.h"

namespace zv::consultation {

Qt::Alignment alinhamentoQt(Alinhamento a)
{
    switch (a) {
    case Alinhamento::Centro:
        return Qt::AlignCenter;
    case Alinhamento::Direita:
        return Qt::AlignRight | Qt::AlignVCenter;
    case Alinhamento::Esquerda:
    case Alinhamento::Padrao:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

ModeloConsulta::ModeloConsulta(QObject* parent)
    : QAbstractTableModel(parent)
    , m_linhas{QStringList(kColunasGrade)}
{
}

int ModeloConsulta::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_linhas.size());
}

int ModeloConsulta::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColunasGrade;
}

QVariant ModeloConsulta::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_linhas.size() || index.column() >= kColunasGrade)
        return {};
    if (role == Qt::DisplayRole)
        return m_linhas[index.row()][index.column()];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alinhamentoQt(colunasGrade()[index.column()].alinhamento));
    return {};
}

QVariant ModeloConsulta::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColunasGrade)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return colunasGrade()[section].titulo;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alinhamentoQt(colunasGrade()[section].cabecalho));
    return {};
}

void ModeloConsulta::LimpaGrid()
{
    beginResetModel();
    m_linhas = {QStringList(kColunasGrade)};
    endResetModel();
}

int ModeloConsulta::CarregaConsulta(TabelaConsulta& tabela)
{
    int falhas = 0;
    QList<QStringList> linhas;
    const qsizetype mostradas = std::max<qsizetype>(0, tabela.size() - 1);
    linhas.reserve(mostradas);
    for (qsizetype i = 0; i < mostradas; ++i)
        linhas << linhaDaGrade(tabela[i], &falhas);
    if (linhas.isEmpty())
        linhas << QStringList(kColunasGrade);
    beginResetModel();
    m_linhas = std::move(linhas);
    endResetModel();
    return falhas;
}

QString ModeloConsulta::texto(int linha, int coluna) const
{
    if (linha < 0 || linha >= m_linhas.size() || coluna < 0 || coluna >= kColunasGrade)
        return {};
    return m_linhas[linha][coluna];
}

void ModeloConsulta::setTexto(int linha, int coluna, const QString& valor)
{
    if (linha < 0 || linha >= m_linhas.size() || coluna < 0 || coluna >= kColunasGrade)
        return;
    m_linhas[linha][coluna] = valor;
    const QModelIndex i = index(linha, coluna);
    Q_EMIT dataChanged(i, i);
}

} // namespace zv::consultation
