#include "windows/frmBackup.h"

#include "core/BackupPublicacoes.h"
#include "core/ErrorTrap.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "platform/DialogService.h"
#include "platform/ErrorNumbers.h"
#include "transport/PortalAddress.h"
#include "ui/CommandBar.h"
#include "ui/Images.h"
#include "ui/Twips.h"
#include "ui/WindowFont.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace zv::windows {

namespace {

using platform::Dialogs;
using platform::Icon;

const QString kObjeto = QStringLiteral("frmBackup");
const QString kBackup = QStringLiteral("keyBackup");
const QString kSair = QStringLiteral("keySair");

QList<ui::Command> comandosDaJanela()
{
    return {
        {kBackup, QStringLiteral("Backup"), QStringLiteral("Inicia Backup de arquivos "), QStringLiteral("Backup"),
         QStringLiteral("cmdBackup")},
        {kSair, QStringLiteral("Sair"), QStringLiteral("Fecha Backup"), QStringLiteral("Sair"),
         QStringLiteral("cmdSair")},
    };
}

QLabel* rotulo(const QString& nome, const QString& texto, QWidget* parent)
{
    auto* l = new QLabel(texto, parent);
    l->setObjectName(nome);
    return l;
}

QProgressBar* barra(const QString& nome, QWidget* parent)
{
    auto* b = new QProgressBar(parent);
    b->setObjectName(nome);
    b->setRange(0, 100);
    b->setValue(0);
    b->setTextVisible(false);
    return b;
}

// While it lives the window counts as busy with a backup.
class EmCurso {
public:
    explicit EmCurso(bool& flag) : m_flag(flag) { m_flag = true; }
    ~EmCurso() { m_flag = false; }
    EmCurso(const EmCurso&) = delete;
    EmCurso& operator=(const EmCurso&) = delete;

private:
    bool& m_flag;
};

// Design width of the window, in twips.
constexpr int kLarguraTwips = 7200;

} // namespace

frmBackup::frmBackup(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(kObjeto);
    setFont(ui::windowFont(8));
    setWindowIcon(ui::Images::application());
    montaControles();
    connect(m_comandos, &ui::CommandBar::commandTriggered, this, &frmBackup::tbBotoes_ButtonClick);
    // The program's exit request closes every window it has open, this one too.
    m_encerrar.setInterval(kEncerrarMs);
    connect(&m_encerrar, &QTimer::timeout, this, [this] {
        if (core::bEncerrar)
            close();
    });
    m_encerrar.start();
    Form_Load();
}

frmBackup::~frmBackup() = default;

void frmBackup::montaControles()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(8);

    m_iblTexto = rotulo(QStringLiteral("iblTexto"), kBanner, this);
    m_iblTexto->setAlignment(Qt::AlignCenter);
    m_iblTexto->setWordWrap(true);
    m_iblTexto->setAutoFillBackground(true);
    QPalette branco = m_iblTexto->palette();
    branco.setColor(QPalette::Window, Qt::white);
    branco.setColor(QPalette::WindowText, Qt::black);
    m_iblTexto->setPalette(branco);
    m_iblTexto->setContentsMargins(12, 14, 12, 14);
    m_iblTexto->setFont(ui::windowFont(9, true));
    layout->addWidget(m_iblTexto);

    auto* line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line1);

    auto* grade = new QGridLayout;
    grade->setContentsMargins(12, 4, 12, 4);
    grade->setHorizontalSpacing(10);
    grade->setVerticalSpacing(10);
    m_pbBackup = barra(QStringLiteral("pbBackup"), this);
    m_progressBar1 = barra(QStringLiteral("ProgressBar1"), this);
    grade->addWidget(rotulo(QStringLiteral("ibl"), QStringLiteral("Arquivo"), this), 0, 0);
    grade->addWidget(m_pbBackup, 0, 1);
    grade->addWidget(rotulo(QStringLiteral("Label1"), QStringLiteral("Total"), this), 1, 0);
    grade->addWidget(m_progressBar1, 1, 1);
    grade->setColumnStretch(1, 1);
    layout->addLayout(grade);
    layout->addStretch(1);

    m_comandos = new ui::CommandBar(comandosDaJanela(), QStringLiteral("tbBotoes"), this);
    auto* rodape = new QHBoxLayout;
    rodape->setContentsMargins(12, 0, 12, 0);
    rodape->addStretch(1);
    rodape->addWidget(m_comandos);
    layout->addLayout(rodape);

    setFixedWidth(ui::Twips::toPixelsX(kLarguraTwips, this));
}

