#pragma once
#include "consultation/classConsultar.h"
#include "publishing/ListasReferencia.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

namespace zv::core {
class classAmbiente;
}
namespace zv::ui {
class CommandBar;
}

namespace zv::consultation {

class ModeloConsulta;

// The consultation window: filters of the office's published documents,
// the count and size sum of the result, the grid, and the viewing or
// download of one document by a double-click. The Monitor opens it modally
// between Consulta_Iniciar and Consulta_Finalizar.
class frmConsulta : public QDialog {
    Q_OBJECT
public:
    explicit frmConsulta(QWidget* parent = nullptr);
    ~frmConsulta() override;

    // The window's table: the last successful result, rewritten by the fill
    // and by a download.
    const TabelaConsulta& TabelaConsultaAtual() const { return TabelaConsulta_; }
    ModeloConsulta* modelo() const { return m_modelo; }

    // The procedures of the window, public so that the Monitor's tests and
    // the screenshots can drive them as the keys do.
    void ExecutaFiltro();
    void cmdResetarCampos_Click();
    void grdConsulta_DblClick(int linha);
    void ConfigLoad();
    void ConfigSave(bool reset);

    // Sizes in twips, as the layout memory keeps them.
    int larguraTwips() const;
    int alturaTwips() const;
    void redimensionaTwips(int largura, int altura);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    void montaControles();
    void Form_Load();
    void Form_Unload();
    void CarregaCboCli();
    void CarregaCboUsr();
    void carregaCombo(QComboBox* combo, QList<qint32>& ids, const publishing::Tabela& lista, const QString& nome);
    void AddComboItem(QComboBox* combo, QList<qint32>& ids, const QString& texto, const QString& id);
    void cboTipoData_Click();
    void LimpaGrid();
    void CarregaConsulta();
    void mostraResultado(qint16 vRetorno, qint32 vSumSize);
    void suVizualisar(const QString& id, const QString& arquivo);
    void aplicaLarguraColuna(int coluna, int twips);
    int larguraColunaTwips(int coluna) const;
    core::classAmbiente& ambiente() const;
    // The size in bytes the portal published for the row's document; empty
    // when the query no longer holds that row.
    QString tamanhoPublicado(int linha, const QString& id) const;

    // The twips last set, so that a size that pixels cannot hold exactly
    // is kept as it was set while the widget still has it.
    int twipsDe(int pixels, int twipsPostos, bool horizontal) const;
    int m_larguraPosta = 0, m_alturaPosta = 0;
    QList<int> m_colunasPostas = QList<int>(18, 0);

    QList<qint32> IdsClientes;
    QList<qint32> IdsUsuarios;
    TabelaConsulta TabelaConsulta_;
    bool m_salvo = false;

    QComboBox* cboClientes = nullptr;
    QComboBox* cboTipoDocto = nullptr;
    QComboBox* cboTipoData = nullptr;
    QComboBox* cboUsuarios = nullptr;
    QComboBox* cboOrdem = nullptr;
    QComboBox* cboMostrar = nullptr;
    QDateEdit* dtpDtInicio = nullptr;
    QDateEdit* dtpDtFim = nullptr;
    ui::CommandBar* m_filtrar = nullptr;
    QGroupBox* m_informacoes = nullptr;
    QLabel* iblRetorno = nullptr;
    QLabel* iblSumSize = nullptr;
    QPushButton* cmdResetarCampos = nullptr;
    QTableView* grdConsulta = nullptr;
    QLabel* iblInform = nullptr;
    QList<QFrame*> m_linhas;
    ModeloConsulta* m_modelo = nullptr;
};

// Whether a document may be handed to the desktop: not a type that is
// forbidden to publish, not a program or script of this platform.
bool tipoPermitidoParaAbrir(const QString& arquivo);

} // namespace zv::consultation
