#include "windows/frmMEnvio.h"

#include "core/Conversions.h"
#include "core/ErrorTrap.h"
#include "core/Globals.h"
#include "core/classAmbiente.h"
#include "platform/DialogService.h"
#include "platform/Regional.h"
#include "publishing/RegistroFila.h"
#include "publishing/TipoDocumento.h"
#include "ui/CommandBar.h"
#include "ui/Twips.h"
#include "ui/WindowFont.h"
#include "windows/ApresentacaoFila.h"
#include "windows/SeletorData.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>

namespace zv::windows {

namespace {

using publishing::RegistroFila::Campo;
namespace Apresentacao = ApresentacaoFila;

QLabel* rotulo(const QString& nome, const QString& texto, QWidget* parent)
{
    auto* l = new QLabel(texto, parent);
    l->setObjectName(nome);
    return l;
}

template <class W>
W* nomeado(W* w, const QString& nome)
{
    w->setObjectName(nome);
    return w;
}

std::optional<QDate> dataDoCampo(const QString& campo)
{
    return platform::Regional::parseDate(campo.left(10));
}

const QString kChars = QStringLiteral("Número de caracteres restantes");
constexpr int kColunaAviso = 10;

} // namespace

frmMEnvio::frmMEnvio(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmMEnvio"));
    setWindowTitle(QStringLiteral("Envio de Documentos"));
    setFont(ui::windowFont(8));
    montaControles();
    // The program's exit request closes every window it has open, this one too.
    m_encerrar.setInterval(kEncerrarMs);
    connect(&m_encerrar, &QTimer::timeout, this, [this] {
        if (core::bEncerrar)
            close();
    });
    m_encerrar.start();
}

frmMEnvio::~frmMEnvio() = default;

int frmMEnvio::quantidadeRegistros() const
{
    return m_fila.isEmpty() ? 0 : int(m_fila.size()) - 1;
}

void frmMEnvio::montaControles()
{
    auto* layout = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    topo->addWidget(montaCampos(), 3);
    auto* direita = new QVBoxLayout;
    direita->addWidget(montaObservacao(), 3);
    direita->addWidget(montaAviso(), 2);
    topo->addLayout(direita, 2);
    layout->addLayout(topo);
    layout->addWidget(montaDocumento());
    layout->addWidget(montaGrade(), 1);

    const QList<ui::Command> comandos = {
        {QStringLiteral("keyEnviar"), QStringLiteral("Enviar"), {}, QStringLiteral("Enviar"),
         QStringLiteral("cmdSalvar")},
        {QStringLiteral("keySair"), QStringLiteral("Sair"), {}, QStringLiteral("Sair"), QStringLiteral("cmdSair")},
    };
    m_comandos = new ui::CommandBar(comandos, QStringLiteral("tbEnviar"), this);
    // Sending from this window is not offered: the queue is only shown.
    if (QAction* a = m_comandos->action(QStringLiteral("keyEnviar")))
        a->setEnabled(false);
    if (QPushButton* b = m_comandos->button(QStringLiteral("cmdSalvar")))
        b->setEnabled(false);
    connect(m_comandos, &ui::CommandBar::commandTriggered, this, [this](const QString& key) {
        if (key == QLatin1String("keySair"))
            close();
    });
    layout->addWidget(m_comandos, 0, Qt::AlignRight);
}

QWidget* frmMEnvio::montaCampos()
{
    auto* w = new QWidget(this);
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    m_cboCliente = nomeado(new QComboBox(w), QStringLiteral("cboCliente"));
    m_cboTipoDoctos = nomeado(new QComboBox(w), QStringLiteral("cboTipoDoctos"));
    for (int codigo = 0; codigo < 3; ++codigo)
        m_cboTipoDoctos->addItem(publishing::nomeTipo(codigo), codigo);
    m_txtDescricao = nomeado(new QLineEdit(w), QStringLiteral("txtDescricao"));
    m_txtDescricao->setMaxLength(publishing::classEnviar::kDescricaoMax);
    m_dtpAtivacao = nomeado(new SeletorData(w), QStringLiteral("dtpAtivacao"));
    m_dtpExpiracao = nomeado(new SeletorData(w), QStringLiteral("dtpExpiracao"));

    g->addWidget(rotulo(QStringLiteral("iblCliente"), QStringLiteral("Cliente:"), w), 0, 0);
    g->addWidget(m_cboCliente, 0, 1, 1, 3);
    g->addWidget(rotulo(QStringLiteral("Label3"), QStringLiteral("Tipo de Documento:"), w), 1, 0);
    g->addWidget(m_cboTipoDoctos, 1, 1, 1, 3);
    g->addWidget(rotulo(QStringLiteral("Label4"), QStringLiteral("Descrição:"), w), 2, 0);
    g->addWidget(m_txtDescricao, 2, 1, 1, 3);
    g->addWidget(rotulo(QStringLiteral("Label8"), QStringLiteral("Ativação:"), w), 3, 0);
    g->addWidget(m_dtpAtivacao, 3, 1);
    g->addWidget(rotulo(QStringLiteral("Label7"), QStringLiteral("Expiração:"), w), 3, 2, Qt::AlignRight);
    g->addWidget(m_dtpExpiracao, 3, 3);
    g->addWidget(montaPagamento(), 4, 0, 1, 4);
    g->setRowStretch(5, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    return w;
}

QWidget* frmMEnvio::montaPagamento()
{
    m_fraPagto = nomeado(new QGroupBox(QStringLiteral("Informações de Pagamento"), this), QStringLiteral("fraPagto"));
    auto* g = new QGridLayout(m_fraPagto);
    m_dtpVencimento = nomeado(new SeletorData(m_fraPagto), QStringLiteral("dtpVencimento"));
    m_txtValor = nomeado(new QLineEdit(QStringLiteral("0,00"), m_fraPagto), QStringLiteral("txtValor"));
    m_txtValor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(rotulo(QStringLiteral("Label5"), QStringLiteral("Vencimento"), m_fraPagto), 0, 0);
    g->addWidget(m_dtpVencimento, 0, 1);
    g->addWidget(rotulo(QStringLiteral("Label6"), QStringLiteral("Valor"), m_fraPagto), 0, 2, Qt::AlignRight);
    g->addWidget(m_txtValor, 0, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    return m_fraPagto;
}

QWidget* frmMEnvio::montaObservacao()
{
    auto* w = new QWidget(this);
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(0);
    m_txtObs = nomeado(new QPlainTextEdit(w), QStringLiteral("txtObs"));
    m_txtObs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_iblObsChars = rotulo(QStringLiteral("iblObsChars"), QString::number(kObservacaoMax), w);
    m_iblObsChars->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_iblObsChars->setToolTip(kChars);
    auto* chars = rotulo(QStringLiteral("iblObsC"), QStringLiteral(" chars"), w);
    chars->setFrameShape(QFrame::Box);
    chars->setToolTip(kChars);
    g->addWidget(rotulo(QStringLiteral("iblObs"), QStringLiteral("Observação:"), w), 0, 0);
    g->addWidget(m_iblObsChars, 0, 1, Qt::AlignRight);
    g->addWidget(chars, 0, 2);
    g->addWidget(m_txtObs, 1, 0, 1, 3);
    g->setColumnStretch(0, 1);
    connect(m_txtObs, &QPlainTextEdit::textChanged, this, &frmMEnvio::txtObs_Change);
    return w;
}

QWidget* frmMEnvio::montaAviso()
{
    auto* frame = nomeado(new QGroupBox(QStringLiteral("Aviso"), this), QStringLiteral("Frame1"));
    auto* l = new QVBoxLayout(frame);
    m_list1 = nomeado(new QListWidget(frame), QStringLiteral("List1"));
    l->addWidget(m_list1);
    return frame;
}

QWidget* frmMEnvio::montaDocumento()
{
    auto* w = new QWidget(this);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    m_text1 = nomeado(new QLineEdit(w), QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    h->addWidget(rotulo(QStringLiteral("Label9"), QStringLiteral("Documento"), w));
    h->addWidget(m_text1, 1);
    // Adding to or removing from the queue is not offered here: the
    // window shows the queue and writes nothing.
    for (const auto& [nome, texto] : {std::pair{"cmdDocto", "..."}, std::pair{"cmdEnviar", "Adicionar"},
                                      std::pair{"Command1", "Remover"}}) {
        auto* b = nomeado(new QPushButton(QString::fromUtf8(texto), w), QString::fromLatin1(nome));
        b->setEnabled(false);
        b->setAutoDefault(false);
        h->addWidget(b);
    }
    return w;
}

QWidget* frmMEnvio::montaGrade()
{
    auto* w = new QWidget(this);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(rotulo(QStringLiteral("Label2"), QStringLiteral("Transferências:"), w));
    m_grdFila = nomeado(new QTableView(w), QStringLiteral("grdFila"));
    m_modelo = new QStandardItemModel(0, Apresentacao::kColunas, this);
    m_grdFila->setModel(m_modelo);
    m_grdFila->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grdFila->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grdFila->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grdFila->verticalHeader()->hide();
    m_grdFila->verticalHeader()->setDefaultSectionSize(ui::Twips::toPixelsY(255, this));
    m_grdFila->horizontalHeader()->setSectionsClickable(false);
    m_grdFila->horizontalHeader()->setHighlightSections(false);
    m_grdFila->setMinimumSize(ui::Twips::toPixelsX(13800, this), ui::Twips::toPixelsY(2600, this));
    l->addWidget(m_grdFila, 1);
    connect(m_grdFila, &QTableView::clicked, this, &frmMEnvio::grdFila_Click);
    connect(m_grdFila->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& atual) { if (atual.isValid()) MostraLinha(atual.row() + 1); });
    return w;
}

void frmMEnvio::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_carregado)
        return;
    m_carregado = true;
    Form_Load();
}

void frmMEnvio::Form_Load()
{
    m_comandos->applyColourCheck();
    montaLayoutGrade();
    adjustSize();
    if (const QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
    carregaFila();
}

// Every statement of the layout stands alone: one that fails is skipped.
void frmMEnvio::montaLayoutGrade()
{
    using core::ignoreFailures;
    ignoreFailures([&] { m_modelo->setColumnCount(Apresentacao::kColunas); });
    for (int c = 0; c < Apresentacao::kColunas; ++c) {
        const Apresentacao::Coluna& col = Apresentacao::coluna(c);
        ignoreFailures([&] { m_modelo->setHeaderData(c, Qt::Horizontal, col.titulo); });
        ignoreFailures([&] {
            const int twips = Apresentacao::larguraTwips(c);
            int largura = twips > 0 ? ui::Twips::toPixelsX(twips, this)
                                    : m_grdFila->horizontalHeader()->defaultSectionSize();
            // The notice column's default is narrower than its own "NÃO".
            if (c == kColunaAviso && !Apresentacao::larguraGuardada(c))
                largura = std::max(largura, m_grdFila->fontMetrics().horizontalAdvance(QStringLiteral("NÃO")) + 10);
            m_grdFila->setColumnWidth(c, largura);
        });
        ignoreFailures([&] {
            m_modelo->setHeaderData(c, Qt::Horizontal, QVariant::fromValue(col.alinhamento), Qt::TextAlignmentRole);
        });
    }
    // Room for every column, so that no column hides behind the scroll bar.
    ignoreFailures([&] {
        const int largura = m_grdFila->horizontalHeader()->length() + 2 * m_grdFila->frameWidth()
                            + m_grdFila->verticalScrollBar()->sizeHint().width();
        m_grdFila->setMinimumWidth(std::max(m_grdFila->minimumWidth(), largura));
    });
}

void frmMEnvio::carregaFila()
{
    bool erro = false;
    QString aviso;
    if (core::Ambiente) {
        m_fila = core::Ambiente->CarregaFila(erro);
        aviso = core::Ambiente->AvisoFila();
    } else {
        erro = true;
    }
    if (erro) {
        m_fila.clear();
        const QString texto = core::Ambiente ? core::Ambiente->Erro() : QStringLiteral("Problemas ao carregar a fila!");
        platform::Dialogs::messageBox(texto, core::kSistema, platform::Icon::Exclamation);
        return;
    }
    m_modelo->setRowCount(quantidadeRegistros());
    setVisible(true);
    preencheLinhas();
    preencheListas();
    if (!aviso.isEmpty())
        platform::Dialogs::messageBox(aviso, core::kSistema, platform::Icon::Exclamation);
}

void frmMEnvio::preencheLinhas()
{
    for (int r = 0; r < quantidadeRegistros(); ++r) {
        const QStringList celulas = Apresentacao::celulas(m_fila[r]);
        for (int c = 0; c < Apresentacao::kColunas; ++c) {
            auto* item = new QStandardItem(celulas[c]);
            item->setTextAlignment(Apresentacao::coluna(c).alinhamento);
            m_modelo->setItem(r, c, item);
        }
    }
}

// The office's companies and users, as the queue's synchronisation left
// them, so that a selected document shows its company and the notice list
// shows who could be told.
void frmMEnvio::preencheListas()
{
    core::ignoreFailures([&] {
        const publishing::Tabela clientes = core::Ambiente->Clientes(0);
        for (qsizetype r = 0; r + 1 < clientes.size(); ++r)
            m_cboCliente->addItem(clientes[r].value(1), clientes[r].value(0));
    });
    m_cboCliente->setCurrentIndex(-1);
    core::ignoreFailures([&] {
        const publishing::Tabela usuarios = core::Ambiente->Usuarios();
        for (qsizetype r = 0; r + 1 < usuarios.size(); ++r) {
            auto* item = new QListWidgetItem(usuarios[r].value(1), m_list1);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    });
}

void frmMEnvio::grdFila_Click(const QModelIndex& index)
{
    if (index.isValid())
        MostraLinha(index.row() + 1);
}

void frmMEnvio::MostraLinha(int linhaGrade)
{
    if (linhaGrade < 1 || linhaGrade > quantidadeRegistros())
        return;
    const int i = linhaGrade - 1;
    // The same record again keeps what the user typed over it.
    if (i == m_ultimoRegistro && !m_txtDescricao->text().isEmpty())
        return;
    m_ultimoRegistro = static_cast<qint16>(i);
    const QStringList& registro = m_fila[i];
    bool ok = false;
    const int tipo = registro.value(Campo::Tipo).trimmed().toInt(&ok);
    m_cboTipoDoctos->setCurrentIndex(ok ? m_cboTipoDoctos->findData(tipo) : -1);
    const bool pagamento = ok && tipo == 0;
    m_fraPagto->setVisible(pagamento);
    if (pagamento) {
        m_dtpVencimento->setData(dataDoCampo(registro.value(Campo::Vencimento)));
        m_txtValor->setText(Apresentacao::textoValor(registro.value(Campo::Valor)));
    }
    m_txtDescricao->setText(registro.value(Campo::Descricao));
    m_txtObs->setPlainText(Apresentacao::textoObservacao(registro.value(Campo::Observacao)));
    m_dtpAtivacao->setData(dataDoCampo(registro.value(Campo::Ativacao)));
    m_dtpExpiracao->setData(dataDoCampo(registro.value(Campo::Expiracao)));
    m_cboCliente->setCurrentIndex(m_cboCliente->findText(registro.value(Campo::Empresas)));
}

void frmMEnvio::txtObs_Change()
{
    core::ignoreFailures([&] {
        QString texto = m_txtObs->toPlainText();
        if (texto.size() > kObservacaoMax) {
            texto.truncate(kObservacaoMax);
            const QSignalBlocker bloqueio(m_txtObs);
            m_txtObs->setPlainText(texto);
            m_txtObs->moveCursor(QTextCursor::End);
        }
        m_iblObsChars->setText(QString::number(kObservacaoMax - texto.size()));
    });
}

} // namespace zv::windows
