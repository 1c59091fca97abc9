#include "windows/frmMonitor.h"

#include "core/Conversions.h"
#include "core/ErrorTrap.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "platform/DialogService.h"
#include "platform/ErrorNumbers.h"
#include "platform/ProcessLauncher.h"
#include "platform/SpecialFolders.h"
#include "transport/PortalAddress.h"
#include "ui/CommandBar.h"
#include "ui/Images.h"
#include "ui/Twips.h"
#include "ui/WindowFont.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QToolBar>
#include <QScreen>
#include <QVBoxLayout>

namespace zv::windows {

namespace {

const QString kObjeto = QStringLiteral("frmMonitor");

frmMonitor::Janelas& janelas()
{
    static frmMonitor::Janelas j = frmMonitor::janelasPadrao();
    return j;
}

QList<ui::Command> comandosMonitor()
{
    return {
        {QStringLiteral("keyBackup"), QStringLiteral("Backup"),
         QStringLiteral("Faz cópia de segurança dos arquivos Enviados"), QStringLiteral("Backup"), {}},
        {QStringLiteral("keyConsulta"), QStringLiteral("Consulta"), QStringLiteral("Faz consulta de documentos enviados"),
         QStringLiteral("Consulta"), {}},
        {QStringLiteral("keyAtualiza"), QStringLiteral("Atualiza"), {}, QStringLiteral("Atualiza"), {}},
        {QStringLiteral("keyMultiplos"), QStringLiteral("Multiplos"), QStringLiteral("Faz multiplos envios de documentos"),
         QStringLiteral("Multiplos"), {}},
        {QStringLiteral("keySair"), QStringLiteral("Sair"), QStringLiteral("Fecha janela do monitor de serviços"),
         QStringLiteral("Sair"), QStringLiteral("cmdSair")},
    };
}

// Design size of the window, in twips.
constexpr int kLarguraTwips = 6600;
constexpr int kAlturaTwips = 3600;

} // namespace

void frmMonitor::usaJanelas(const Janelas& j)
{
    janelas() = (j.login || j.consulta || j.cor || j.envio) ? j : janelasPadrao();
}

frmMonitor::frmMonitor(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(kObjeto);
    setWindowTitle(QStringLiteral("Monitor de serviços"));
    setFont(ui::windowFont(8));
    setWindowIcon(ui::Images::application());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 8, 8);
    m_comandos = new ui::CommandBar(comandosMonitor(), QStringLiteral("tbPrincipal"), this);
    m_comandos->toolbar()->setStyleSheet(QStringLiteral("QToolBar { background: transparent; border: none; }"));
    layout->addWidget(m_comandos, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch(1);
    auto* rodape = new QHBoxLayout;
    m_chkLogOff = new QCheckBox(QStringLiteral("Fazer logoff ao sair"), this);
    m_chkLogOff->setObjectName(QStringLiteral("chkLogOff"));
    QPalette azul = m_chkLogOff->palette();
    azul.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    m_chkLogOff->setPalette(azul);
    rodape->addSpacing(12);
    rodape->addWidget(m_chkLogOff);
    rodape->addStretch(1);
    layout->addLayout(rodape);
    // In the plain presentation the frame holds the one "Sair" button; it
    // sits at the bottom right, where the toolbar's room is not needed.
    layout->removeWidget(m_comandos);
    auto* topo = new QHBoxLayout;
    topo->addWidget(m_comandos->toolbar(), 0, Qt::AlignLeft | Qt::AlignTop);
    layout->insertLayout(0, topo);
    rodape->addWidget(m_comandos->fraBotoes(), 0, Qt::AlignRight | Qt::AlignBottom);
    m_comandos->hide();
    connect(m_comandos, &ui::CommandBar::commandTriggered, this, &frmMonitor::tbPrincipal_ButtonClick);

    setFixedSize(ui::Twips::toPixelsX(kLarguraTwips, this), ui::Twips::toPixelsY(kAlturaTwips, this));

    m_trmLogin.setInterval(kLoginMs);
    m_tmrSair.setInterval(kSairMs);
    connect(&m_trmLogin, &QTimer::timeout, this, [this] { core::ignoreFailures([this] { VerificaLogin(); }); });
    connect(&m_tmrSair, &QTimer::timeout, this, &frmMonitor::Sair);
    qApp->installEventFilter(this);
    Form_Load();
}

frmMonitor::~frmMonitor()
{
    qApp->removeEventFilter(this);
}

void frmMonitor::Form_Load()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("Form_Load"));
    trap([&] { VerificaLogin(); });
    trap([&] { aplicaEstilo(); });
    trap([&] { m_trmLogin.start(); });
    trap([&] { m_tmrSair.start(); });
}

