#include "windows/frmLogin.h"

#include "core/DialogoSalvarPDF.h"
#include "core/ErrorTrap.h"
#include "core/Globals.h"
#include "core/classAmbiente.h"
#include "platform/DialogService.h"
#include "transport/PortalAddress.h"
#include "ui/CommandBar.h"
#include "ui/Images.h"
#include "ui/Twips.h"
#include "ui/WindowFont.h"

#include <QAction>
#include <QCloseEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace zv::windows {

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Dialogs;
using platform::Icon;

const QString kObjeto = QStringLiteral("frmLogin");
const QString kSalvar = QStringLiteral("keySalvar");
const QString kEntrar = QStringLiteral("keyEntrar");
const QString kCancelar = QStringLiteral("keyCancelar");

QList<ui::Command> comandosDaJanela()
{
    return {
        {kSalvar, QStringLiteral("GERAR PDF"), QStringLiteral("Gera e salva o arquivo PDF no local desejado."),
         QStringLiteral("GerarPDF"), QStringLiteral("cmdSalvar")},
        {kEntrar, QStringLiteral("ENTRAR"), QStringLiteral("Faz autenticação junto ao Zorvelanta."),
         QStringLiteral("Entrar"), QStringLiteral("cmdMultiplos")},
        {kCancelar, QStringLiteral("CANCELAR"), QStringLiteral("Cancela a autenticação e sai."),
         QStringLiteral("Cancelar"), QStringLiteral("cmdSair")},
    };
}

// Shows every character of the password box as "#".
class EstiloSenha : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '#';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void avisa(const QString& texto, Icon icone) { Dialogs::messageBox(texto, core::kSistema, icone); }

} // namespace

frmLogin::frmLogin(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(kObjeto);
    setWindowTitle(QStringLiteral("Login"));
    setWindowIcon(ui::Images::application());
    setFont(ui::windowFont(8.25));
    setModal(true);
    montaControles();
    Form_Load();
}

frmLogin::~frmLogin() = default;

void frmLogin::montaControles()
{
    // A white sheet behind every control.
    setAutoFillBackground(true);
    QPalette fundo = palette();
    fundo.setColor(QPalette::Window, Qt::white);
    setPalette(fundo);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 10);
    layout->setSpacing(8);

    auto* cabecalho = new QHBoxLayout;
    auto* marca = new QLabel(this);
    marca->setPixmap(ui::Images::application().pixmap(40));
    cabecalho->addWidget(marca, 0, Qt::AlignTop);
    auto* textos = new QVBoxLayout;
    m_label4 = new QLabel(QStringLiteral("Você acaba de entrar em uma área restrita."), this);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label4->setFont(ui::windowFont(9, true));
    m_label5 = new QLabel(QStringLiteral("Favor digitar seu Domínio, Login e Senha nos campos abaixo."), this);
    m_label5->setObjectName(QStringLiteral("Label5"));
    m_label5->setWordWrap(true);
    for (QLabel* l : {m_label4, m_label5}) {
        l->setAlignment(Qt::AlignCenter);
        textos->addWidget(l);
    }
    cabecalho->addLayout(textos, 1);
    layout->addLayout(cabecalho);

    auto* campos = new QFormLayout;
    campos->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    campos->setFormAlignment(Qt::AlignHCenter | Qt::AlignTop);
    campos->setHorizontalSpacing(10);
    campos->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_txtDominio = montaCampo(QStringLiteral("txtDominio"));
    m_txtLogin = montaCampo(QStringLiteral("txtLogin"));
    m_txtSenha = montaCampo(QStringLiteral("txtSenha"));
    m_txtSenha->setEchoMode(QLineEdit::Password);
    auto* estilo = new EstiloSenha;
    estilo->setParent(m_txtSenha);
    m_txtSenha->setStyle(estilo);
    const struct { const char* nome; const char* texto; QLineEdit* campo; } linhas[] = {
        {"Label1", "Domínio:", m_txtDominio}, {"Label2", "Login:", m_txtLogin}, {"Label3", "Senha:", m_txtSenha}};
    for (const auto& l : linhas) {
        auto* rotulo = new QLabel(QString::fromUtf8(l.texto), this);
        rotulo->setObjectName(QLatin1String(l.nome));
        rotulo->setBuddy(l.campo);
        campos->addRow(rotulo, l.campo);
    }
    layout->addLayout(campos);
    layout->addStretch(1);
    auto* linha = new QFrame(this);
    linha->setFrameShape(QFrame::HLine);
    linha->setFrameShadow(QFrame::Sunken);
    layout->addWidget(linha);

    m_comandos = new ui::CommandBar(comandosDaJanela(), QStringLiteral("tbLogin"), this);
    layout->addWidget(m_comandos, 0, Qt::AlignHCenter);
    connect(m_comandos->toolbar(), &QToolBar::actionTriggered, this,
            [this](QAction* a) { tbLogin_ButtonClick(a->objectName()); });
    connect(m_comandos->button(QStringLiteral("cmdMultiplos")), &QPushButton::clicked, this, &frmLogin::suEntrar);
    connect(m_comandos->button(QStringLiteral("cmdSair")), &QPushButton::clicked, this, &frmLogin::close);
    connect(m_comandos->button(QStringLiteral("cmdSalvar")), &QPushButton::clicked, this, &frmLogin::cmdSalvar_Click);
    connect(m_txtSenha, &QLineEdit::returnPressed, this, &frmLogin::txtSenha_KeyPress);

    setTabOrder(m_txtDominio, m_txtLogin);
    setTabOrder(m_txtLogin, m_txtSenha);
    m_txtDominio->setFocus();

    // The designed size, grown where this machine's font needs more room;
    // room for the taller of the two presentations.
    m_comandos->setToolbarPresentation(true);
    const QSize barra = layout->totalMinimumSize();
    m_comandos->setToolbarPresentation(false);
    const QSize botoes = layout->totalMinimumSize();
    const QSize desenho(ui::Twips::toPixelsX(kLarguraTwips, this), ui::Twips::toPixelsY(kAlturaTwips, this));
    setFixedSize(desenho.expandedTo(barra).expandedTo(botoes));
}

