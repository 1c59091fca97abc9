#pragma once
#include "publishing/FilaEnvio.h"

#include <QDialog>
#include <QTimer>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace zv::ui {
class CommandBar;
}

namespace zv::windows {

class SeletorData;

// "Envio de Documentos": the send queue as the user sees it. Showing the
// window loads the queue; selecting a row shows that document's metadata in
// the fields above the grid. The window writes nothing: no settings, no
// queue changes, no portal requests. Each request opens a new one.
class frmMEnvio : public QDialog {
    Q_OBJECT
public:
    static constexpr int kObservacaoMax = 1000;
    // How often the window looks at the program's exit request.
    static constexpr int kEncerrarMs = 1000;

    explicit frmMEnvio(QWidget* parent = nullptr);
    ~frmMEnvio() override;

    // The loading steps; run once, when the window is first shown.
    void Form_Load();

    // The row display for a grid row counted as the grid counts them: row 0
    // is the header, record r sits in row r + 1.
    void MostraLinha(int linhaGrade);

    const publishing::TabelaFila& fila() const { return m_fila; }
    int quantidadeRegistros() const;
    QStandardItemModel* modelo() const { return m_modelo; }
    ui::CommandBar* comandos() const { return m_comandos; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void montaControles();
    QWidget* montaCampos();
    QWidget* montaPagamento();
    QWidget* montaObservacao();
    QWidget* montaAviso();
    QWidget* montaDocumento();
    QWidget* montaGrade();
    void montaLayoutGrade();
    void carregaFila();
    void preencheListas();
    void preencheLinhas();
    void txtObs_Change();
    void grdFila_Click(const QModelIndex& index);

    publishing::TabelaFila m_fila;
    qint16 m_ultimoRegistro = 0;
    bool m_carregado = false;
    QTimer m_encerrar;

    QComboBox* m_cboCliente = nullptr;
    QComboBox* m_cboTipoDoctos = nullptr;
    QLineEdit* m_txtDescricao = nullptr;
    SeletorData* m_dtpAtivacao = nullptr;
    SeletorData* m_dtpExpiracao = nullptr;
    QGroupBox* m_fraPagto = nullptr;
    SeletorData* m_dtpVencimento = nullptr;
    QLineEdit* m_txtValor = nullptr;
    QPlainTextEdit* m_txtObs = nullptr;
    QLabel* m_iblObsChars = nullptr;
    QListWidget* m_list1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QTableView* m_grdFila = nullptr;
    QStandardItemModel* m_modelo = nullptr;
    ui::CommandBar* m_comandos = nullptr;
};

} // namespace zv::windows
