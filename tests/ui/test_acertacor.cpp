// The colour check and the colour window: what the check answers for each
// desktop colour and stored choice, and what each way through the window
// leaves in the settings and on the desktop.
#include "core/Settings.h"
#include "support/TempHome.h"
#include "ui/AcertaCor.h"
#include "ui/ButtonFace.h"
#include "ui/ColourWindowDriver.h"
#include "ui/frmCor.h"

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

using namespace zv;
using ui::ButtonFace::kCorEspecial;

namespace {

const qint32 kAzulado = 0xE0C8B4; // the user's own face (BGR): RGB(180, 200, 224)

QString buton() { return core::Settings::read(core::Secao::Config, QStringLiteral("Buton"), QStringLiteral("<absent>")); }
void setButon(const QString& v) { core::Settings::write(core::Secao::Config, QStringLiteral("Buton"), v); }

} // namespace

class TestAcertaCor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_home = std::make_unique<test::TempHome>(); }
    void cleanup()
    {
        ui::ButtonFace::setCor(ui::ButtonFace::corPadrao());
        m_home.reset();
    }

    void colourNumbersUseTheStoredLayout()
    {
        // 0x00BBGGRR: red in the low byte, as the stored decimal numbers are.
        QCOMPARE(ui::ButtonFace::toNumber(QColor(255, 0, 0)), 0x0000FF);
        QCOMPARE(ui::ButtonFace::toColor(kAzulado), QColor(180, 200, 224));
        ui::ButtonFace::setCor(kAzulado);
        QCOMPARE(ui::ButtonFace::cor(), kAzulado);
        QCOMPARE(QApplication::palette().color(QPalette::Inactive, QPalette::Button), QColor(180, 200, 224));
    }

    // Checks that answer without a window.
    void answersWithoutWindow_data()
    {
        QTest::addColumn<qint32>("face");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("answer");
        QTest::newRow("light grey, no choice") << kCorEspecial << QString() << true;
        QTest::newRow("light grey, kept before") << kCorEspecial << QStringLiteral("0") << true;
        QTest::newRow("light grey, saved colour") << kCorEspecial << QString::number(kAzulado) << true;
        QTest::newRow("own colour, kept") << kAzulado << QStringLiteral("0") << false;
    }
    void answersWithoutWindow()
    {
        QFETCH(qint32, face);
        QFETCH(QString, stored);
        QFETCH(bool, answer);
        ui::ButtonFace::setCor(face);
        if (!stored.isNull())
            setButon(stored);
        test::ColourWindowDriver driver(true);
        QCOMPARE(ui::AcertaCor(), answer);
        QVERIFY(!driver.seen());
        QCOMPARE(ui::ButtonFace::cor(), face);
    }

    // Another colour and no choice, or a saved colour that the desktop lost
    // again: the window opens in adjust mode with the tick set.
    void adjustMode_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("tick");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<qint32>("faceAfter");
        QTest::addColumn<bool>("nextAnswer");
        const QString saved = QString::number(kAzulado);
        QTest::newRow("no choice, keep") << QString() << true << QStringLiteral("0") << kAzulado << false;
        QTest::newRow("empty, keep") << QStringLiteral("") << true << QStringLiteral("0") << kAzulado << false;
        QTest::newRow("no choice, change") << QString() << false << saved << kCorEspecial << true;
        QTest::newRow("saved colour lost, change again") << saved << false << saved << kCorEspecial << true;
    }
    void adjustMode()
    {
        QFETCH(QString, stored);
        QFETCH(bool, tick);
        QFETCH(QString, storedAfter);
        QFETCH(qint32, faceAfter);
        QFETCH(bool, nextAnswer);
        ui::ButtonFace::setCor(kAzulado);
        if (!stored.isNull())
            setButon(stored);
        {
            test::ColourWindowDriver driver(tick);
            QCOMPARE(ui::AcertaCor(), false); // the choice counts from the next check
            QVERIFY(driver.seen());
            QCOMPARE(driver.seen()->modo, ui::frmCor::kModoAjuste);
            QCOMPARE(driver.seen()->legenda, QStringLiteral("Manter a cor do meu sistema e usar botões simples"));
            QVERIFY(driver.seen()->marcado);
            QCOMPARE(driver.seen()->amostra, ui::ButtonFace::toColor(kAzulado));
        }
        QCOMPARE(buton(), storedAfter);
        QCOMPARE(ui::ButtonFace::cor(), faceAfter);
        test::ColourWindowDriver none(true);
        QCOMPARE(ui::AcertaCor(), nextAnswer);
        QVERIFY(!none.seen());
    }

    // The light grey is active: the window opens in restore mode.
    void restoreMode_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("tick");
        QTest::addColumn<qint32>("sample");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<qint32>("faceAfter");
        const qint32 padrao = ui::ButtonFace::corPadrao();
        const QString saved = QString::number(kAzulado);
        QTest::newRow("saved colour, restore") << saved << true << kAzulado << QStringLiteral("0") << kAzulado;
        QTest::newRow("saved colour, leave") << saved << false << kAzulado << saved << kCorEspecial;
        QTest::newRow("saved with blanks") << (QStringLiteral(" ") + saved) << true << kAzulado << QStringLiteral("0")
                                           << kAzulado;
        // No colour saved: the platform's own face is offered and restored,
        // never black from reading "0" or nothing as a number.
        QTest::newRow("kept, restore") << QStringLiteral("0") << true << padrao << QStringLiteral("0") << padrao;
        QTest::newRow("absent, restore") << QString() << true << padrao << QStringLiteral("0") << padrao;
        QTest::newRow("not a number") << QStringLiteral("azul") << true << padrao << QStringLiteral("0") << padrao;
        QTest::newRow("out of range") << QStringLiteral("16777216") << true << padrao << QStringLiteral("0") << padrao;
        QTest::newRow("negative") << QStringLiteral("-5") << true << padrao << QStringLiteral("0") << padrao;
    }
    void restoreMode()
    {
        QFETCH(QString, stored);
        QFETCH(bool, tick);
        QFETCH(qint32, sample);
        QFETCH(QString, storedAfter);
        QFETCH(qint32, faceAfter);
        ui::ButtonFace::setCor(kCorEspecial);
        if (!stored.isNull())
            setButon(stored);
        const QString before = buton();
        test::ColourWindowDriver driver(tick);
        ui::frmCor janela;
        janela.exec();
        QVERIFY(driver.seen());
        QCOMPARE(driver.seen()->modo, ui::frmCor::kModoRestaura);
        QCOMPARE(driver.seen()->legenda, QStringLiteral("Restaurar a cor do meu sistema"));
        QCOMPARE(driver.seen()->amostra, ui::ButtonFace::toColor(sample));
        QCOMPARE(buton(), tick ? storedAfter : before);
        QCOMPARE(ui::ButtonFace::cor(), faceAfter);
    }

    // Nobody can answer a window offscreen (a server, a test run): the
    // check answers false at once and stores no choice.
    void headlessRunOpensNoWindow()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
        ui::ButtonFace::setCor(kAzulado);
        QVERIFY(!ui::ColourWindowPolicy::mayOpen());
        bool opened = false;
        QTimer guard;
        connect(&guard, &QTimer::timeout, [&] {
            if (auto* w = qobject_cast<ui::frmCor*>(QApplication::activeModalWidget())) {
                opened = true;
                w->findChild<QPushButton*>(QStringLiteral("cmdConfirma"))->click();
            }
        });
        guard.start(20);
        QCOMPARE(ui::AcertaCor(), false);
        QVERIFY(!opened);
        QCOMPARE(buton(), QStringLiteral("<absent>"));
    }

    void onlyConfirmaCloses()
    {
        ui::ButtonFace::setCor(kAzulado);
        ui::frmCor janela;
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        QTest::keyClick(&janela, Qt::Key_Escape);
        QVERIFY(!janela.close());
        janela.reject();
        QVERIFY(janela.isVisible());
        QVERIFY(!(janela.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(janela.windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(janela.windowTitle(), QStringLiteral("Zorvelanta Printer"));
        QCOMPARE(buton(), QStringLiteral("<absent>")); // nothing chosen yet
        janela.findChild<QPushButton*>(QStringLiteral("cmdConfirma"))->click();
        QVERIFY(!janela.isVisible());
        QCOMPARE(janela.result(), int(QDialog::Accepted));
    }

private:
    std::unique_ptr<test::TempHome> m_home;
};

QTEST_MAIN(TestAcertaCor)
#include "test_acertacor.moc"
