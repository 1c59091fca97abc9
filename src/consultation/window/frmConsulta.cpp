#include "consultation/window/frmConsulta.h"

#include "consultation/GradeConsulta.h"
#include "consultation/ModeloConsulta.h"
#include "core/Conversions.h"
#include "core/DocumentoAtual.h"
#include "core/ErrorTrap.h"
#include "core/Folders.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "platform/Clock.h"
#include "platform/DialogService.h"
#include "platform/ErrorNumbers.h"
#include "publishing/NomeArquivo.h"
#include "ui/AcertaCor.h"
#include "ui/CommandBar.h"
#include "ui/Images.h"
#include "ui/Twips.h"
#include "ui/WindowFont.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTableView>

namespace zv::consultation {

using platform::Dialogs;
using platform::Failure;
using platform::Icon;

namespace {

const QString kObjeto = QStringLiteral("frmConsulta");
const QString kCrLf = QStringLiteral("\r\n");
const QString kSemData = QStringLiteral("-*-");

// The designed geometry, in twips.
constexpr int kLarguraMinima = 9350, kLarguraMaxima = 15000;
constexpr int kAlturaMinima = 5000, kAlturaMaxima = 9000;
constexpr int kAlturaDesenho = 6255;
constexpr int kTopoGrade = 1650, kEsquerdaGrade = 60;
// Below the grid: the note's line and the window's lower margin.
constexpr int kRodapeGrade = 400, kTopoNota = 350;

QString chaveColuna(int coluna) { return QStringLiteral("c_") + QString::number(coluna); }
QString lido(const QString& chave) { return core::Settings::read(core::Secao::Consulta, chave); }
void grava(const QString& chave, const QString& valor) { core::Settings::write(core::Secao::Consulta, chave, valor); }

// Extensions opened by this platform as programs or launchers rather than
// as documents.
const QStringList kExecutaveisDaPlataforma = {
    QStringLiteral("sh"),  QStringLiteral("bash"), QStringLiteral("csh"),      QStringLiteral("zsh"),
    QStringLiteral("run"), QStringLiteral("bin"),  QStringLiteral("appimage"), QStringLiteral("desktop"),
    QStringLiteral("jar"), QStringLiteral("py"),   QStringLiteral("pl"),       QStringLiteral("rb"),
    QStringLiteral("bat"), QStringLiteral("cmd"),  QStringLiteral("msi"),      QStringLiteral("ps1"),
    QStringLiteral("scr"), QStringLiteral("pif"),
};

} // namespace

bool tipoPermitidoParaAbrir(const QString& arquivo)
{
    core::DocumentoAtual tipo;
    tipo.setTipo(QFileInfo(arquivo).fileName());
    const bool semExtensao = !arquivo.contains(QLatin1Char('.'));
    if (semExtensao)
        return true;
    return tipo.tipoDesc() != QStringLiteral("Proibido") && !kExecutaveisDaPlataforma.contains(tipo.tipo());
}

frmConsulta::frmConsulta(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(kObjeto);
    setWindowIcon(ui::Images::application());
    setFont(ui::windowFont(9));
    setModal(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    setPalette(p);
    setAutoFillBackground(true);
    montaControles();
    Form_Load();
}

frmConsulta::~frmConsulta()
{
    if (!m_salvo)
        Form_Unload();
}

core::classAmbiente& frmConsulta::ambiente() const
{
    return core::ambienteAtual();
}

void frmConsulta::montaControles()
{
    const auto px = [this](int twips) { return ui::Twips::toPixelsX(twips, this); };
    const auto py = [this](int twips) { return ui::Twips::toPixelsY(twips, this); };
    const auto poe = [&](QWidget* w, int esquerda, int topo, int largura = -1, int altura = -1) {
        if (largura < 0) {
            w->adjustSize();
            w->move(px(esquerda), py(topo));
        } else {
            w->setGeometry(px(esquerda), py(topo), px(largura), py(altura));
        }
    };
    const auto rotulo = [&](QWidget* pai, const QString& texto, int esquerda, int topo, qreal pontos = 9) {
        auto* l = new QLabel(texto, pai);
        l->setFont(ui::windowFont(pontos));
        poe(l, esquerda, topo);
        return l;
    };
    const auto combo = [&](const char* nome, const QStringList& itens, int esquerda, int topo, int largura) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(nome));
        c->addItems(itens);
        poe(c, esquerda, topo, largura, 330);
        return c;
    };
    const auto data = [&](const char* nome, int esquerda, const QDate& inicial) {
        auto* d = new QDateEdit(inicial, this);
        d->setObjectName(QLatin1String(nome));
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        poe(d, esquerda, 720, 1815, 315);
        return d;
    };

