// The consultation window against a loopback portal: filters and their
// request, the result in the grid, the layout memory, viewing and download.
#include "consultation/ModeloConsulta.h"
#include "consultation/window/frmConsulta.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "platform/DialogService.h"
#include "support/LoopbackPortal.h"
#include "support/TempHome.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QtTest>
#include <memory>

using namespace zv;
using consultation::frmConsulta;
using platform::Answer;

namespace {

const QString kSistema = QStringLiteral("Zorvelanta Printer");
const QString kConsulta = QStringLiteral("/printer/consulta_b.asp");

QString registro(const QString& id, const QString& arquivo, const QString& tamanho, const QString& apagado = {})
{
    QStringList f(17);
    f[0] = QStringLiteral("Alfa Ltda");
    f[1] = QStringLiteral("P");
    f[2] = id;
    f[3] = QStringLiteral("Guia ") + id;
    f[4] = arquivo;
    f[5] = tamanho;
    f[8] = QStringLiteral("17/03/2011 10:00:00");
    f[10] = apagado;
    f[14] = QStringLiteral("31/03/2011");
    f[15] = QStringLiteral("1234.5");
    return f.join(QStringLiteral(">@%"));
}

QByteArray resposta(const QStringList& registros)
{
    return (kSistema + "\r\n" + registros.join(QStringLiteral("<!#")) + "\r\n" + QString::number(registros.size())
            + "\r\n")
        .toLatin1();
}

} // namespace

class TestFrmConsulta : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempHome> home;
    std::unique_ptr<test::LoopbackPortal> portal;
    std::unique_ptr<platform::ScriptedDialogs> dialogs;

    QStringList pedidosConsulta() const
    {
        QStringList r;
        for (const QString& t : portal->targets())
            if (t.startsWith(QStringLiteral("//printer/consulta_b.asp")))
                r << t;
        return r;
    }
    std::unique_ptr<frmConsulta> abre()
    {
        core::Ambiente->Consulta_Iniciar();
        return std::make_unique<frmConsulta>();
    }
    QComboBox* combo(QWidget* w, const char* nome) { return w->findChild<QComboBox*>(QLatin1String(nome)); }
    QString back(const QString& id) const { return home->appData() + "/ZorvelantaPrinter/Back/" + id; }

