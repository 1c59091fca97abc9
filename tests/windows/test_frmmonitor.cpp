// The Monitor window: captions in step with the session, the session step
// and its refusals, the close-now poll, the typed sequence, the log-off on
// closing and the operations it offers.
#include "WindowShots.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "platform/Clock.h"
#include "platform/DialogService.h"
#include "platform/Regional.h"
#include "support/LoopbackPortal.h"
#include "support/TempHome.h"
#include "ui/ButtonFace.h"
#include "ui/CommandBar.h"
#include "windows/frmMonitor.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>

using namespace zv;
using windows::frmMonitor;

namespace {

const QDateTime kAgora(QDate(2026, 12, 11), QTime(10, 0));
const QString kSemSessao = QStringLiteral("Monitor Zorvelanta Printer");
const QString kComSessao = QStringLiteral("Monitor Zorvelanta Printer [Maria Souza]");

} // namespace

class TestFrmMonitor : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TempHome> m_home;
    std::unique_ptr<test::LoopbackPortal> m_portal;
    std::unique_ptr<platform::ScriptedDialogs> m_dialogs;
    QStringList m_abertas;          // the windows the Monitor opened, in order
    bool m_loginEntra = false;      // whether the login window logs the user in
    bool m_consultaDuranteSessao = false;

    void preparaPortal()
    {
        const QString hoje = platform::Regional::shortDate(kAgora.date());
        m_portal->setSessionAnswers(hoje);
    }

    void entra(qint16 tlogin = 5)
    {
        QVERIFY2(core::Ambiente->Autentica(QStringLiteral("esc"), QStringLiteral("maria"), QStringLiteral("pw"), tlogin),
                 qPrintable(core::Ambiente->Erro()));
        QVERIFY(core::Ambiente->Logado());
    }

    QString ultimaCaixa() const { return m_dialogs->boxes().isEmpty() ? QString() : m_dialogs->boxes().last().text; }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<test::TempHome>();
        platform::Clock::set([] { return kAgora; });
        m_portal = std::make_unique<test::LoopbackPortal>();
        preparaPortal();
        m_dialogs = std::make_unique<platform::ScriptedDialogs>();
        ui::ButtonFace::setCor(ui::ButtonFace::kCorEspecial);
        core::Ambiente = new core::classAmbiente();
        core::Ambiente->Inicia(true, QString());
        m_abertas.clear();
        m_loginEntra = false;
        frmMonitor::usaJanelas({
            [this](QWidget*) {
                m_abertas << QStringLiteral("login");
                if (m_loginEntra)
                    entra();
            },
            [this](QWidget*) {
                m_abertas << QStringLiteral("consulta");
                m_consultaDuranteSessao = core::Ambiente->Logado();
            },
            [this](QWidget*) {
                m_abertas << QStringLiteral("cor");
                ui::ButtonFace::setCor(0xD8C8B8);
                core::Settings::write(core::Secao::Config, QStringLiteral("Buton"), QStringLiteral("0"));
            },
            [this](QWidget*) { m_abertas << QStringLiteral("envio"); },
        });
    }
    void cleanup()
    {
        frmMonitor::usaJanelas({});
        m_dialogs.reset();
        m_portal.reset();
        ui::ButtonFace::setCor(ui::ButtonFace::corPadrao());
        m_home.reset();
    }

    void captionAndLogOffBoxFollowTheSession()
    {
        frmMonitor m;
        m.show();
        QCOMPARE(m.windowTitle(), kSemSessao);
        QVERIFY(!m.chkLogOff()->isVisible());
        QCOMPARE(m.trmLogin().interval(), 5000);
        QCOMPARE(m.tmrSair().interval(), 3000);
        QVERIFY(m.trmLogin().isActive() && m.tmrSair().isActive());

        entra();
        m.VerificaLogin();
        QCOMPARE(m.windowTitle(), kComSessao);
        QVERIFY(m.chkLogOff()->isVisible());
        QCOMPARE(m.chkLogOff()->text(), QStringLiteral("Fazer logoff ao sair"));
        test::guardaImagem(m, QStringLiteral("frmMonitor-toolbar-session"));

        core::Ambiente->LogOff();
        m.VerificaLogin();
        QCOMPARE(m.windowTitle(), kSemSessao);
        QVERIFY(!m.chkLogOff()->isVisible());
        QVERIFY(m_dialogs->boxes().isEmpty());
    }

    void toolbarKeysAndPlainPresentation()
    {
        {
            frmMonitor m;
            m.show();
            QCOMPARE(m.comandos()->keys(),
                     (QStringList{"keyBackup", "keyConsulta", "keyAtualiza", "keyMultiplos", "keySair"}));
            QCOMPARE(m.comandos()->action("keyBackup")->toolTip(),
                     QStringLiteral("Faz cópia de segurança dos arquivos Enviados"));
            QCOMPARE(m.comandos()->action("keyMultiplos")->toolTip(), QStringLiteral("Faz multiplos envios de documentos"));
            QCOMPARE(m.comandos()->action("keySair")->toolTip(), QStringLiteral("Fecha janela do monitor de serviços"));
            QVERIFY(m.comandos()->toolbar()->isVisible());
            QVERIFY(!m.comandos()->fraBotoes()->isVisible());
            m.comandos()->trigger(QStringLiteral("keySair"));
            QVERIFY(!m.isVisible());
        }
        ui::ButtonFace::setCor(0xD8C8B8);
        core::Settings::write(core::Secao::Config, QStringLiteral("Buton"), QStringLiteral("0"));
        frmMonitor m;
        m.show();
        QVERIFY(!m.comandos()->toolbar()->isVisible());
        QVERIFY(m.comandos()->fraBotoes()->isVisible());
        QCOMPARE(m.comandos()->fraBotoes()->findChildren<QPushButton*>().size(), 1);
        test::guardaImagem(m, QStringLiteral("frmMonitor-plain"));
        QTest::mouseClick(m.comandos()->button(QStringLiteral("cmdSair")), Qt::LeftButton);
        QVERIFY(!m.isVisible());
    }

    void operationsWithoutSessionAreRefusedWhenTheLoginIsCancelled_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("recusa");
        QTest::newRow("consulta") << QString::fromUtf8("keyConsulta") << QString::fromUtf8("Não é possível abrir a tela de consulta sem estar logado!");
        QTest::newRow("multiplos") << QString::fromUtf8("keyMultiplos") << QString::fromUtf8("Não é possível abrir a tela de Multiplos Envios sem estar logado!");
        QTest::newRow("backup") << QString::fromUtf8("keyBackup") << QString::fromUtf8("Não é possível abrir a tela de backup sem esta logado!");
    }
    void operationsWithoutSessionAreRefusedWhenTheLoginIsCancelled()
    {
        QFETCH(QString, key);
        QFETCH(QString, recusa);
        frmMonitor m;
        m.show();
        m.comandos()->trigger(key);
        QCOMPARE(m_abertas, QStringList{"login"});
        QCOMPARE(m_dialogs->boxes().size(), 1);
        QCOMPARE(ultimaCaixa(), recusa);
        QCOMPARE(m_dialogs->boxes()[0].icon, platform::Icon::Exclamation);
        QCOMPARE(m_dialogs->boxes()[0].title, QStringLiteral("Zorvelanta Printer"));
        QVERIFY(!m.chkLogOff()->isVisible());
        QCOMPARE(m.windowTitle(), kSemSessao);
    }

    void aLoginInTheWindowLetsTheOperationGoOn_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("abertas");
        QTest::newRow("consulta") << QString::fromUtf8("keyConsulta") << QStringList{"login", "consulta"};
        QTest::newRow("multiplos") << QString::fromUtf8("keyMultiplos") << QStringList{"login", "envio"};
        QTest::newRow("backup") << QString::fromUtf8("keyBackup") << QStringList{"login"};
    }
    void aLoginInTheWindowLetsTheOperationGoOn()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, abertas);
        m_loginEntra = true;
        frmMonitor m;
        m.show();
        m.comandos()->trigger(key);
        QCOMPARE(m_abertas, abertas);
        QCOMPARE(m.windowTitle(), kComSessao);
        QVERIFY(m.chkLogOff()->isVisible());
        if (key == QLatin1String("keyBackup"))
            QCOMPARE(m_dialogs->texts(), QStringList{"A ferramenta de Backup estará disponível em breve!"});
        else
            QVERIFY2(m_dialogs->boxes().isEmpty(), qPrintable(m_dialogs->texts().join("\n")));
    }

    void aSessionForOneOperationEndsWithIt_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("janela");
        QTest::newRow("consulta") << QString::fromUtf8("keyConsulta") << QString::fromUtf8("consulta");
        QTest::newRow("multiplos") << QString::fromUtf8("keyMultiplos") << QString::fromUtf8("envio");
        QTest::newRow("backup") << QString::fromUtf8("keyBackup") << QString::fromUtf8("");
    }
    void aSessionForOneOperationEndsWithIt()
    {
        QFETCH(QString, key);
        QFETCH(QString, janela);
        entra(0);
        QCOMPARE(core::Ambiente->TLogin(), qint16(0));
        frmMonitor m;
        m.show();
        QCOMPARE(m.windowTitle(), kComSessao);
        m.comandos()->trigger(key);
        QCOMPARE(m_abertas, janela.isEmpty() ? QStringList() : QStringList{janela});
        if (janela == QLatin1String("consulta"))
            QVERIFY(m_consultaDuranteSessao);
        QVERIFY(!core::Ambiente->Logado());
        QCOMPARE(m.windowTitle(), kSemSessao);
        QVERIFY(!m.chkLogOff()->isVisible());
    }

    void closeNowPoll_data()
    {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<bool>("fecha");
        QTest::addColumn<int>("caixas");
        QTest::newRow("1") << QString::fromUtf8("1") << true << 0;
        QTest::newRow("0") << QString::fromUtf8("0") << false << 0;
        QTest::newRow("absent") << QString::fromUtf8("") << false << 0;
        QTest::newRow("x") << QString::fromUtf8("x") << true << 1;
    }
    void closeNowPoll()
    {
        QFETCH(QString, valor);
        QFETCH(bool, fecha);
        QFETCH(int, caixas);
        if (!valor.isEmpty())
            core::Settings::write(core::Secao::Config, QStringLiteral("CloseNow"), valor);
        frmMonitor m;
        m.show();
        m.Sair();
        QCOMPARE(!m.isVisible(), fecha);
        QCOMPARE(core::bEncerrar, fecha);
        QCOMPARE(m_dialogs->boxes().size(), caixas);
        if (caixas)
            QVERIFY(ultimaCaixa().contains(QStringLiteral("frmMonitor - Sair")));
    }

    void closeNowClosesEveryOpenMonitorWithinThreeSeconds()
    {
        std::vector<std::unique_ptr<frmMonitor>> janelas;
        for (int i = 0; i < 3; ++i) {
            janelas.push_back(std::make_unique<frmMonitor>());
            janelas.back()->show();
        }
        QTest::qWait(500);
        core::Settings::write(core::Secao::Config, QStringLiteral("CloseNow"), QStringLiteral("1"));
        QElapsedTimer relogio;
        relogio.start();
        QTRY_VERIFY_WITH_TIMEOUT(std::none_of(janelas.begin(), janelas.end(), [](auto& j) { return j->isVisible(); }),
                                 4000);
        QVERIFY(relogio.elapsed() <= 3200);
    }

    void typedSequenceOpensTheColourWindow()
    {
        frmMonitor m;
        m.show();
        QVERIFY(m.comandos()->toolbar()->isVisible());
        QTest::keyClicks(&m, QStringLiteral("abctavri"));
        QVERIFY(m_abertas.isEmpty());
        QTest::keyClicks(m.chkLogOff(), QStringLiteral("K"));
        QCOMPARE(m_abertas, QStringList{"cor"});
        // The colour window chose the plain buttons: the window follows.
        QVERIFY(!m.comandos()->toolbar()->isVisible());
        QVERIFY(m.comandos()->fraBotoes()->isVisible());
        QTest::keyClicks(&m, QStringLiteral("TAVRIK"));
        QCOMPARE(m_abertas, (QStringList{"cor", "cor"}));
    }

    void closingLogsOffOnlyWhenAsked()
    {
        entra();
        {
            frmMonitor m;
            m.show();
            m.close();
        }
        QVERIFY(core::Ambiente->Logado());
        frmMonitor m;
        m.show();
        m.chkLogOff()->setChecked(true);
        m.close();
        QVERIFY(!core::Ambiente->Logado());
        QVERIFY(!core::bEncerrar);
    }

    void theRealConsultationWindowIsBracketedByTheQueryObject()
    {
        frmMonitor::usaJanelas({});
        entra();
        frmMonitor m;
        m.show();
        bool consultaAberta = false, comConsultar = false;
        QTimer::singleShot(200, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            consultaAberta = modal && modal->inherits("zv::consultation::frmConsulta");
            comConsultar = core::Ambiente->Consultar() != nullptr;
            if (auto* d = qobject_cast<QDialog*>(modal))
                d->reject();
        });
        m.comandos()->trigger(QStringLiteral("keyConsulta"));
        QVERIFY(consultaAberta);
        QVERIFY(comConsultar);
        QVERIFY(!core::Ambiente->Consultar());
        QVERIFY(m.isVisible());
    }

    void reportPageAndUpdater()
    {
        entra();
        frmMonitor m;
        m.show();
        m.AbreRelatorio();
        QCOMPARE(m_dialogs->opened(),
                 QStringList{m_portal->baseUrl() + QStringLiteral("printer/relatorio.asp?asp_contador=21&asp_id_admin=33")});
        // No updater beside the test program: the failure is logged, the window stays.
        m.comandos()->trigger(QStringLiteral("keyAtualiza"));
        QCOMPARE(m_dialogs->boxes().size(), 1);
        QVERIFY(ultimaCaixa().contains(QStringLiteral("frmMonitor - tbPrincipal_ButtonClick")));
        QVERIFY(m.isVisible());
        frmMonitor::PedeEncerrar();
        QVERIFY(core::bEncerrar);
        m.AbreMultiplos();
        QCOMPARE(m_abertas, QStringList{"envio"});
    }
};

QTEST_MAIN(TestFrmMonitor)
#include "test_frmmonitor.moc"