    // The grey lines between the rows of filters, under everything else.
    for (int topo : {420, 1140, 1590}) {
        auto* linha = new QFrame(this);
        linha->setFrameShape(QFrame::HLine);
        linha->setStyleSheet(QStringLiteral("color: #C0C0C0; background: #C0C0C0;"));
        linha->setFixedHeight(1);
        linha->move(0, py(topo));
        m_linhas << linha;
    }

    rotulo(this, QStringLiteral("Cliente:"), 120, 120)->setObjectName(QStringLiteral("iblCliente"));
    cboClientes = combo("cboClientes", {}, 960, 60, 4155);
    rotulo(this, QStringLiteral("Tp. Arquivo:"), 5280, 120);
    cboTipoDocto = combo("cboTipoDocto",
                         {QStringLiteral("Todos"), QStringLiteral("Pagamentos"), QStringLiteral("Relatórios"),
                          QStringLiteral("Diversos"), QStringLiteral("Indefinidos*")},
                         6600, 60, 2415);

    rotulo(this, QStringLiteral("Data para filtro:"), 120, 480);
    cboTipoData = combo("cboTipoData", {QStringLiteral("Nenhuma"), QStringLiteral("Publicação"), QStringLiteral("Vencimento")},
                        120, 720, 1635);
    const QDate hoje = platform::Clock::now().date();
    rotulo(this, QStringLiteral("Início:"), 1860, 480);
    dtpDtInicio = data("dtpDtInicio", 1860, QDate(hoje.year(), hoje.month(), 1));
    rotulo(this, QStringLiteral("Fim:"), 3780, 480);
    dtpDtFim = data("dtpDtFim", 3780, hoje);
    rotulo(this, QStringLiteral("Quem enviou?"), 5700, 480);
    cboUsuarios = combo("cboUsuarios", {}, 5700, 720, 2115);

    m_filtrar = new ui::CommandBar({{QStringLiteral("keyFiltrar"), QStringLiteral("Filtrar"), {}, QStringLiteral("Filtrar"),
                                     QStringLiteral("cmdFiltrar")}},
                                   QStringLiteral("tbFiltrar"), this);
    m_filtrar->setFont(ui::windowFont(8.25));
    poe(m_filtrar, 7980, 480, 1035, 1095);
    connect(m_filtrar, &ui::CommandBar::commandTriggered, this, [this](const QString&) { ExecutaFiltro(); });

    m_informacoes = new QGroupBox(QStringLiteral("Informações"), this);
    m_informacoes->setFont(ui::windowFont(8.25));
    poe(m_informacoes, 9240, 480, 3195, 1035);
    rotulo(m_informacoes, QStringLiteral("Número de retornos:"), 120, 360, 8.25);
    iblRetorno = new QLabel(QStringLiteral("0"), m_informacoes);
    iblRetorno->setObjectName(QStringLiteral("iblRetorno"));
    iblRetorno->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    poe(iblRetorno, 2100, 360, 555, 255);
    rotulo(m_informacoes, QStringLiteral("Soma dos Tamanhos:"), 120, 660, 8.25);
    iblSumSize = new QLabel(QStringLiteral("0"), m_informacoes);
    iblSumSize->setObjectName(QStringLiteral("iblSumSize"));
    iblSumSize->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    poe(iblSumSize, 2100, 660, 555, 255);
    rotulo(m_informacoes, QStringLiteral("Kbs"), 2760, 660, 8.25);