void frmMonitor::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_carregado)
        return;
    m_carregado = true;
    if (const QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
}

void frmMonitor::aplicaEstilo()
{
    m_comandos->applyColourCheck();
}

QString frmMonitor::legenda(bool logado)
{
    QString texto = QStringLiteral("Monitor ") + core::kSistema;
    if (logado && core::Ambiente)
        texto += QStringLiteral(" [") + core::Ambiente->Usuario() + QLatin1Char(']');
    return texto;
}

void frmMonitor::mostraSessao(bool logado)
{
    setWindowTitle(legenda(logado));
    m_chkLogOff->setVisible(logado);
}

bool frmMonitor::VerificaLogin()
{
    const bool logado = core::ambienteAtual().Logado();
    mostraSessao(logado);
    return logado;
}

void frmMonitor::Sair()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("Sair"));
    QString valor = QStringLiteral("0");
    trap([&] { valor = core::Settings::read(core::Secao::Config, QStringLiteral("CloseNow"), QStringLiteral("0")); });
    // A value that is no number fails the comparison, which counts as the request.
    if (trap.test([&] { return core::toDouble(valor) == 1.0; }))
        core::bEncerrar = true;
    if (core::bEncerrar) {
        trap([&] { fechaJanelasFilhas(); });
        trap([&] { close(); });
    }
}

// The windows this one opened modally end with it, so that nothing of the
// program stays open after the exit request.
void frmMonitor::fechaJanelasFilhas()
{
    for (QDialog* filha : findChildren<QDialog*>())
        if (filha->isVisible())
            filha->reject();
}

void frmMonitor::PedeEncerrar()
{
    core::bEncerrar = true;
}

void frmMonitor::tbPrincipal_ButtonClick(const QString& key)
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("tbPrincipal_ButtonClick"));
    if (key == QLatin1String("keyBackup"))
        trap([&] { suBackup(); });
    else if (key == QLatin1String("keyMultiplos"))
        trap([&] { suMultiplos(); });
    else if (key == QLatin1String("keyConsulta"))
        trap([&] { suConsulta(); });
    else if (key == QLatin1String("keySair"))
        trap([&] { close(); });
    else if (key == QLatin1String("keyAtualiza"))
        trap([&] { Atualiza(); });
}

void frmMonitor::Atualiza()
{
    const QString programa = platform::programFolder() + QLatin1Char(platform::kSeparator)
                             + platform::executableName(QStringLiteral("ZvPUp"));
    if (const auto falha = platform::ProcessLauncher::startDetached(programa, {},
                                                                    platform::WindowState::MinimisedFocused))
        throw platform::Failure(falha->number, falha->description);
}

bool frmMonitor::passoSessao(const QString& procedimento, const QString& recusa)
{
    core::ErrorTrap trap(kObjeto, procedimento);
    bool logado = false;
    trap([&] { logado = core::ambienteAtual().Logado(); });
    if (logado)
        return true;
    trap([&] { janelas().login(this); });
    trap([&] { logado = core::ambienteAtual().Logado(); });
    if (logado) {
        trap([&] { mostraSessao(true); });
        return true;
    }
    trap([&] { platform::Dialogs::messageBox(recusa, core::kSistema, platform::Icon::Exclamation); });
    trap([&] { m_chkLogOff->hide(); });
    return false;
}

// A session not meant to outlive the operation ends with it.
void frmMonitor::fimDeOperacao(const QString& procedimento)
{
    core::ErrorTrap trap(kObjeto, procedimento);
    if (trap.test([&] { return core::ambienteAtual().TLogin() == 0; })) {
        trap([&] { core::ambienteAtual().LogOff(); });
        trap([&] { mostraSessao(false); });
    }
}

