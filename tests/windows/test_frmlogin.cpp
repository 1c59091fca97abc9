// The login window as a person uses it, every box answered in advance and
// the portal a loopback server: the checks before any request, a rejection,
// a login, Enter in the password box, the closing question and the two
// presentations of its commands.
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "platform/DialogService.h"
#include "support/LoopbackPortal.h"
#include "support/TempHome.h"
#include "ui/ButtonFace.h"
#include "ui/CommandBar.h"
#include "windows/frmLogin.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace zv;
using platform::Answer;
using platform::Icon;

namespace {

const QString kLoginPage = QStringLiteral("printer/printer_login_b.asp");
const QString kConfirmPage = QStringLiteral("printer/printer_login_conf_b.asp");
const QString kClosingQuestion = QStringLiteral("Você não esta Logado.\r\nDeseja realmente sair?");

QByteArray loginAccepted()
{
    const QString hoje = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    return QStringLiteral("Zorvelanta Printer\r\n4711\r\nx\r\nMaria Silva\r\nftp.local\r\nfu\r\nfp\r\n"
                          "Escritorio Modelo\r\n42\r\n7\r\nlogo.png\r\n%1\r\n0\r\npng\r\n0\r\n")
        .arg(hoje)
        .toLatin1();
}

QByteArray confirmAccepted()
{
    const QString hoje = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    return QStringLiteral("Zorvelanta Printer\r\n%1\r\nftp.local\r\nfu\r\nfp\r\n").arg(hoje).toLatin1();
}

QStringList pagesAsked(const test::LoopbackPortal& portal)
{
    QStringList out;
    for (const QString& t : portal.targets())
        out << t.section(QLatin1Char('?'), 0, 0);
    return out;
}

} // namespace