    cmdResetarCampos = new QPushButton(QStringLiteral("Reinicia &Campos"), this);
    cmdResetarCampos->setObjectName(QStringLiteral("cmdResetarCampos"));
    cmdResetarCampos->setFont(ui::windowFont(8.25));
    cmdResetarCampos->setAutoDefault(false);
    poe(cmdResetarCampos, 12540, 660, 1215, 675);
    // Wide enough for its caption in this machine's font.
    cmdResetarCampos->resize(std::max(cmdResetarCampos->width(), cmdResetarCampos->sizeHint().width()),
                             cmdResetarCampos->height());
    connect(cmdResetarCampos, &QPushButton::clicked, this, [this] { cmdResetarCampos_Click(); });

    rotulo(this, QStringLiteral("Ordenar por:"), 120, 1260);
    cboOrdem = combo("cboOrdem",
                     {QStringLiteral("Publicação"), QStringLiteral("Ativação"), QStringLiteral("Expiração"),
                      QStringLiteral("Vencimento"), QStringLiteral("Descrição"), QStringLiteral("Usuário")},
                     1440, 1200, 1935);
    rotulo(this, QStringLiteral("Mostrar:"), 3480, 1260);
    cboMostrar = combo("cboMostrar",
                       {QStringLiteral("Todos"), QStringLiteral("Visualizados"), QStringLiteral("Não Visualizados"),
                        QStringLiteral("Ativos"), QStringLiteral("Apagados")},
                       4380, 1200, 2115);

    // The list's title lies under the grid, which covers it.
    rotulo(this, QStringLiteral("Listagem dos arquivos publicados"), 120, 1800, 11.25)->lower();

    m_modelo = new ModeloConsulta(this);
    grdConsulta = new QTableView(this);
    grdConsulta->setObjectName(QStringLiteral("grdConsulta"));
    grdConsulta->setModel(m_modelo);
    grdConsulta->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdConsulta->setSelectionMode(QAbstractItemView::SingleSelection);
    grdConsulta->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdConsulta->setWordWrap(false);
    grdConsulta->setFont(ui::windowFont(8.25));
    grdConsulta->verticalHeader()->setDefaultSectionSize(py(255));
    grdConsulta->verticalHeader()->setFixedWidth(px(180));
    grdConsulta->horizontalHeader()->setHighlightSections(false);
    grdConsulta->horizontalHeader()->setMinimumSectionSize(1);
    poe(grdConsulta, kEsquerdaGrade, kTopoGrade, 8955, 4305);
    connect(grdConsulta, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { grdConsulta_DblClick(i.row()); });

    iblInform = new QLabel(QStringLiteral("Obs: (*) Opção Tp. Arquivo Indefinido exibe todos os arquivos com data de "
                                          "transferência inferior a 06/10/2008."),
                           this);
    iblInform->setObjectName(QStringLiteral("iblInform"));
    iblInform->setFont(ui::windowFont(6.75));
    iblInform->setStyleSheet(QStringLiteral("color: #0000C0;"));
    poe(iblInform, 120, 6000);

    connect(cboTipoData, &QComboBox::currentIndexChanged, this, [this] { cboTipoData_Click(); });

    setMinimumSize(px(kLarguraMinima), py(kAlturaMinima));
    setMaximumSize(px(kLarguraMaxima), py(kAlturaMaxima));
    redimensionaTwips(kLarguraMinima, kAlturaDesenho);
}

