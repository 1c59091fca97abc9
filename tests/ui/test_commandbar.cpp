// The two presentations of a window's commands, the program's pictures and
// the twips conversion every window's geometry rests on.
#include "core/Settings.h"
#include "support/TempHome.h"
#include "ui/ButtonFace.h"
#include "ui/CommandBar.h"
#include "ui/Images.h"
#include "ui/Twips.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace zv;

namespace {

QList<ui::Command> loginCommands()
{
    return {
        {QStringLiteral("keySalvar"), QStringLiteral("GERAR PDF"), QStringLiteral("Gera"), QStringLiteral("GerarPDF"),
         QStringLiteral("cmdSalvar")},
        {QStringLiteral("keyEntrar"), QStringLiteral("ENTRAR"), QStringLiteral("Faz"), QStringLiteral("Entrar"),
         QStringLiteral("cmdMultiplos")},
        {QStringLiteral("keyCancelar"), QStringLiteral("CANCELAR"), QString(), QStringLiteral("Cancelar"),
         QStringLiteral("cmdSair")},
        {QStringLiteral("keyBackup"), QStringLiteral("Backup"), QString(), QStringLiteral("Backup"), QString()},
    };
}

bool sameImage(const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); }

} // namespace

class TestCommandBar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_home = std::make_unique<test::TempHome>(); }
    void cleanup()
    {
        ui::ButtonFace::setCor(ui::ButtonFace::corPadrao());
        m_home.reset();
    }

    void buildsBothPresentationsFromOneList()
    {
        ui::CommandBar bar(loginCommands(), QStringLiteral("tbLogin"));
        QCOMPARE(bar.toolbar()->objectName(), QStringLiteral("tbLogin"));
        QCOMPARE(bar.fraBotoes()->objectName(), QStringLiteral("fraBotoes"));
        QCOMPARE(bar.keys(), (QStringList{"keySalvar", "keyEntrar", "keyCancelar", "keyBackup"}));
        QCOMPARE(bar.action(QStringLiteral("keySalvar"))->toolTip(), QStringLiteral("Gera"));
        QCOMPARE(bar.action(QStringLiteral("keyCancelar"))->toolTip(), QStringLiteral("CANCELAR"));
        QCOMPARE(bar.action(QStringLiteral("keyEntrar"))->text(), QStringLiteral("ENTRAR"));
        QCOMPARE(bar.button(QStringLiteral("cmdMultiplos"))->text(), QStringLiteral("ENTRAR"));
        QCOMPARE(bar.fraBotoes()->findChildren<QPushButton*>().size(), 3); // Backup is toolbar only
        QVERIFY(!bar.action(QStringLiteral("keyNada")));
        QVERIFY(!bar.button(QStringLiteral("cmdNada")));
        for (QAction* a : bar.toolbar()->actions()) {
            const QIcon icon = a->icon();
            QVERIFY2(!sameImage(icon.pixmap(32, QIcon::Normal), icon.pixmap(32, QIcon::Active)),
                     "the hot face differs from the normal one");
        }
    }

    void bothPresentationsSendTheKey_data()
    {
        QTest::addColumn<bool>("toolbar");
        QTest::newRow("toolbar") << true;
        QTest::newRow("plain buttons") << false;
    }
    void bothPresentationsSendTheKey()
    {
        QFETCH(bool, toolbar);
        QWidget window;
        auto* bar = new ui::CommandBar(loginCommands(), QStringLiteral("tbLogin"), &window);
        bar->setToolbarPresentation(toolbar);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(bar->toolbar()->isVisible(), toolbar);
        QCOMPARE(bar->fraBotoes()->isVisible(), !toolbar);
        QSignalSpy spy(bar, &ui::CommandBar::commandTriggered);
        if (toolbar) {
            auto* tb = qobject_cast<QToolButton*>(bar->toolbar()->widgetForAction(bar->action("keyEntrar")));
            QTest::mouseClick(tb, Qt::LeftButton);
        } else {
            QTest::mouseClick(bar->button(QStringLiteral("cmdMultiplos")), Qt::LeftButton);
        }
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("keyEntrar"));
        // A hidden toolbar key can no longer be pressed.
        bar->action(QStringLiteral("keySalvar"))->setVisible(false);
        bar->trigger(QStringLiteral("keySalvar"));
        bar->trigger(QStringLiteral("keyNada"));
        QCOMPARE(spy.size(), 1);
    }

    void presentationFollowsTheColourCheck_data()
    {
        QTest::addColumn<qint32>("face");
        QTest::addColumn<bool>("toolbar");
        QTest::newRow("light grey") << ui::ButtonFace::kCorEspecial << true;
        QTest::newRow("own colour kept") << qint32(0x808080) << false;
    }
    void presentationFollowsTheColourCheck()
    {
        QFETCH(qint32, face);
        QFETCH(bool, toolbar);
        ui::ButtonFace::setCor(face);
        core::Settings::write(core::Secao::Config, QStringLiteral("Buton"), QStringLiteral("0"));
        ui::CommandBar bar(loginCommands(), QStringLiteral("tbLogin"));
        bar.setToolbarPresentation(!toolbar);
        QCOMPARE(bar.applyColourCheck(), toolbar);
        QCOMPARE(bar.toolbarPresentation(), toolbar);
        QCOMPARE(bar.toolbar()->isHidden(), !toolbar);
        QCOMPARE(bar.fraBotoes()->isHidden(), toolbar);
    }

    void everyCommandHasItsPicture()
    {
        const QStringList needed{"Entrar", "Sair", "Cancelar", "GerarPDF", "Consulta", "Multiplos", "Backup",
                                 "Atualiza", "Filtrar", "Limpar", "Enviar", "Adicionar", "Remover",
                                 "Procurar", "Confirma", "Aplicativo"};
        for (const QString& key : needed)
            QVERIFY2(ui::Images::has(key), qPrintable(key));
        QVERIFY(!ui::Images::has(QStringLiteral("Nada")));
        QVERIFY(!ui::Images::has(QString()));
        for (const QString& key : ui::Images::keys()) {
            for (const qreal ratio : {1.0, 2.0}) {
                const QPixmap p = ui::Images::render(key, QSize(32, 32), ui::Images::Face::Hot, ratio);
                QCOMPARE(p.size(), QSize(32, 32) * ratio);
                QCOMPARE(p.deviceIndependentSize(), QSizeF(32, 32));
                // Drawn, not blank: some pixels are opaque.
                const QImage img = p.toImage();
                int opaque = 0;
                for (int y = 0; y < img.height(); ++y)
                    for (int x = 0; x < img.width(); ++x)
                        opaque += qAlpha(img.pixel(x, y)) > 200;
                QVERIFY2(opaque > img.width() * img.height() / 10, qPrintable(key));
            }
        }
        QVERIFY(!ui::Images::application().isNull());
        QVERIFY(!ui::Images::application().pixmap(64).isNull());
    }

    void sharpAtDoubleScale()
    {
        // The 2x face is drawn at 64 pixels, not the 1x face blown up: its
        // edges carry detail a doubled 32-pixel picture cannot have.
        const QImage one = ui::Images::render("Cancelar", QSize(32, 32), ui::Images::Face::Hot, 1.0).toImage();
        const QImage two = ui::Images::render("Cancelar", QSize(32, 32), ui::Images::Face::Hot, 2.0).toImage();
        const QImage blown = one.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                 .convertToFormat(two.format());
        QVERIFY(two != blown);
        int oddPairsDiffer = 0;
        for (int y = 0; y < 64; y += 2)
            for (int x = 0; x < 64; x += 2)
                oddPairsDiffer += two.pixel(x, y) != two.pixel(x + 1, y);
        QVERIFY(oddPairsDiffer > 0);
    }

    void twipsAtTheScreensDpi_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::newRow("one pixel at 96") << 15 << 96.0 << 1;
        QTest::newRow("window width at 96") << 9350 << 96.0 << 623;
        QTest::newRow("window width at 192") << 9350 << 192.0 << 1247;
        QTest::newRow("rounds to nearest") << 22 << 96.0 << 1;
        QTest::newRow("half rounds up") << 23 << 96.0 << 2;
        QTest::newRow("120 dpi") << 1440 << 120.0 << 120;
        QTest::newRow("zero") << 0 << 96.0 << 0;
    }
    void twipsAtTheScreensDpi()
    {
        QFETCH(int, twips);
        QFETCH(double, dpi);
        QFETCH(int, pixels);
        QCOMPARE(ui::Twips::toPixels(twips, dpi), pixels);
        // Back again within one pixel's worth of twips.
        QVERIFY(qAbs(ui::Twips::fromPixels(pixels, dpi) - twips) <= int(1440 / dpi / 2 + 1));
        const double screenDpi = ui::Twips::dpiX();
        QVERIFY(screenDpi > 0);
        QCOMPARE(ui::Twips::toPixelsX(twips), ui::Twips::toPixels(twips, screenDpi));
    }

private:
    std::unique_ptr<test::TempHome> m_home;
};

QTEST_MAIN(TestCommandBar)
#include "test_commandbar.moc"