class TestFrmLogin : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<test::TempHome>();
        m_portal = std::make_unique<test::LoopbackPortal>();
        m_dialogs = std::make_unique<platform::ScriptedDialogs>();
        ui::ButtonFace::setCor(ui::ButtonFace::kCorEspecial);
        core::Ambiente = new core::classAmbiente();
        core::Ambiente->Inicia(true, QString());
    }
    void cleanup()
    {
        m_window.reset();
        m_dialogs.reset();
        m_portal.reset();
        m_home.reset();
    }

    void emptyFieldsAskNothingOfThePortal_data()
    {
        QTest::addColumn<QString>("dominio");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("domain of spaces") << "   " << "maria" << "x" << "O Domínio deve ser preenchido!"
                                          << "txtDominio";
        QTest::newRow("all empty") << "" << "" << "" << "O Domínio deve ser preenchido!" << "txtDominio";
        QTest::newRow("login empty") << "esc" << "" << "x" << "O Login deve ser preenchido!" << "txtLogin";
        QTest::newRow("password of spaces") << "esc" << "maria" << "  " << "O Senha deve ser preenchido!"
                                            << "txtSenha";
    }
    void emptyFieldsAskNothingOfThePortal()
    {
        QFETCH(QString, dominio);
        QFETCH(QString, login);
        QFETCH(QString, senha);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        openWindow();
        fill(dominio, login, senha);
        clickToolbar(QStringLiteral("keyEntrar"));
        QCOMPARE(m_dialogs->texts(), QStringList{message});
        QCOMPARE(m_dialogs->boxes().at(0).icon, Icon::Exclamation);
        QCOMPARE(m_dialogs->boxes().at(0).title, QStringLiteral("Zorvelanta Printer"));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(m_portal->targets().isEmpty());
        QCOMPARE(m_dialogs->busyCalls(), 0);
        QVERIFY(m_window->isVisible());
    }

    void rejectionShowsThePortalsReason_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("portal's sentence") << QByteArray("1\r\nSenha n\xE3o confere.\r\n")
                                           << QStringLiteral("Senha não confere.\r\n");
        QTest::newRow("unknown answer") << QByteArray("<html>erro</html>") << QStringLiteral("Login Incorreto!");
        QTest::newRow("empty answer") << QByteArray() << QStringLiteral("Login Incorreto!");
    }
    void rejectionShowsThePortalsReason()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, message);
        m_portal->setAnswer(kLoginPage, answer);
        openWindow();
        fill(QStringLiteral(" escritorio "), QStringLiteral("maria"), QStringLiteral("Segredo1"));
        clickToolbar(QStringLiteral("keyEntrar"));
        QCOMPARE(m_portal->targets().value(0),
                 QStringLiteral("/printer/printer_login_b.asp?log=MARIA&psw=Segredo1&dom=ESCRITORIO"));
        QCOMPARE(m_dialogs->texts().value(0).trimmed(), message.trimmed());
        QCOMPARE(m_dialogs->boxes().size(), 1);
        QCOMPARE(m_dialogs->boxes().at(0).icon, Icon::Critical);
        QCOMPARE(m_dialogs->boxes().at(0).title, QStringLiteral("Zorvelanta Printer"));
        QCOMPARE(m_dialogs->busyDepth(), 0); // the pointer is back to normal
        QCOMPARE(m_dialogs->busyCalls(), 2);
        QVERIFY(field("txtSenha")->text().isEmpty());
        QCOMPARE(field("txtDominio")->text(), QStringLiteral(" escritorio "));
        QCOMPARE(field("txtLogin")->text(), QStringLiteral("maria"));
        QVERIFY(m_window->isVisible());
    }

    // Every way of asking to log in: the toolbar key, the plain button and
    // Enter in the password box.
    void successClosesTheWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("toolbar ENTRAR") << "toolbar";
        QTest::newRow("plain ENTRAR") << "plain";
        QTest::newRow("Enter in the password") << "enter";
    }
    void successClosesTheWindow()
    {
        QFETCH(QString, how);
        m_portal->setAnswer(kLoginPage, loginAccepted());
        m_portal->setAnswer(kConfirmPage, confirmAccepted());
        if (how == QLatin1String("plain"))
            usePlainButtons();
        openWindow();
        fill(QStringLiteral("escritorio"), QStringLiteral("maria"), QString());
        QTest::keyClicks(field("txtSenha"), QStringLiteral("Segredo1"));
        if (how == QLatin1String("toolbar"))
            clickToolbar(QStringLiteral("keyEntrar"));
        else if (how == QLatin1String("plain"))
            QTest::mouseClick(m_window->comandos()->button(QStringLiteral("cmdMultiplos")), Qt::LeftButton);
        else
            QTest::keyClick(field("txtSenha"), Qt::Key_Return);
        QCOMPARE(pagesAsked(*m_portal).value(0), QStringLiteral("/") + kLoginPage);
        QVERIFY2(m_dialogs->texts().isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('|'))));
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_window->result(), int(QDialog::Accepted));
        QVERIFY(core::Ambiente->Logado());
        // The seven-day session, code 5.
        QCOMPARE(core::Settings::read(core::Secao::Autenticacao, QStringLiteral("TLogin")), QStringLiteral("5"));
        QCOMPARE(m_dialogs->busyDepth(), 0);
    }

    void enterWithAnEmptyPasswordDoesNothing()
    {
        openWindow();
        fill(QStringLiteral("escritorio"), QStringLiteral("maria"), QString());
        QTest::keyClick(field("txtSenha"), Qt::Key_Return);
        QTest::keyClick(field("txtSenha"), Qt::Key_Enter);
        QVERIFY(m_dialogs->boxes().isEmpty());
        QVERIFY(m_portal->targets().isEmpty());
        QVERIFY(m_window->isVisible());
    }

    // Not logged in: every way of closing asks first.
    void closingQuestion_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");
        for (const char* how : {"close box", "toolbar CANCELAR", "plain CANCELAR", "Escape"}) {
            QTest::addRow("%s, no", how) << QString::fromLatin1(how) << int(Answer::No);
            QTest::addRow("%s, yes", how) << QString::fromLatin1(how) << int(Answer::Yes);
        }
    }
    void closingQuestion()
    {
        QFETCH(QString, how);
        QFETCH(int, answer);
        if (how == QLatin1String("plain CANCELAR"))
            usePlainButtons();
        openWindow();
        fill(QStringLiteral("escritorio"), QStringLiteral("maria"), QStringLiteral("abc"));
        m_dialogs->answerNext(Answer(answer));
        if (how == QLatin1String("close box"))
            m_window->close();
        else if (how == QLatin1String("toolbar CANCELAR"))
            clickToolbar(QStringLiteral("keyCancelar"));
        else if (how == QLatin1String("plain CANCELAR"))
            QTest::mouseClick(m_window->comandos()->button(QStringLiteral("cmdSair")), Qt::LeftButton);
        else
            QTest::keyClick(m_window.get(), Qt::Key_Escape);
        QCOMPARE(m_dialogs->texts(), QStringList{kClosingQuestion});
        const auto& box = m_dialogs->boxes().at(0);
        QCOMPARE(box.icon, Icon::Question);
        QCOMPARE(box.buttons, platform::Buttons::YesNo);
        QVERIFY(box.secondIsDefault);
        QVERIFY(box.title.isEmpty());
        QCOMPARE(m_window->isVisible(), Answer(answer) == Answer::No);
        QCOMPARE(field("txtDominio")->text(), QStringLiteral("escritorio"));
        QCOMPARE(field("txtSenha")->text(), QStringLiteral("abc"));
        QVERIFY(m_portal->targets().isEmpty());
    }

    void loadShowsTheLastLoginAndTheRightCommands_data()
    {
        QTest::addColumn<bool>("toolbar");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("focus");
        QTest::newRow("toolbar, earlier login") << true << "MARIA" << "txtSenha";
        QTest::newRow("plain, earlier login") << false << "MARIA" << "txtSenha";
        QTest::newRow("toolbar, first login") << true << "" << "txtDominio";
    }
    void loadShowsTheLastLoginAndTheRightCommands()
    {
        QFETCH(bool, toolbar);
        QFETCH(QString, login);
        QFETCH(QString, focus);
        core::Settings::write(core::Secao::Autenticacao, QStringLiteral("Dominio"), login.isEmpty() ? "" : "ESC");
        core::Settings::write(core::Secao::Autenticacao, QStringLiteral("Login"), login);
        delete std::exchange(core::Ambiente, new core::classAmbiente());
        core::Ambiente->Inicia(true, QString());
        if (!toolbar)
            usePlainButtons();
        openWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Zorvelanta Printer - Autenticação de Usuário"));
        QCOMPARE(field("txtLogin")->text(), login);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        ui::CommandBar* bar = m_window->comandos();
        QCOMPARE(bar->toolbar()->isVisible(), toolbar);
        QCOMPARE(bar->fraBotoes()->isVisible(), !toolbar);
        QCOMPARE(bar->toolbar()->objectName(), QStringLiteral("tbLogin"));
        QCOMPARE(bar->keys(), (QStringList{"keySalvar", "keyEntrar", "keyCancelar"}));
        // The daemon has no document: no "GERAR PDF" key; the plain button stays.
        QVERIFY(!bar->action(QStringLiteral("keySalvar"))->isVisible());
        QCOMPARE(bar->button(QStringLiteral("cmdSalvar"))->isVisible(), !toolbar);
        QCOMPARE(bar->button(QStringLiteral("cmdSalvar"))->text(), QStringLiteral("GERAR PDF"));
        QCOMPARE(bar->action(QStringLiteral("keyEntrar"))->toolTip(),
                 QStringLiteral("Faz autenticação junto ao Zorvelanta."));
        for (const char* name : {"txtDominio", "txtLogin", "txtSenha"})
            QCOMPARE(field(name)->maxLength(), 20);
        QLineEdit* senha = field("txtSenha");
        QCOMPARE(senha->echoMode(), QLineEdit::Password);
        QCOMPARE(senha->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, senha), int('#'));
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMinMaxButtonsHint));
    }

    void focusSelectsTheWholeText()
    {
        openWindow();
        fill(QStringLiteral("escritorio"), QStringLiteral("maria"), QString());
        for (const char* name : {"txtDominio", "txtLogin"}) {
            field("txtSenha")->setFocus();
            field(name)->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(field(name)->selectedText(), field(name)->text());
        }
    }

    void gerarPdfInTheDaemonIsRefused()
    {
        usePlainButtons();
        openWindow();
        m_dialogs->chooseFileNext(m_home->path() + QStringLiteral("/copia.pdf"));
        QTest::mouseClick(m_window->comandos()->button(QStringLiteral("cmdSalvar")), Qt::LeftButton);
        QCOMPARE(m_dialogs->fileDialogs().size(), 1);
        QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("Erro de permissão ao arquivo!")});
        QVERIFY(m_window->isVisible());
    }

    void abreSiteAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("opened");
        QTest::newRow("yes") << int(Answer::Yes) << 1;
        QTest::newRow("no") << int(Answer::No) << 0;
    }
    void abreSiteAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(int, opened);
        openWindow();
        m_dialogs->answerNext(Answer(answer));
        m_window->AbreSite();
        QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("Entra no site do Zorvelanta?")});
        QCOMPARE(m_dialogs->boxes().at(0).icon, Icon::Information);
        QCOMPARE(m_dialogs->boxes().at(0).title, QStringLiteral("Zorvelanta Printer"));
        QCOMPARE(m_dialogs->opened().size(), opened);
        if (opened)
            QVERIFY(m_dialogs->opened().at(0).startsWith(QStringLiteral("http")));
    }

private:
    void usePlainButtons()
    {
        ui::ButtonFace::setCor(0x808080);
        core::Settings::write(core::Secao::Config, QStringLiteral("Buton"), QStringLiteral("0"));
    }
    void openWindow()
    {
        m_window = std::make_unique<windows::frmLogin>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    QLineEdit* field(const char* name) const { return m_window->findChild<QLineEdit*>(QLatin1String(name)); }
    void fill(const QString& d, const QString& l, const QString& s)
    {
        field("txtDominio")->setText(d);
        field("txtLogin")->setText(l);
        field("txtSenha")->setText(s);
    }
    void clickToolbar(const QString& key)
    {
        ui::CommandBar* bar = m_window->comandos();
        auto* button = qobject_cast<QToolButton*>(bar->toolbar()->widgetForAction(bar->action(key)));
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    std::unique_ptr<test::TempHome> m_home;
    std::unique_ptr<test::LoopbackPortal> m_portal;
    std::unique_ptr<platform::ScriptedDialogs> m_dialogs;
    std::unique_ptr<windows::frmLogin> m_window;
};

QTEST_MAIN(TestFrmLogin)
#include "test_frmlogin.moc"