void frmConsulta::Form_Load()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("Form_Load"));
    core::ignoreFailures([&] { m_filtrar->applyColourCheck(); });
    trap([&] {
        setWindowTitle(QStringLiteral("Consulta ") + ambiente().Sistema() + QStringLiteral(" [") + ambiente().Usuario()
                       + QStringLiteral("]"));
    });
    trap([&] {
        bool atualiza = true;
        ambiente().Sincroniza(&atualiza, false, true);
    });
    trap([&] { CarregaCboCli(); });
    trap([&] { CarregaCboUsr(); });
    trap([&] {
        for (QComboBox* c : {cboClientes, cboTipoDocto, cboTipoData, cboUsuarios, cboOrdem, cboMostrar})
            c->setCurrentIndex(0);
        cboTipoData_Click();
    });
    trap([&] { ConfigLoad(); });
    if (!trap.test([&] { return ambiente().Enviado(); }))
        return;
    trap([&] {
        classConsultar& consulta = *ambiente().Consultar();
        qint16 retorno = 0;
        qint32 soma = 0;
        consulta.Filtrar(retorno, soma, true);
        mostraResultado(retorno, soma);
        if (!consulta.Erro().isEmpty()) {
            Dialogs::messageBox(consulta.Erro(), ambiente().Sistema(), Icon::Exclamation);
            return;
        }
        TabelaConsulta_ = consulta.Consulta();
        CarregaConsulta();
    });
}

void frmConsulta::CarregaCboCli()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("CarregaCboCli"));
    publishing::Tabela lista;
    trap([&] { lista = ambiente().Clientes(0); });
    carregaCombo(cboClientes, IdsClientes, lista, QStringLiteral("CarregaCboCli"));
}

void frmConsulta::CarregaCboUsr()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("CarregaCboUsr"));
    publishing::Tabela lista;
    trap([&] { lista = ambiente().Usuarios(); });
    carregaCombo(cboUsuarios, IdsUsuarios, lista, QStringLiteral("CarregaCboUsr"));
}

void frmConsulta::carregaCombo(QComboBox* combo, QList<qint32>& ids, const publishing::Tabela& lista,
                               const QString& nome)
{
    core::ErrorTrap trap(kObjeto, nome);
    trap([&] {
        combo->clear();
        ids.clear();
    });
    trap([&] { AddComboItem(combo, ids, QStringLiteral("Todos"), QStringLiteral("0")); });
    // The last row is the spare empty row.
    for (qsizetype i = 0; i + 1 < lista.size(); ++i)
        trap([&] { AddComboItem(combo, ids, lista[i].value(1), lista[i].value(0)); });
}

void frmConsulta::AddComboItem(QComboBox* combo, QList<qint32>& ids, const QString& texto, const QString& id)
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("AddComboItem"));
    qint32 numero = 0;
    trap([&] { numero = core::toInt32(id); });
    combo->addItem(texto, numero);
    ids.resize(combo->count());
    ids.last() = numero;
}

void frmConsulta::cboTipoData_Click()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("cboTipoData_Click"));
    trap([&] {
        const bool comData = cboTipoData->currentIndex() != 0;
        dtpDtInicio->setEnabled(comData);
        dtpDtFim->setEnabled(comData);
    });
}