void frmMonitor::suConsulta()
{
    const QString nome = QStringLiteral("suConsulta");
    if (!passoSessao(nome, QStringLiteral("Não é possível abrir a tela de consulta sem estar logado!")))
        return;
    core::ErrorTrap trap(kObjeto, nome);
    trap([&] { core::ambienteAtual().Consulta_Iniciar(); });
    trap([&] { janelas().consulta(this); });
    trap([&] { core::ambienteAtual().Consulta_Finalizar(); });
    fimDeOperacao(nome);
}

void frmMonitor::suMultiplos()
{
    const QString nome = QStringLiteral("suMultiplos");
    if (!passoSessao(nome, QStringLiteral("Não é possível abrir a tela de Multiplos Envios sem estar logado!")))
        return;
    core::ErrorTrap trap(kObjeto, nome);
    trap([&] { janelas().envio(nullptr); });
    fimDeOperacao(nome);
}

void frmMonitor::suBackup()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("suBackup"));
    bool logado = false;
    trap([&] { logado = core::ambienteAtual().Logado(); });
    if (!logado) {
        trap([&] { janelas().login(this); });
        trap([&] { logado = VerificaLogin(); });
        if (!logado) {
            trap([&] {
                platform::Dialogs::messageBox(QStringLiteral("Não é possível abrir a tela de backup sem esta logado!"),
                                              core::kSistema, platform::Icon::Exclamation);
            });
            return;
        }
    }
    trap([&] {
        platform::Dialogs::messageBox(QStringLiteral("A ferramenta de Backup estará disponível em breve!"),
                                      core::kSistema, platform::Icon::Information);
    });
    if (trap.test([&] { return core::ambienteAtual().TLogin() == 0; }))
        trap([&] { core::ambienteAtual().LogOff(); });
    trap([&] { VerificaLogin(); });
}

void frmMonitor::AbreRelatorio()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("AbreRelatorio"));
    trap([&] {
        const core::SessaoPortal& s = core::ambienteAtual().sessao();
        const QString endereco = transport::portalBaseUrl() + QStringLiteral("printer/relatorio.asp?asp_contador=")
                                 + QString::number(s.lngID_Contador) + QStringLiteral("&asp_id_admin=")
                                 + QString::number(s.lngLogin_ID);
        if (!platform::Dialogs::openWithDesktop(endereco))
            throw platform::Failure(platform::kErrFileNotFound, endereco);
    });
}

bool frmMonitor::eventFilter(QObject* watched, QEvent* event)
{
    // The window sees every key press before its controls do.
    if (event->type() == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this)
            teclaDigitada(static_cast<QKeyEvent*>(event)->text());
    }
    return QDialog::eventFilter(watched, event);
}

void frmMonitor::teclaDigitada(const QString& texto)
{
    core::ignoreFailures([&] {
        if (texto.isEmpty())
            return;
        m_teclas = (m_teclas + texto.toLower()).right(kSequenciaCor.size());
        if (m_teclas != kSequenciaCor)
            return;
        m_teclas.clear();
        janelas().cor(this);
        aplicaEstilo();
    });
}

void frmMonitor::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QDialog::closeEvent(event);
}

void frmMonitor::Form_Unload()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("Form_Unload"));
    m_trmLogin.stop();
    m_tmrSair.stop();
    if (trap.test([&] { return m_chkLogOff->isChecked(); }))
        trap([&] { core::ambienteAtual().LogOff(); });
    // Closing more than once (the close box after an exit request) logs off once.
    m_chkLogOff->setChecked(false);
}

void frmMonitor::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    QLinearGradient fundo(0, 0, 0, height());
    fundo.setColorAt(0, QColor(0xE8, 0xF0, 0xFA));
    fundo.setColorAt(1, QColor(0xC4, 0xD6, 0xEE));
    p.fillRect(rect(), fundo);
    const int lado = height() / 2;
    const QRect figura(width() - lado - 24, (height() - lado) / 2, lado, lado);
    p.setOpacity(0.85);
    ui::Images::application().paint(&p, figura);
    p.setOpacity(1);
    p.setPen(QColor(0x1F, 0x3A, 0x68));
    p.setFont(ui::windowFont(12, true));
    p.drawText(QRect(16, height() / 2 - 8, width() - lado - 48, 28), Qt::AlignLeft | Qt::AlignVCenter, core::kSistema);
    p.setFont(ui::windowFont(8));
    p.drawText(QRect(16, height() / 2 + 20, width() - lado - 48, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Monitor de serviços"));
    QDialog::paintEvent(event);
}

} // namespace zv::windows
