// The sending window over the send queue: loading, the grid, the row display.
#include "WindowShots.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/DialogService.h"
#include "support/LoopbackPortal.h"
#include "support/TempHome.h"
#include "ui/ButtonFace.h"
#include "ui/CommandBar.h"
#include "ui/Twips.h"
#include "windows/SeletorData.h"
#include "windows/frmMEnvio.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolBar>
#include <QtTest>

using namespace zv;
using windows::frmMEnvio;
using windows::SeletorData;

namespace {

const QDate kHoje(2026, 3, 10);

const QByteArray kSincronia = platform::toCp1252(
    QStringLiteral("Zorvelanta Printer|*+4|*+12>@%3>@%Alfa Comércio<!#7>@%3>@%Beta Ltda|*+21>@%Ana<!#22>@%Bruno"));

QString indice() { return QDir::homePath() + QStringLiteral("/.local/share/ZorvelantaPrinter/queqe/zvmf.rlx"); }

} // namespace

class TestFrmMEnvio : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TempHome> m_home;
    std::unique_ptr<test::LoopbackPortal> m_portal;
    std::unique_ptr<platform::ScriptedDialogs> m_dialogs;

    // Queues one document through the environment, as a sender would.
    void enfileira(const QString& nome, qint16 tipo, const QList<qint32>& clientes, const QString& ativacao,
                   const QString& observacao, const QString& titulo = {})
    {
        core::classAmbiente& a = *core::Ambiente;
        a.Enviar.Try();
        for (qint32 c : clientes)
            a.Enviar.AddCliente(c);
        a.Enviar.setTipoArquivo(tipo);
        a.Enviar.setDescricao(QStringLiteral("Descrição de ") + nome);
        a.Enviar.setAtivacao(ativacao);
        a.Enviar.setExpiracao(QString());
        a.Enviar.setVencimento(QStringLiteral("20/03/2026"));
        a.Enviar.setValor(1234.56);
        a.Enviar.setObservacao(observacao);
        a.pasta = QStringLiteral("Fiscal");
        a.Enviar.Validar(nome, a.pasta, a.ControleValidacao);
        QVERIFY(a.Enviar.Validado());
        QString t = titulo;
        a.setTitulo(t);
        a.LimpaListaArquivos();
        a.AddListaArquivos(m_home->writeFile(QStringLiteral("docs/") + nome, "%PDF"));
        QVERIFY2(a.Enfileirar(), qPrintable(a.Erro()));
        QVERIFY(a.Enfileirado());
        QVERIFY(a.arquivo().endsWith(QLatin1Char('/') + nome));
    }

    void filaDeQuatro()
    {
        enfileira(QStringLiteral("guia.pdf"), 0, {12}, QStringLiteral("11/03/2026"),
                  QStringLiteral("Pagar no banco\r\naté o dia 20"));
        enfileira(QStringLiteral("balancete.pdf"), 1, {7}, QString(), QString(), QStringLiteral("Balancete"));
        enfileira(QStringLiteral("aviso.pdf"), 2, {12, 7}, QString(), QString());
        QFile f(indice());
        QVERIFY(f.open(QIODevice::Append));
        f.write("99>@%file099>@%outro.pdf>@%7>@%desconhecido>@%31/02/2026>@%>@%>@%0>@%0>@%>@%\r\n");
    }

    QStringList linha(const frmMEnvio& w, int r)
    {
        QStringList out;
        for (int c = 0; c < 11; ++c)
            out << w.modelo()->index(r, c).data().toString();
        return out;
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<test::TempHome>();
        platform::Clock::set([] { return QDateTime(kHoje, QTime(10, 0)); });
        m_portal = std::make_unique<test::LoopbackPortal>();
        m_portal->setAnswer(QStringLiteral("printer/sincroniza.asp"), kSincronia);
        m_dialogs = std::make_unique<platform::ScriptedDialogs>();
        ui::ButtonFace::setCor(ui::ButtonFace::kCorEspecial);
        core::Ambiente = new core::classAmbiente();
    }
    void cleanup()
    {
        m_dialogs.reset();
        m_portal.reset();
        ui::ButtonFace::setCor(ui::ButtonFace::corPadrao());
        m_home.reset();
    }

    void absentQueueShowsTheLoadersMessageOverAnEmptyGrid()
    {
        frmMEnvio w;
        w.show();
        QCOMPARE(m_dialogs->boxes().size(), 1);
        QCOMPARE(m_dialogs->boxes()[0].text, QStringLiteral("Problemas ao carregar a fila!"));
        QCOMPARE(m_dialogs->boxes()[0].title, QStringLiteral("Zorvelanta Printer"));
        QCOMPARE(m_dialogs->boxes()[0].icon, platform::Icon::Exclamation);
        QCOMPARE(w.modelo()->rowCount(), 0);
        const QStringList titulos = {".", "Tipo", "Empresa", "Titulo", "Descrição", "Ativação", "Expiração",
                                     "Vencimento", "Valor", "", "Aviso"};
        QCOMPARE(w.modelo()->columnCount(), 11);
        for (int c = 0; c < 11; ++c)
            QCOMPARE(w.modelo()->headerData(c, Qt::Horizontal).toString(), titulos[c]);
        QCOMPARE(w.windowTitle(), QStringLiteral("Envio de Documentos"));
        QVERIFY(m_portal->targets().isEmpty());
    }

    void emptyQueueLoadsWithoutMessageOrPortal()
    {
        QDir().mkpath(QFileInfo(indice()).absolutePath());
        QFile f(indice());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        frmMEnvio w;
        w.show();
        QVERIFY(m_dialogs->boxes().isEmpty());
        QCOMPARE(w.modelo()->rowCount(), 0);
        QVERIFY(m_portal->targets().isEmpty());
        w.MostraLinha(1);
        QCOMPARE(w.findChild<QLineEdit*>("txtDescricao")->text(), QString());
    }

    void queuedDocumentsShowWithTheirCompaniesTitlesAndDates()
    {
        filaDeQuatro();
        frmMEnvio w;
        w.show();
        QVERIFY2(m_dialogs->boxes().isEmpty(), qPrintable(m_dialogs->texts().join("\n")));
        QCOMPARE(m_portal->targets().size(), 1);
        QVERIFY(m_portal->targets()[0].contains(QStringLiteral("&u=1")));
        QCOMPARE(w.modelo()->rowCount(), 4);
        QCOMPARE(linha(w, 0), (QStringList{"", "Pagamento", "Alfa Comércio", "guia.pdf", "Descrição de guia.pdf",
                                           "11/03/2026", "-*-", "20/03/2026", "R$ 1.234,56", "", "SIM"}));
        QCOMPARE(linha(w, 1), (QStringList{"", "Relatório", "Beta Ltda", "Balancete", "Descrição de balancete.pdf",
                                           "-*-", "-*-", "-*-", "-*-", "", "NÃO"}));
        QCOMPARE(linha(w, 2)[1], QStringLiteral("Diversos"));
        QCOMPARE(linha(w, 2)[2], QStringLiteral("(2)Empresas"));
        QCOMPARE(linha(w, 3)[1], QStringLiteral("7"));
        QCOMPARE(linha(w, 3)[2], QString());
        QCOMPARE(linha(w, 3)[5], QStringLiteral("-*-"));
        // The company and notice lists come from the synchronisation.
        auto* clientes = w.findChild<QComboBox*>("cboCliente");
        QCOMPARE(clientes->count(), 2);
        QCOMPARE(w.findChild<QListWidget*>("List1")->count(), 2);
        test::guardaImagem(w, QStringLiteral("frmMEnvio-toolbar"));
    }

    void rowDisplayShowsTheSelectedRecord()
    {
        filaDeQuatro();
        frmMEnvio w;
        w.show();
        auto* tipo = w.findChild<QComboBox*>("cboTipoDoctos");
        auto* descricao = w.findChild<QLineEdit*>("txtDescricao");
        auto* pagto = w.findChild<QGroupBox*>("fraPagto");
        auto* valor = w.findChild<QLineEdit*>("txtValor");
        auto* obs = w.findChild<QPlainTextEdit*>("txtObs");
        auto* ativacao = w.findChild<SeletorData*>("dtpAtivacao");
        auto* vencimento = w.findChild<SeletorData*>("dtpVencimento");
        QCOMPARE(valor->text(), QStringLiteral("0,00"));

        w.MostraLinha(1);
        QCOMPARE(tipo->currentText(), QStringLiteral("Pagamento"));
        QVERIFY(pagto->isVisible());
        QCOMPARE(vencimento->data(), std::optional<QDate>(QDate(2026, 3, 20)));
        QCOMPARE(valor->text(), QStringLiteral("R$ 1.234,56"));
        QCOMPARE(obs->toPlainText(), QStringLiteral("Pagar no banco\naté o dia 20"));
        QCOMPARE(ativacao->data(), std::optional<QDate>(QDate(2026, 3, 11)));
        QCOMPARE(w.findChild<QComboBox*>("cboCliente")->currentText(), QStringLiteral("Alfa Comércio"));
        test::guardaImagem(w, QStringLiteral("frmMEnvio-payment-selected"));

        // The same row again keeps what the user typed over it.
        descricao->setText(QStringLiteral("digitado"));
        w.MostraLinha(1);
        QCOMPARE(descricao->text(), QStringLiteral("digitado"));
        w.MostraLinha(2);
        QCOMPARE(descricao->text(), QStringLiteral("Descrição de balancete.pdf"));
        QVERIFY(!pagto->isVisible());
        QVERIFY(!ativacao->temData());
        QCOMPARE(tipo->currentText(), QStringLiteral("Relatório"));
        descricao->setText(QStringLiteral("outro"));
        w.MostraLinha(2);
        QCOMPARE(descricao->text(), QStringLiteral("outro"));
        w.MostraLinha(1);
        QCOMPARE(descricao->text(), QStringLiteral("Descrição de guia.pdf"));

        // A type the combo has no item for leaves it blank; the header row
        // and rows past the last record change nothing.
        w.MostraLinha(4);
        QCOMPARE(tipo->currentIndex(), -1);
        QVERIFY(!ativacao->temData());
        w.MostraLinha(0);
        w.MostraLinha(5);
        QCOMPARE(descricao->text(), QStringLiteral("desconhecido"));

        // Clicking the grid runs the same display.
        auto* grade = w.findChild<QTableView*>("grdFila");
        const QRect celula = grade->visualRect(w.modelo()->index(1, 3));
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, celula.center());
        QCOMPARE(descricao->text(), QStringLiteral("Descrição de balancete.pdf"));
    }

    void observationCounterAndLimits()
    {
        filaDeQuatro();
        frmMEnvio w;
        w.show();
        auto* obs = w.findChild<QPlainTextEdit*>("txtObs");
        auto* contador = w.findChild<QLabel*>("iblObsChars");
        QCOMPARE(contador->text(), QStringLiteral("1000"));
        QCOMPARE(contador->toolTip(), QStringLiteral("Número de caracteres restantes"));
        obs->setFocus();
        QTest::keyClicks(obs, QStringLiteral("0123456789"));
        QCOMPARE(contador->text(), QStringLiteral("990"));
        obs->setPlainText(QString(1200, QLatin1Char('x')));
        QCOMPARE(obs->toPlainText().size(), 1000);
        QCOMPARE(contador->text(), QStringLiteral("0"));
        QCOMPARE(w.findChild<QLineEdit*>("txtDescricao")->maxLength(), 100);
    }

    void columnWidthsComeFromTheSettingsInTwips()
    {
        filaDeQuatro();
        core::Settings::write(core::Secao::mEnvio, QStringLiteral("c_4"), QStringLiteral("3000"));
        core::Settings::write(core::Secao::mEnvio, QStringLiteral("c_2"), QString());
        frmMEnvio w;
        w.show();
        auto* grade = w.findChild<QTableView*>("grdFila");
        QCOMPARE(grade->columnWidth(4), ui::Twips::toPixelsX(3000, &w));
        QCOMPARE(grade->columnWidth(2), ui::Twips::toPixelsX(2000, &w));
        QCOMPARE(grade->columnWidth(1), ui::Twips::toPixelsX(850, &w));
        QCOMPARE(core::Settings::read(core::Secao::mEnvio, QStringLiteral("c_1")), QString());
    }

    void damagedIndexLoadsWhatIsSoundAndSaysSo()
    {
        filaDeQuatro();
        QFile f(indice());
        QVERIFY(f.open(QIODevice::Append));
        f.write("12>@%file005>@%curta.pdf>@%1\r\n\r\n12>@%file006>@%fim.pdf>@%2>@%ultimo>@%>@%>@%>@%0>@%0>@%>@%\r\n");
        f.close();
        frmMEnvio w;
        w.show();
        QCOMPARE(w.modelo()->rowCount(), 5);
        QCOMPARE(linha(w, 4)[4], QStringLiteral("ultimo"));
        QCOMPARE(m_dialogs->boxes().size(), 1);
        QVERIFY(m_dialogs->boxes()[0].text.contains(QStringLiteral("linha 5, 6")));
        QCOMPARE(m_dialogs->boxes()[0].icon, platform::Icon::Exclamation);
    }

    void theQueuedFilesOutliveTheEnvironment()
    {
        enfileira(QStringLiteral("guia.pdf"), 0, {12}, QString(), QString());
        const QString original = core::Ambiente->arquivo();
        delete std::exchange(core::Ambiente, nullptr);
        QVERIFY2(QFile::exists(original), "the user's document is not the environment's to delete");
    }

    void bothPresentationsAndTheirKeys()
    {
        filaDeQuatro();
        {
            frmMEnvio w;
            w.show();
            QVERIFY(w.comandos()->toolbar()->isVisible());
            QVERIFY(!w.comandos()->fraBotoes()->isVisible());
            QVERIFY(!w.comandos()->action(QStringLiteral("keyEnviar"))->isEnabled());
            w.comandos()->trigger(QStringLiteral("keySair"));
            QVERIFY(!w.isVisible());
        }
        ui::ButtonFace::setCor(0xD8C8B8);
        core::Settings::write(core::Secao::Config, QStringLiteral("Buton"), QStringLiteral("0"));
        frmMEnvio w;
        w.show();
        QVERIFY(!w.comandos()->toolbar()->isVisible());
        QVERIFY(w.comandos()->fraBotoes()->isVisible());
        w.MostraLinha(1);
        test::guardaImagem(w, QStringLiteral("frmMEnvio-plain"));
        QTest::mouseClick(w.comandos()->button(QStringLiteral("cmdSair")), Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    void exitRequestClosesTheWindow()
    {
        filaDeQuatro();
        frmMEnvio w;
        w.show();
        core::bEncerrar = true;
        QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), 4000);
    }
};

QTEST_MAIN(TestFrmMEnvio)
#include "test_frmmenvio.moc"