void frmConsulta::ExecutaFiltro()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("tbFiltrar_ButtonClick"));
    platform::BusyCursor ampulheta;
    trap([&] {
        if (cboTipoDocto->currentIndex() == 1) {
            const QString v6 = lido(chaveColuna(ColunaGradeN::Vencimento));
            const QString v7 = lido(chaveColuna(ColunaGradeN::Valor));
            aplicaLarguraColuna(ColunaGradeN::Vencimento, v6.isEmpty() || v6 == QStringLiteral("0") ? 1300 : core::toInt32(v6));
            aplicaLarguraColuna(ColunaGradeN::Valor, v7.isEmpty() ? 2000 : core::toInt32(v7));
        } else {
            aplicaLarguraColuna(ColunaGradeN::Vencimento, 0);
            aplicaLarguraColuna(ColunaGradeN::Valor, 0);
        }
    });
    classConsultar* consulta = nullptr;
    trap([&] {
        consulta = ambiente().Consultar();
        if (!consulta)
            throw Failure(platform::kErrObjectNotSet);
    });
    if (!consulta)
        return;
    trap([&] { consulta->setEmpresa(IdsClientes.value(cboClientes->currentIndex())); });
    trap([&] { consulta->setTipoDoc(qint16(cboTipoDocto->currentIndex())); });
    trap([&] { consulta->setTipoData(qint16(cboTipoData->currentIndex())); });
    if (cboTipoData->currentIndex() == 2 && cboTipoDocto->currentIndex() != 1) {
        Dialogs::messageBox(QStringLiteral("O Filtro por Vencimento só pode ser escolhido ") + kCrLf
                                + QStringLiteral("quando o Tipo de arquivo for Pagamento!"),
                            core::kSistema, Icon::Exclamation);
        return;
    }
    trap([&] {
        if (consulta->TipoData() != 0) {
            consulta->setDataInicial(dtpDtInicio->date());
            consulta->setDataFinal(dtpDtFim->date());
        }
    });
    trap([&] { consulta->setUsuario(IdsUsuarios.value(cboUsuarios->currentIndex())); });
    trap([&] { consulta->setOrdenar(qint16(cboOrdem->currentIndex())); });
    trap([&] { consulta->setMostrar(qint16(cboMostrar->currentIndex())); });
    LimpaGrid();
    qint16 retorno = 0;
    qint32 soma = 0;
    trap([&] { consulta->Filtrar(retorno, soma, false); });
    trap([&] { mostraResultado(retorno, soma); });
    trap([&] {
        if (consulta->Erro().isEmpty()) {
            TabelaConsulta_ = consulta->Consulta();
            CarregaConsulta();
        } else {
            Dialogs::messageBox(consulta->Erro(), core::kSistema, Icon::Exclamation);
        }
    });
}

void frmConsulta::mostraResultado(qint16 vRetorno, qint32 vSumSize)
{
    iblRetorno->setText(QString::number(vRetorno));
    iblSumSize->setText(kilobytes(vSumSize));
}

void frmConsulta::cmdResetarCampos_Click()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("cmdResetarCampos_Click"));
    trap([&] { ConfigSave(true); });
    trap([&] { ConfigLoad(); });
}

void frmConsulta::LimpaGrid()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("LimpaGrid"));
    trap([&] { m_modelo->LimpaGrid(); });
}

void frmConsulta::CarregaConsulta()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("CarregaConsulta"));
    int falhas = 0;
    trap([&] { falhas = m_modelo->CarregaConsulta(TabelaConsulta_); });
    // Each date text that did not convert is one reported failure.
    for (int i = 0; i < falhas; ++i)
        trap([] { throw Failure(platform::kErrTypeMismatch); });
}

// ---- Layout memory --------------------------------------------------

void frmConsulta::aplicaLarguraColuna(int coluna, int twips)
{
    grdConsulta->setColumnHidden(coluna, twips <= 0);
    if (twips > 0)
        grdConsulta->setColumnWidth(coluna, ui::Twips::toPixelsX(twips, this));
    m_colunasPostas[coluna] = twips;
}

int frmConsulta::twipsDe(int pixels, int twipsPostos, bool horizontal) const
{
    const int emPixels = horizontal ? ui::Twips::toPixelsX(twipsPostos, this) : ui::Twips::toPixelsY(twipsPostos, this);
    if (twipsPostos > 0 && emPixels == pixels)
        return twipsPostos;
    return horizontal ? ui::Twips::fromPixelsX(pixels, this) : ui::Twips::fromPixelsY(pixels, this);
}

int frmConsulta::larguraColunaTwips(int coluna) const
{
    if (grdConsulta->isColumnHidden(coluna))
        return 0;
    return twipsDe(grdConsulta->columnWidth(coluna), m_colunasPostas[coluna], true);
}

int frmConsulta::larguraTwips() const { return twipsDe(width(), m_larguraPosta, true); }
int frmConsulta::alturaTwips() const { return twipsDe(height(), m_alturaPosta, false); }

void frmConsulta::redimensionaTwips(int largura, int altura)
{
    // The clamps of the window: 9350 to 15000 wide, 5000 to 9000 high.
    largura = std::clamp(largura, kLarguraMinima, kLarguraMaxima);
    altura = std::clamp(altura, kAlturaMinima, kAlturaMaxima);
    m_larguraPosta = largura;
    m_alturaPosta = altura;
    resize(ui::Twips::toPixelsX(largura, this), ui::Twips::toPixelsY(altura, this));
}

