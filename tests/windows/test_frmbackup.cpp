// The backup window against a loopback portal: its texts and keys, a backup
// of the office's active publications into a temporary folder, names that
// clash, a document the portal cannot give, and the refusal without a session.
#include "WindowShots.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/DialogService.h"
#include "platform/Regional.h"
#include "support/LoopbackPortal.h"
#include "support/TempHome.h"
#include "transport/PortalAddress.h"
#include "ui/ButtonFace.h"
#include "ui/CommandBar.h"
#include "windows/frmBackup.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace zv;
using windows::frmBackup;

namespace {

const QDateTime kAgora(QDate(2026, 12, 11), QTime(10, 0));
const QString kLista = QStringLiteral("/printer/consulta_b.asp");
const QString kDocumento = QStringLiteral("printer/consulta_b.asp");

using test::crlf;

struct Documento {
    QString id;
    QString arquivo;
    QByteArray conteudo; // empty: the portal has no such document
};

} // namespace

class TestFrmBackup : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TempHome> m_home;
    std::unique_ptr<test::LoopbackPortal> m_portal;
    std::unique_ptr<platform::ScriptedDialogs> m_dialogs;
    std::unique_ptr<QTemporaryDir> m_destino;
    QMap<QString, QByteArray> m_conteudos;

    void entra()
    {
        const QString hoje = platform::Regional::shortDate(kAgora.date());
        m_portal->setSessionAnswers(hoje);
        QVERIFY2(core::Ambiente->Autentica(QStringLiteral("esc"), QStringLiteral("maria"), QStringLiteral("pw"), 5),
                 qPrintable(core::Ambiente->Erro()));
        QVERIFY(core::Ambiente->Logado());
    }

    void publica(const QList<Documento>& docs)
    {
        QStringList registros;
        for (const Documento& d : docs) {
            QStringList f(17);
            f[2] = d.id;
            f[3] = QStringLiteral("Documento ") + d.id;
            f[4] = d.arquivo;
            f[5] = QString::number(d.conteudo.size());
            registros << f.join(QStringLiteral(">@%"));
            m_conteudos[d.id] = d.conteudo;
        }
        m_portal->setAnswer(kLista, crlf({"Zorvelanta Printer", registros.join(QStringLiteral("<!#")),
                                          QString::number(docs.size()), ""}));
        m_portal->setHandler(kDocumento, [this](const QString& alvo) {
            const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("ia=([^&]*)&")).match(alvo);
            return m.hasMatch() ? m_conteudos.value(m.captured(1)) : QByteArray();
        });
    }

    QString destino(const QString& nome) const { return QDir(m_destino->path()).filePath(nome); }
    QStringList arquivosNoDestino() const
    {
        return QDir(m_destino->path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    // The list is asked with a double slash, each document with one.
    QStringList pedidosLista() const { return pedidos(QStringLiteral("//printer/consulta_b.asp?")); }
    QStringList pedidosDocumento() const { return pedidos(QStringLiteral("/printer/consulta_b.asp?")); }
    QStringList pedidos(const QString& inicio) const
    {
        QStringList r;
        for (const QString& t : m_portal->targets())
            if (t.startsWith(inicio))
                r << t;
        return r;
    }
    QString ultimaCaixa() const { return m_dialogs->boxes().isEmpty() ? QString() : m_dialogs->boxes().last().text; }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<test::TempHome>();
        platform::Clock::set([] { return kAgora; });
        m_portal = std::make_unique<test::LoopbackPortal>();
        m_dialogs = std::make_unique<platform::ScriptedDialogs>();
        m_destino = std::make_unique<QTemporaryDir>();
        m_conteudos.clear();
        ui::ButtonFace::setCor(ui::ButtonFace::kCorEspecial);
        core::Ambiente = new core::classAmbiente();
        core::Ambiente->Inicia(true, QString());
    }
    void cleanup()
    {
        m_dialogs.reset();
        m_portal.reset();
        m_destino.reset();
        ui::ButtonFace::setCor(ui::ButtonFace::corPadrao());
        m_home.reset();
    }

    void textsCaptionKeysAndPortalAddress()
    {
        frmBackup w;
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("Zorvelanta Printer Backup"));
        auto* banner = w.findChild<QLabel*>(QStringLiteral("iblTexto"));
        QVERIFY(banner);
        QCOMPARE(banner->text(), QStringLiteral("Guarda no local desejado cópia de todas as publicações ativas"));
        QVERIFY(banner->alignment() & Qt::AlignHCenter);
        QCOMPARE(banner->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(banner->autoFillBackground());
        QVERIFY(w.findChild<QFrame*>(QStringLiteral("Line1")));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("ibl"))->text(), QStringLiteral("Arquivo"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Total"));
        QCOMPARE(w.pbBackup()->objectName(), QStringLiteral("pbBackup"));
        QCOMPARE(w.ProgressBar1()->objectName(), QStringLiteral("ProgressBar1"));
        QCOMPARE(w.pbBackup()->value(), 0);
        QCOMPARE(w.ProgressBar1()->value(), 0);

        QCOMPARE(w.comandos()->toolbar()->objectName(), QStringLiteral("tbBotoes"));
        QCOMPARE(w.comandos()->keys(), (QStringList{"keyBackup", "keySair"}));
        QCOMPARE(w.comandos()->action("keyBackup")->toolTip(), QStringLiteral("Inicia Backup de arquivos "));
        QCOMPARE(w.comandos()->action("keySair")->toolTip(), QStringLiteral("Fecha Backup"));
        QVERIFY(w.comandos()->toolbar()->isVisible());
        QVERIFY(!w.comandos()->fraBotoes()->isVisible());
        // A loopback portal has no www form; the office's portal has.
        QCOMPARE(w.urlPortal(), m_portal->baseUrl());
        test::guardaImagem(w, QStringLiteral("frmBackup-toolbar"));
        m_portal.reset();
        QCOMPARE(frmBackup().urlPortal(), QStringLiteral("http://www.portal.zorvelanta.com.br/"));

        w.comandos()->trigger(QStringLiteral("keySair"));
        QVERIFY(!w.isVisible());
        QVERIFY(m_dialogs->boxes().isEmpty());
    }

    void plainButtonsWhenTheUserKeepsTheirColour()
    {
        ui::ButtonFace::setCor(0xD8C8B8);
        core::Settings::write(core::Secao::Config, QStringLiteral("Buton"), QStringLiteral("0"));
        frmBackup w;
        w.show();
        QVERIFY(!w.comandos()->toolbar()->isVisible());
        QVERIFY(w.comandos()->fraBotoes()->isVisible());
        QCOMPARE(w.comandos()->button(QStringLiteral("cmdBackup"))->text(), QStringLiteral("Backup"));
        test::guardaImagem(w, QStringLiteral("frmBackup-plain"));
        QTest::mouseClick(w.comandos()->button(QStringLiteral("cmdSair")), Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    void backsUpEveryActiveDocumentWithMovingBars()
    {
        entra();
        publica({{"900", "guia.pdf", "%PDF-guia"}, {"901", "relatório.xls", QByteArray("\x00\xff\x80", 3)},
                 {"902", "leiame.txt", "texto"}});
        m_dialogs->chooseFolderNext(m_destino->path());
        frmBackup w;
        w.show();
        QList<int> arquivo, total;
        bool teclaDesligada = true;
        connect(w.pbBackup(), &QProgressBar::valueChanged, this, [&](int v) {
            arquivo << v;
            teclaDesligada = teclaDesligada && !w.comandos()->action("keyBackup")->isEnabled() && w.emCurso();
        });
        connect(w.ProgressBar1(), &QProgressBar::valueChanged, this, [&](int v) { total << v; });

        w.comandos()->trigger(QStringLiteral("keyBackup"));

        QCOMPARE(m_dialogs->folderDialogs().size(), 1);
        QCOMPARE(m_dialogs->folderDialogs()[0].title, frmBackup::kTituloPasta);
        QCOMPARE(pedidosLista(), QStringList{"//printer/consulta_b.asp?s=4711&l=33&t=0&o=0&m=3"});
        QCOMPARE(pedidosDocumento().size(), 3);
        QCOMPARE(arquivosNoDestino(), (QStringList{"guia.pdf", "leiame.txt", "relatório.xls"}));
        QCOMPARE(test::readAll(destino("guia.pdf")), QByteArray("%PDF-guia"));
        QCOMPARE(test::readAll(destino("relatório.xls")), QByteArray("\x00\xff\x80", 3));
        QCOMPARE(test::readAll(destino("leiame.txt")), QByteArray("texto"));

        QVERIFY(teclaDesligada);
        QVERIFY(arquivo.count(100) == 3 && arquivo.contains(50));
        QCOMPARE(total, (QList<int>{1, 2, 3}));
        QCOMPARE(w.ProgressBar1()->maximum(), 3);
        QVERIFY(w.comandos()->action("keyBackup")->isEnabled());
        QVERIFY(!w.emCurso());

        QCOMPARE(m_dialogs->boxes().size(), 1);
        QCOMPARE(m_dialogs->boxes()[0].icon, platform::Icon::Information);
        QCOMPARE(m_dialogs->boxes()[0].title, QStringLiteral("Zorvelanta Printer"));
        const QStringList linhas = ultimaCaixa().split(QStringLiteral("\r\n"));
        QCOMPARE(linhas.value(0), QStringLiteral("Backup concluído."));
        QVERIFY2(linhas.contains(QStringLiteral("Publicações ativas: 3")), qPrintable(ultimaCaixa()));
        QVERIFY2(linhas.contains(QStringLiteral("Copiadas: 3")), qPrintable(ultimaCaixa()));
        QCOMPARE(m_dialogs->busyDepth(), 0);
        test::guardaImagem(w, QStringLiteral("frmBackup-done"));
    }

    void clashingNamesGetNumbersAndTheUserFileIsKept()
    {
        entra();
        publica({{"900", "guia.pdf", "primeira"}, {"901", "guia.pdf", "segunda"}, {"902", "../guia.pdf", "terceira"}});
        {
            QFile f(destino("guia.pdf"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("do usuario");
        }
        m_dialogs->chooseFolderNext(m_destino->path());
        frmBackup w;
        w.show();
        w.comandos()->trigger(QStringLiteral("keyBackup"));
        QCOMPARE(arquivosNoDestino(), (QStringList{"_guia.pdf", "guia (2).pdf", "guia (3).pdf", "guia.pdf"}));
        QCOMPARE(test::readAll(destino("guia.pdf")), QByteArray("do usuario"));
        QCOMPARE(test::readAll(destino("guia (2).pdf")), QByteArray("primeira"));
        QCOMPARE(test::readAll(destino("guia (3).pdf")), QByteArray("segunda"));
        QCOMPARE(test::readAll(destino("_guia.pdf")), QByteArray("terceira"));
        QDir acima(m_destino->path());
        acima.cdUp();
        QVERIFY(!QFile::exists(acima.filePath("guia.pdf")));
        QCOMPARE(m_dialogs->boxes().size(), 1);
        QCOMPARE(m_dialogs->boxes()[0].icon, platform::Icon::Information);
        QVERIFY2(ultimaCaixa().contains(QStringLiteral("Gravadas com outro nome (o nome já existia na pasta): 2")),
                 qPrintable(ultimaCaixa()));
    }

    void aFailedDownloadIsCountedAndTheOthersGoOn()
    {
        entra();
        publica({{"900", "a.pdf", "aaa"}, {"901", "perdido.pdf", ""}, {"902", "c.pdf", "ccc"}});
        m_dialogs->chooseFolderNext(m_destino->path());
        frmBackup w;
        w.show();
        w.comandos()->trigger(QStringLiteral("keyBackup"));
        QCOMPARE(arquivosNoDestino(), (QStringList{"a.pdf", "c.pdf"}));
        QCOMPARE(w.ProgressBar1()->value(), 3);
        QCOMPARE(m_dialogs->boxes().size(), 1);
        QCOMPARE(m_dialogs->boxes()[0].icon, platform::Icon::Exclamation);
        const QStringList linhas = ultimaCaixa().split(QStringLiteral("\r\n"));
        QVERIFY2(linhas.contains(QStringLiteral("Copiadas: 2")), qPrintable(ultimaCaixa()));
        QVERIFY2(linhas.contains(QStringLiteral("Não copiadas: 1")), qPrintable(ultimaCaixa()));
        QVERIFY2(linhas.contains(QStringLiteral("perdido.pdf: Arquivo não encontrador!")), qPrintable(ultimaCaixa()));
    }

    void refusesWithoutSessionAndStopsOnACancelledFolder()
    {
        publica({{"900", "a.pdf", "aaa"}});
        {
            frmBackup w;
            w.show();
            w.comandos()->trigger(QStringLiteral("keyBackup"));
            QCOMPARE(m_dialogs->texts(), QStringList{frmBackup::kSemSessao});
            QCOMPARE(m_dialogs->boxes()[0].icon, platform::Icon::Exclamation);
            QVERIFY(m_dialogs->folderDialogs().isEmpty());
            QVERIFY(pedidosDocumento().isEmpty() && pedidosLista().isEmpty());
        }
        entra();
        m_dialogs->clear();
        m_dialogs->cancelFolderNext();
        frmBackup w;
        w.show();
        w.comandos()->trigger(QStringLiteral("keyBackup"));
        QCOMPARE(m_dialogs->folderDialogs().size(), 1);
        QVERIFY(m_dialogs->boxes().isEmpty());
        QVERIFY(pedidosLista().isEmpty());
        QVERIFY(arquivosNoDestino().isEmpty());
    }

    void aFolderThatIsNotThereOrAListThatFailsIsSaidAndNothingIsFetched()
    {
        entra();
        m_dialogs->chooseFolderNext(destino("nao-existe"));
        frmBackup w;
        w.show();
        w.comandos()->trigger(QStringLiteral("keyBackup"));
        QCOMPARE(m_dialogs->boxes().size(), 1);
        QVERIFY2(ultimaCaixa().startsWith(QStringLiteral("A pasta escolhida não existe:")), qPrintable(ultimaCaixa()));
        QVERIFY(pedidosLista().isEmpty());

        m_dialogs->clear();
        m_portal->setAnswer(kLista, crlf({"Zorvelanta Printer", "", "0", ""}));
        m_dialogs->chooseFolderNext(m_destino->path());
        w.comandos()->trigger(QStringLiteral("keyBackup"));
        QCOMPARE(m_dialogs->texts(), QStringList{"Não existem Arquivos para esta consulta!"});
        QCOMPARE(m_dialogs->boxes()[0].icon, platform::Icon::Exclamation);
        QVERIFY(pedidosDocumento().isEmpty());
        QVERIFY(w.comandos()->action("keyBackup")->isEnabled());
    }

    void closingDuringABackupStopsItAfterTheDocumentInHand()
    {
        entra();
        publica({{"900", "a.pdf", "a"}, {"901", "b.pdf", "b"}, {"902", "c.pdf", "c"}});
        m_dialogs->chooseFolderNext(m_destino->path());
        frmBackup w;
        w.show();
        connect(w.pbBackup(), &QProgressBar::valueChanged, this, [&](int v) {
            if (v == 100)
                w.close();
        });
        w.comandos()->trigger(QStringLiteral("keyBackup"));
        QCOMPARE(arquivosNoDestino(), QStringList{"a.pdf"});
        QCOMPARE(pedidosDocumento().size(), 1);
        QCOMPARE(m_dialogs->boxes().size(), 1);
        QVERIFY2(ultimaCaixa().startsWith(QStringLiteral("Backup interrompido.")), qPrintable(ultimaCaixa()));
        QVERIFY2(ultimaCaixa().contains(QStringLiteral("Não processadas: 2")), qPrintable(ultimaCaixa()));
        QTRY_VERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TestFrmBackup)
#include "test_frmbackup.moc"