void frmBackup::Form_Load()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("Form_Load"));
    trap([&] { setWindowTitle(core::kSistema + QStringLiteral(" Backup")); });
    trap([&] { m_urlPortal = transport::portalWwwUrl(); });
    trap([&] { m_comandos->applyColourCheck(); });
    trap([&] { setFixedHeight(sizeHint().height()); });
}

void frmBackup::tbBotoes_ButtonClick(const QString& key)
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("tbBotoes_ButtonClick"));
    if (key == kBackup)
        trap([&] { suBackup(); });
    else if (key == kSair)
        trap([&] { close(); });
}

void frmBackup::suBackup()
{
    if (m_emCurso)
        return;
    if (!core::ambienteAtual().Logado()) {
        Dialogs::messageBox(kSemSessao, core::kSistema, Icon::Exclamation);
        return;
    }
    const QString pasta = escolhePasta();
    if (!pasta.isEmpty())
        copiaPara(pasta);
}

QString frmBackup::escolhePasta()
{
    const QString inicial = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const platform::FolderAnswer resposta = Dialogs::chooseFolder({kTituloPasta, inicial});
    if (resposta.cancelled || resposta.folder.isEmpty())
        return {};
    const QFileInfo pasta(resposta.folder);
    if (!pasta.isDir()) {
        Dialogs::messageBox(QStringLiteral("A pasta escolhida não existe:\r\n") + QDir::toNativeSeparators(resposta.folder),
                            core::kSistema, Icon::Exclamation);
        return {};
    }
    return pasta.absoluteFilePath();
}

void frmBackup::copiaPara(const QString& pasta)
{
    const EmCurso emCurso(m_emCurso);
    m_pararPedido = false;
    habilitaBackup(false);
    mostraTotal(0, 0);
    mostraArquivo(0);

    core::BackupPublicacoes backup(core::ambienteAtual());
    QList<core::PublicacaoAtiva> publicacoes;
    QString mensagem;
    bool listadas = false;
    {
        const platform::BusyCursor ampulheta;
        listadas = backup.lista(publicacoes, mensagem);
    }
    core::ResultadoBackup resultado;
    if (listadas && !m_pararPedido) {
        const platform::BusyCursor ampulheta;
        resultado = backup.copia(publicacoes, pasta,
                                 {[this](int feitos, int total) { mostraTotal(feitos, total); },
                                  [this](int porcento) { mostraArquivo(porcento); },
                                  [this] { return m_pararPedido; }});
    }
    habilitaBackup(true);
    if (!listadas) {
        Dialogs::messageBox(mensagem, core::kSistema, Icon::Exclamation);
    } else {
        const bool tudoCopiado = resultado.falhas == 0 && !resultado.interrompido;
        Dialogs::messageBox(core::BackupPublicacoes::mensagemFinal(resultado, pasta), core::kSistema,
                            tudoCopiado ? Icon::Information : Icon::Exclamation);
    }
    // A close asked for during the backup happens now that it has stopped.
    if (m_pararPedido)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void frmBackup::mostraArquivo(int porcento)
{
    m_pbBackup->setValue(porcento);
    // The bars move while the documents are fetched one by one.
    QCoreApplication::processEvents();
}

void frmBackup::mostraTotal(int feitos, int total)
{
    m_progressBar1->setRange(0, std::max(total, 1));
    m_progressBar1->setValue(total > 0 ? feitos : 0);
    QCoreApplication::processEvents();
}

void frmBackup::habilitaBackup(bool habilitado)
{
    if (QAction* a = m_comandos->action(kBackup))
        a->setEnabled(habilitado);
    if (QPushButton* b = m_comandos->button(QStringLiteral("cmdBackup")))
        b->setEnabled(habilitado);
}

// Escape and the close box stop a backup instead of leaving it halfway:
// the document in hand is finished and the window closes after the message.
void frmBackup::reject()
{
    if (m_emCurso) {
        m_pararPedido = true;
        return;
    }
    QDialog::reject();
}

void frmBackup::closeEvent(QCloseEvent* event)
{
    if (m_emCurso) {
        m_pararPedido = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace zv::windows