void frmConsulta::ConfigLoad()
{
    const auto& colunas = colunasGrade();
    for (int c = 0; c < kColunasGrade; ++c) {
        core::ignoreFailures([&] {
            const QString guardada = lido(chaveColuna(c));
            int largura = colunas[c].larguraPadrao;
            if (!guardada.isEmpty())
                largura = core::toInt32(guardada); // a text that is no number leaves the width
            aplicaLarguraColuna(c, c == ColunaGradeN::Status ? 0 : largura);
        });
    }
    core::ignoreFailures([&] { redimensionaTwips(core::toInt32(lido(QStringLiteral("WI"))), alturaTwips()); });
    core::ignoreFailures([&] { redimensionaTwips(larguraTwips(), core::toInt32(lido(QStringLiteral("HE")))); });
    const QList<std::pair<QString, QComboBox*>> listas = {{QStringLiteral("Em"), cboClientes},
                                                          {QStringLiteral("Tp"), cboTipoDocto},
                                                          {QStringLiteral("Dt"), cboTipoData},
                                                          {QStringLiteral("Or"), cboOrdem},
                                                          {QStringLiteral("Sh"), cboMostrar}};
    for (const auto& [chave, combo] : listas) {
        core::ignoreFailures([&] {
            const qint32 posicao = core::toInt32(lido(chave));
            if (posicao >= 0 && posicao < combo->count())
                combo->setCurrentIndex(posicao);
        });
    }
    cboTipoData_Click();
}

void frmConsulta::ConfigSave(bool reset)
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("ConfigSave"));
    for (int c = 0; c < kColunasGrade; ++c) {
        trap([&] {
            const int largura = reset ? 0 : larguraColunaTwips(c);
            grava(chaveColuna(c), largura > 0 ? QString::number(largura) : QString());
        });
    }
    trap([&] { grava(QStringLiteral("WI"), QString::number(larguraTwips())); });
    trap([&] { grava(QStringLiteral("HE"), QString::number(alturaTwips())); });
    trap([&] { grava(QStringLiteral("Em"), QString::number(cboClientes->currentIndex())); });
    trap([&] { grava(QStringLiteral("Tp"), QString::number(cboTipoDocto->currentIndex())); });
    trap([&] { grava(QStringLiteral("Dt"), QString::number(cboTipoData->currentIndex())); });
    trap([&] { grava(QStringLiteral("Or"), QString::number(cboOrdem->currentIndex())); });
    trap([&] { grava(QStringLiteral("Sh"), QString::number(cboMostrar->currentIndex())); });
}

void frmConsulta::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    core::ignoreFailures([&] {
        const int w = larguraTwips();
        const int h = alturaTwips();
        // The grid fills the width and the height down to the note below it.
        grdConsulta->setGeometry(ui::Twips::toPixelsX(kEsquerdaGrade, this), ui::Twips::toPixelsY(kTopoGrade, this),
                                 ui::Twips::toPixelsX(w - 2 * kEsquerdaGrade, this),
                                 ui::Twips::toPixelsY(h - kTopoGrade - kRodapeGrade, this));
        iblInform->move(iblInform->x(), ui::Twips::toPixelsY(h - kTopoNota, this));
        for (QFrame* linha : m_linhas)
            linha->setFixedWidth(width());
    });
}

void frmConsulta::Form_Unload()
{
    m_salvo = true;
    core::ignoreFailures([&] { ConfigSave(false); });
}

void frmConsulta::done(int result)
{
    if (!m_salvo)
        Form_Unload();
    QDialog::done(result);
}

// ---- Viewing and downloading ------------------------------------------