private Q_SLOTS:
    void init()
    {
        home = std::make_unique<test::TempHome>();
        portal = std::make_unique<test::LoopbackPortal>();
        dialogs = std::make_unique<platform::ScriptedDialogs>();
        core::Ambiente = new core::classAmbiente();
        core::Ambiente->sessao().lngSessao = 123;
        core::Ambiente->sessao().lngLogin_ID = 45;
        core::Ambiente->sessao().lngID_Contador = 57;
        core::Ambiente->sessao().Usuario = QStringLiteral("Ana");
        portal->setAnswer(QStringLiteral("printer/sincroniza.asp"),
                          (kSistema + "|*+4|*+5>@%1>@%Beta<!#7>@%1>@%Alfa Ltda|*+3>@%Ana<!#4>@%Bruno").toLatin1());
    }
    void cleanup()
    {
        dialogs.reset();
        portal.reset();
        home.reset();
    }

    void opensWithItsListsAndQueriesNothing()
    {
        auto w = abre();
        QCOMPARE(w->windowTitle(), QStringLiteral("Consulta Zorvelanta Printer [Ana]"));
        QCOMPARE(portal->targets(), QStringList{"/printer/sincroniza.asp?s=123&l=45&u=1"});
        QVERIFY(QFile::exists(home->appData() + "/ZorvelantaPrinterc57sincu.rpx"));
        const QComboBox* clientes = combo(w.get(), "cboClientes");
        QCOMPARE(clientes->count(), 3);
        QCOMPARE(clientes->itemText(0), QStringLiteral("Todos"));
        QCOMPARE(clientes->itemText(2), QStringLiteral("Alfa Ltda"));
        QCOMPARE(combo(w.get(), "cboUsuarios")->count(), 3);
        for (const char* nome : {"cboClientes", "cboTipoDocto", "cboTipoData", "cboUsuarios", "cboOrdem", "cboMostrar"})
            QCOMPARE(combo(w.get(), nome)->currentIndex(), 0);
        QVERIFY(!w->findChild<QDateEdit*>("dtpDtInicio")->isEnabled());
        QCOMPARE(w->findChild<QLabel*>("iblRetorno")->text(), QStringLiteral("0"));
        QCOMPARE(w->findChild<QLabel*>("iblSumSize")->text(), QStringLiteral("0"));
        QCOMPARE(w->modelo()->rowCount(), 1);
        QCOMPARE(w->larguraTwips(), 9350);
        auto* grade = w->findChild<QTableView*>("grdConsulta");
        for (int hidden : {12, 16, 17})
            QVERIFY(grade->isColumnHidden(hidden));
        QCOMPARE(grade->columnWidth(0), ui::Twips::toPixelsX(2500, w.get()));
    }

    void paymentsDueInMarchAreAskedExactly()
    {
        home->writeFile(".local/share/ZorvelantaPrinter/Back/901", "x");
        portal->setAnswer(kConsulta, resposta({registro("900", "guia.pdf", "1024"), registro("901", "b.pdf", "512")}));
        auto w = abre();
        combo(w.get(), "cboClientes")->setCurrentIndex(2);
        combo(w.get(), "cboTipoDocto")->setCurrentIndex(1);
        combo(w.get(), "cboTipoData")->setCurrentIndex(2);
        QVERIFY(w->findChild<QDateEdit*>("dtpDtInicio")->isEnabled());
        w->findChild<QDateEdit*>("dtpDtInicio")->setDate(QDate(2011, 3, 1));
        w->findChild<QDateEdit*>("dtpDtFim")->setDate(QDate(2011, 3, 31));
        combo(w.get(), "cboOrdem")->setCurrentIndex(3);
        combo(w.get(), "cboMostrar")->setCurrentIndex(1);
        w->ExecutaFiltro();
        QCOMPARE(pedidosConsulta(), QStringList{"//printer/consulta_b.asp?s=123&l=45&e=7&t=1&d=v&i=20110301&f=20110331&o=3&m=1"});
        QVERIFY(dialogs->boxes().isEmpty());
        QCOMPARE(w->findChild<QLabel*>("iblRetorno")->text(), QStringLiteral("2"));
        QCOMPARE(w->findChild<QLabel*>("iblSumSize")->text(), QStringLiteral("1,5"));
        QCOMPARE(w->modelo()->rowCount(), 2);
        QCOMPARE(w->modelo()->texto(0, 7), QStringLiteral("R$ 1.234,50"));
        QCOMPARE(w->modelo()->texto(0, 10), QStringLiteral("1Kbs"));
        QCOMPARE(w->modelo()->texto(1, 17), QStringLiteral("Sim"));
        auto* grade = w->findChild<QTableView*>("grdConsulta");
        QVERIFY(!grade->isColumnHidden(6));
        QCOMPARE(grade->columnWidth(7), ui::Twips::toPixelsX(2000, w.get()));

        combo(w.get(), "cboTipoDocto")->setCurrentIndex(2);
        combo(w.get(), "cboTipoData")->setCurrentIndex(0);
        w->ExecutaFiltro();
        QVERIFY(grade->isColumnHidden(6) && grade->isColumnHidden(7));
    }

    void refusalsAndEmptyResults()
    {
        portal->setAnswer(kConsulta, resposta({registro("900", "guia.pdf", "1024")}));
        auto w = abre();
        w->ExecutaFiltro();
        QCOMPARE(w->modelo()->rowCount(), 1);
        QCOMPARE(w->modelo()->texto(0, 16), QStringLiteral("900"));

        combo(w.get(), "cboTipoDocto")->setCurrentIndex(2);
        combo(w.get(), "cboTipoData")->setCurrentIndex(2);
        w->ExecutaFiltro();
        QCOMPARE(dialogs->texts(), QStringList{"O Filtro por Vencimento só pode ser escolhido \r\nquando o Tipo de "
                                               "arquivo for Pagamento!"});
        QCOMPARE(dialogs->boxes().last().icon, platform::Icon::Exclamation);
        QCOMPARE(pedidosConsulta().size(), 1); // "no request"
        QCOMPARE(w->modelo()->texto(0, 16), QStringLiteral("900")); // "the grid keeps its rows"

        dialogs->clear();
        combo(w.get(), "cboTipoData")->setCurrentIndex(0);
        portal->setAnswer(kConsulta, (kSistema + "\r\n\r\n0\r\n").toLatin1());
        w->ExecutaFiltro();
        QCOMPARE(dialogs->texts(), QStringList{"Não existem Arquivos para esta consulta!"});
        QCOMPARE(w->modelo()->rowCount(), 1);
        QCOMPARE(w->modelo()->texto(0, 16), QString());
        QCOMPARE(w->findChild<QLabel*>("iblRetorno")->text(), QStringLiteral("0"));
        QCOMPARE(dialogs->busyDepth(), 0);
    }

    void downloadOnFirstDoubleClickViewOnSecond()
    {
        const QByteArray pdf("%PDF-1.4\r\n\x81\x90\0\xff fim", 20);
        portal->setAnswer(kConsulta, resposta({registro("900", "guia março.pdf", "20")}));
        portal->setAnswer(QStringLiteral("printer/consulta_b.asp"), pdf);
        auto w = abre();
        w->ExecutaFiltro();
        QCOMPARE(w->modelo()->texto(0, 17), QStringLiteral("Não"));

        dialogs->answerNext(Answer::Yes);
        w->grdConsulta_DblClick(0);
        QCOMPARE(dialogs->texts(), QStringList{"Deseja Baixar uma cópia do arquivo?"});
        QVERIFY(portal->targets().contains("/printer/consulta_b.asp?l=45&s=123&ia=900&"));
        QCOMPARE(test::readAll(back("900")), pdf);
        QCOMPARE(w->modelo()->texto(0, 17), QStringLiteral("Sim"));
        QCOMPARE(w->TabelaConsultaAtual()[0][17], QStringLiteral("Sim"));
        QVERIFY(dialogs->opened().isEmpty()); // "not opened after the download"
        QVERIFY(dialogs->busyCalls() > 0);
        QCOMPARE(dialogs->busyDepth(), 0);

        dialogs->clear();
        dialogs->answerNext(Answer::Yes);
        w->grdConsulta_DblClick(0);
        QCOMPARE(dialogs->texts(), QStringList{"Deseja visualizar o arquivo guia março.pdf?"});
        const QString copia = home->appData() + "/ZorvelantaPrinter/temp/guia março.pdf";
        QCOMPARE(dialogs->opened(), QStringList{copia});
        QCOMPARE(test::readAll(copia), pdf);
    }

    void downloadCutShortIsNoCopy()
    {
        portal->setAnswer(kConsulta, resposta({registro("901", "folha.pdf", "4096")}));
        portal->setAnswer(QStringLiteral("printer/consulta_b.asp"), QByteArray("%PDF-1.4 cortado"));
        auto w = abre();
        w->ExecutaFiltro();
        dialogs->answerNext(Answer::Yes);
        w->grdConsulta_DblClick(0);
        QCOMPARE(dialogs->texts(), (QStringList{"Deseja Baixar uma cópia do arquivo?",
                                                "Erro\r\nO arquivo recebido do portal está incompleto (recebidos 16 "
                                                "bytes de 4096)."}));
        QVERIFY(!QFile::exists(back("901")));
        QCOMPARE(w->modelo()->texto(0, 17), QStringLiteral("Não"));
    }

    void deletedForbiddenAndUnsafeDocuments()
    {
        home->writeFile(".local/share/ZorvelantaPrinter/Back/903", "MZ");
        home->writeFile(".local/share/ZorvelantaPrinter/Back/904", "#!/bin/sh");
        home->writeFile(".local/share/ZorvelantaPrinter/Back/905", "x");
        home->writeFile(".local/share/ZorvelantaPrinter/Back/906", "apagado");
        portal->setAnswer(kConsulta, resposta({registro("902", "a.pdf", "1", "01/04/2011"),
                                               registro("903", "setup.exe", "1"), registro("904", "rodar.sh", "1"),
                                               registro("905", "../../fora.pdf", "1"),
                                               registro("906", "velho.pdf", "1", "01/04/2011")}));
        auto w = abre();
        w->ExecutaFiltro();
        QCOMPARE(w->modelo()->rowCount(), 5);

        struct Caso {
            int linha;
            QStringList textos;
            bool abre;
        };
        const QList<Caso> casos = {
            {0, {"Não é possível visualizar um arquivo já apagado que não tenha \r\nsido criado ou baixado para este computador!"}, false},
            {1, {"Deseja visualizar o arquivo setup.exe?", "Por segurança, este tipo de arquivo não é aberto pelo sistema:\r\nsetup.exe"}, false},
            {2, {"Deseja visualizar o arquivo rodar.sh?", "Por segurança, este tipo de arquivo não é aberto pelo sistema:\r\nrodar.sh"}, false},
            {3, {"Deseja visualizar o arquivo ../../fora.pdf?", "O nome do arquivo recebido do portal não é válido e ele não será aberto:\r\n../../fora.pdf"}, false},
            {4, {"Deseja visualizar o arquivo velho.pdf\r\n já apagado?"}, true},
        };
        for (const Caso& c : casos) {
            dialogs->clear();
            dialogs->answerNext(Answer::Yes);
            w->grdConsulta_DblClick(c.linha);
            QCOMPARE(dialogs->texts(), c.textos);
            QCOMPARE(dialogs->opened().size(), c.abre ? 1 : 0);
        }
        QVERIFY(!QFile::exists(home->appData() + "/fora.pdf"));
        QVERIFY(!QFile::exists(home->appData() + "/ZorvelantaPrinter/fora.pdf"));
        QCOMPARE(dialogs->boxes().first().icon, platform::Icon::Question);

        dialogs->clear();
        w->grdConsulta_DblClick(9);
        QVERIFY(dialogs->boxes().isEmpty()); // "a row that is not there does nothing"
    }

    void layoutSurvivesReopening()
    {
        {
            auto w = abre();
            auto* grade = w->findChild<QTableView*>("grdConsulta");
            grade->setColumnWidth(10, ui::Twips::toPixelsX(1800, w.get()));
            grade->setColumnHidden(2, true);
            w->redimensionaTwips(20000, 3000);
            QCOMPARE(w->larguraTwips(), 15000);
            QCOMPARE(w->alturaTwips(), 5000);
            combo(w.get(), "cboOrdem")->setCurrentIndex(4);
            combo(w.get(), "cboTipoData")->setCurrentIndex(1);
            w->reject();
        }
        QCOMPARE(core::Settings::read(core::Secao::Consulta, "c_10"), QStringLiteral("1800"));
        QCOMPARE(core::Settings::read(core::Secao::Consulta, "c_2"), QString());
        QCOMPARE(core::Settings::read(core::Secao::Consulta, "WI"), QStringLiteral("15000"));
        core::Settings::write(core::Secao::Consulta, "Em", "12");
        core::Settings::write(core::Secao::Consulta, "c_3", "largo");
        core::Ambiente->Consulta_Finalizar();

        auto w = abre();
        auto* grade = w->findChild<QTableView*>("grdConsulta");
        QCOMPARE(grade->columnWidth(10), ui::Twips::toPixelsX(1800, w.get()));
        QCOMPARE(grade->columnWidth(2), ui::Twips::toPixelsX(3000, w.get())); // "a hidden column comes back"
        QCOMPARE(grade->columnWidth(3), grade->horizontalHeader()->defaultSectionSize()); // "no number: left as the grid had it"
        QVERIFY(grade->isColumnHidden(12));
        QCOMPARE(w->larguraTwips(), 15000);
        QCOMPARE(w->alturaTwips(), 5000);
        QCOMPARE(combo(w.get(), "cboOrdem")->currentIndex(), 4);
        QCOMPARE(combo(w.get(), "cboClientes")->currentIndex(), 0); // "a position the list does not have"
        QVERIFY(w->findChild<QDateEdit*>("dtpDtFim")->isEnabled()); // "the date kind's change ran"

        w->cmdResetarCampos_Click();
        QCOMPARE(grade->columnWidth(10), ui::Twips::toPixelsX(1300, w.get()));
        QCOMPARE(w->larguraTwips(), 15000);
        QCOMPARE(combo(w.get(), "cboOrdem")->currentIndex(), 4);
        QCOMPARE(core::Settings::read(core::Secao::Consulta, "c_10"), QString());
    }
};

QTEST_MAIN(TestFrmConsulta)
#include "test_frmconsulta.moc"