QLineEdit* frmLogin::montaCampo(const QString& nome)
{
    auto* campo = new QLineEdit(this);
    campo->setObjectName(nome);
    campo->setMaxLength(kMaxCaracteres);
    campo->setFixedWidth(ui::Twips::toPixelsX(3300, this));
    campo->installEventFilter(this);
    return campo;
}

void frmLogin::Form_Load()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("Form_Load"));
    trap([&] { m_comandos->applyColourCheck(); });
    trap([&] { setWindowTitle(core::ambienteAtual().Sistema() + QStringLiteral(" - Autenticação de Usuário")); });
    trap([&] { m_txtDominio->setText(core::ambienteAtual().Dominio()); });
    trap([&] { m_txtLogin->setText(core::ambienteAtual().Login()); });
    // The daemon has no document: the toolbar offers no "GERAR PDF". The
    // plain button stays.
    if (trap.test([&] { return core::ambienteAtual().Monitor(); }))
        trap([&] { m_comandos->action(kSalvar)->setVisible(false); });
}

bool frmLogin::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(e);
}

void frmLogin::Form_Activate()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("Form_Activate"));
    if (trap.test([&] { return !m_txtLogin->text().isEmpty(); }))
        trap([&] { m_txtSenha->setFocus(Qt::ActiveWindowFocusReason); });
}

bool frmLogin::eventFilter(QObject* watched, QEvent* e)
{
    // Entering the domain or login box selects its whole text; after the
    // click that brought the focus, so the click does not undo it.
    if (e->type() == QEvent::FocusIn && (watched == m_txtDominio || watched == m_txtLogin)) {
        core::ignoreFailures([&] {
            auto* campo = static_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, campo, [campo] { campo->selectAll(); });
        });
    }
    return QDialog::eventFilter(watched, e);
}

void frmLogin::txtSenha_KeyPress()
{
    core::ignoreFailures([&] {
        if (!m_txtSenha->text().isEmpty())
            suEntrar();
    });
}

void frmLogin::suEntrar()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("suEntrar"));
    QString dominio, login, senha;
    trap([&] {
        dominio = m_txtDominio->text().trimmed();
        login = m_txtLogin->text().trimmed();
        senha = m_txtSenha->text().trimmed();
    });
    const struct { const QString& valor; const char* mensagem; QLineEdit* campo; } exigidos[] = {
        {dominio, "O Domínio deve ser preenchido!", m_txtDominio},
        {login, "O Login deve ser preenchido!", m_txtLogin},
        {senha, "O Senha deve ser preenchido!", m_txtSenha},
    };
    for (const auto& e : exigidos) {
        if (e.valor.isEmpty()) {
            trap([&] { avisa(QString::fromUtf8(e.mensagem), Icon::Exclamation); });
            trap([&] { e.campo->setFocus(Qt::OtherFocusReason); });
            return;
        }
    }
    trap([&] { Dialogs::setBusy(true); });
    bool autenticou = false;
    trap([&] {
        autenticou = core::ambienteAtual().Autentica(m_txtDominio->text(), m_txtLogin->text(), m_txtSenha->text(),
                                                     kTLogin);
    });
    if (trap.test([&] { return !autenticou; }))
        trap([&] { avisa(core::ambienteAtual().Erro(), Icon::Critical); });
    trap([&] { Dialogs::setBusy(false); });
    if (trap.test([&] { return core::ambienteAtual().Logado(); }))
        trap([&] { close(); });
    else
        trap([&] { m_txtSenha->clear(); });
}

void frmLogin::tbLogin_ButtonClick(const QString& key)
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("tbLogin_ButtonClick"));
    if (key == kSalvar)
        trap([&] { cmdSalvar_Click(); });
    else if (key == kEntrar)
        trap([&] { suEntrar(); });
    else if (key == kCancelar)
        trap([&] { close(); });
}

void frmLogin::cmdSalvar_Click() { core::DialogoSalvarPDF(QString()); }

void frmLogin::AbreSite()
{
    if (Dialogs::messageBox(QStringLiteral("Entra no site do Zorvelanta?"), core::kSistema, Icon::Information,
                            Buttons::YesNo) == Answer::Yes)
        Dialogs::openWithDesktop(transport::portalWwwUrl());
}

bool frmLogin::Form_Unload()
{
    core::ErrorTrap trap(kObjeto, QStringLiteral("Form_Unload"));
    bool fecha = true;
    m_logadoAoFechar = false;
    if (trap.test([&] { return !(m_logadoAoFechar = core::ambienteAtual().Logado()); })) {
        trap([&] {
            platform::MessageBoxRequest pergunta;
            pergunta.text = QStringLiteral("Você não esta Logado.\r\nDeseja realmente sair?");
            pergunta.icon = Icon::Question;
            pergunta.buttons = Buttons::YesNo;
            pergunta.secondIsDefault = true;
            fecha = Dialogs::messageBox(pergunta) == Answer::Yes;
        });
    }
    return fecha;
}

void frmLogin::closeEvent(QCloseEvent* e)
{
    if (!Form_Unload()) {
        e->ignore();
        return;
    }
    e->accept();
    QDialog::done(m_logadoAoFechar ? Accepted : Rejected);
}

void frmLogin::reject() { close(); }

} // namespace zv::windows