QString frmConsulta::tamanhoPublicado(int linha, const QString& id) const
{
    // The window's table shows kilobytes; the query's own table keeps the
    // bytes the portal published, which the download is checked against.
    const consultation::classConsultar* consulta = ambiente().Consultar();
    if (!consulta || linha >= consulta->tabela().size() || consulta->tabela()[linha].value(Coluna::Id) != id)
        return {};
    return consulta->tabela()[linha].value(Coluna::Tamanho);
}

void frmConsulta::grdConsulta_DblClick(int linha)
{
    // Any failure ends the double-click at once, nothing reported; the
    // hourglass goes with the scope that raised it.
    core::ignoreFailures([&] {
        const QString id = m_modelo->texto(linha, ColunaGradeN::Id);
        const QString arquivo = m_modelo->texto(linha, ColunaGradeN::Arquivo);
        if (id.isEmpty() || linha >= TabelaConsulta_.size())
            return;
        QStringList& registro = TabelaConsulta_[linha];
        const auto pergunta = [](const QString& texto) {
            return Dialogs::messageBox(texto, core::kSistema, Icon::Question, platform::Buttons::YesNo)
                == platform::Answer::Yes;
        };
        if (registro.value(Coluna::Apagado) != kSemData) {
            // The document is gone from the portal: only a backup copy on
            // this computer can still be shown.
            const bool temCopia = publishing::nomeSeguro(id) && QFileInfo(core::Folders::back() + QLatin1Char('/') + id).isFile();
            if (!temCopia) {
                Dialogs::messageBox(QStringLiteral("Não é possível visualizar um arquivo já apagado que não tenha ") + kCrLf
                                        + QStringLiteral("sido criado ou baixado para este computador!"),
                                    core::kSistema, Icon::Information);
            } else if (pergunta(QStringLiteral("Deseja visualizar o arquivo ") + arquivo + kCrLf
                                + QStringLiteral(" já apagado?"))) {
                suVizualisar(id, arquivo);
            }
            return;
        }
        if (registro.value(Coluna::Local) == QStringLiteral("Sim")) {
            if (pergunta(QStringLiteral("Deseja visualizar o arquivo ") + arquivo + QStringLiteral("?")))
                suVizualisar(id, arquivo);
            return;
        }
        if (!pergunta(QStringLiteral("Deseja Baixar uma cópia do arquivo?")))
            return;
        platform::BusyCursor espera;
        if (ambiente().BArquivo(id, tamanhoPublicado(linha, id))) {
            registro[Coluna::Local] = QStringLiteral("Sim");
            m_modelo->setTexto(linha, ColunaGradeN::Local, QStringLiteral("Sim"));
        } else {
            Dialogs::messageBox(ambiente().Erro(), core::kSistema, Icon::Exclamation);
        }
    });
}

void frmConsulta::suVizualisar(const QString& id, const QString& arquivo)
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("suVizualisar"));
    // Names from the portal never reach outside temp/ and Back/.
    if (!publishing::nomeSeguro(arquivo) || !publishing::nomeSeguro(id)) {
        Dialogs::messageBox(QStringLiteral("O nome do arquivo recebido do portal não é válido e ele não será aberto:")
                                + kCrLf + arquivo,
                            core::kSistema, Icon::Exclamation);
        return;
    }
    const QString temp = core::Folders::temp();
    const QString copia = temp + QLatin1Char('/') + arquivo;
    trap([&] {
        if (!QDir().mkpath(temp))
            throw Failure(platform::kErrPathNotFound);
    });
    trap([&] {
        QFile::remove(copia);
        if (!QFile::copy(core::Folders::back() + QLatin1Char('/') + id, copia))
            throw Failure(platform::kErrFileNotFound);
        // A viewing copy is a document, never a program.
        QFile::setPermissions(copia, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                         | QFileDevice::ReadOther);
    });
    if (!tipoPermitidoParaAbrir(arquivo)) {
        Dialogs::messageBox(QStringLiteral("Por segurança, este tipo de arquivo não é aberto pelo sistema:") + kCrLf
                                + arquivo,
                            core::kSistema, Icon::Exclamation);
        return;
    }
    trap([&] { Dialogs::openWithDesktop(copia); });
}

} // namespace zv::consultation
