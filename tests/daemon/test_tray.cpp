// The tray icon: its tip, a new Monitor window for every left press, nothing
// for the other buttons, and waiting for a notification area that is not
// there yet.
#include "core/Globals.h"
#include "core/classAmbiente.h"
#include "daemon/TrayIcon.h"
#include "platform/DialogService.h"
#include "support/TempHome.h"
#include "ui/ButtonFace.h"
#include "windows/frmMonitor.h"

#include <QApplication>
#include <QPointer>
#include <QtTest>

using namespace zv;

namespace {

QList<windows::frmMonitor*> monitoresAbertos()
{
    QList<windows::frmMonitor*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* m = qobject_cast<windows::frmMonitor*>(w); m && m->isVisible())
            out << m;
    return out;
}

} // namespace

class TestTray : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TempHome> m_home;
    std::unique_ptr<platform::ScriptedDialogs> m_dialogs;

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<test::TempHome>();
        m_dialogs = std::make_unique<platform::ScriptedDialogs>();
        ui::ButtonFace::setCor(ui::ButtonFace::kCorEspecial);
        core::Ambiente = new core::classAmbiente();
        core::Ambiente->Inicia(true, QString());
    }
    void cleanup()
    {
        for (auto* m : monitoresAbertos())
            m->close();
        QTest::qWait(10); // the closed windows release themselves
        m_dialogs.reset();
        ui::ButtonFace::setCor(ui::ButtonFace::corPadrao());
        m_home.reset();
    }

    void everyLeftPressOpensANewMonitor()
    {
        daemon::TrayIcon tray;
        tray.mostra();
        QVERIFY(tray.icone());
        QCOMPARE(tray.icone()->toolTip(), QStringLiteral("Zorvelanta Printer"));
        for (int i = 1; i <= 3; ++i) {
            tray.pichook_Activated(QSystemTrayIcon::Trigger);
            QCOMPARE(monitoresAbertos().size(), i);
        }
        for (auto reason : {QSystemTrayIcon::Context, QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick})
            tray.pichook_Activated(reason);
        QCOMPARE(monitoresAbertos().size(), 3);
        QCOMPARE(monitoresAbertos()[0]->windowTitle(), QStringLiteral("Monitor Zorvelanta Printer"));

        // Closing one releases it and leaves the others; the program goes on.
        QPointer<windows::frmMonitor> primeiro = monitoresAbertos()[0];
        primeiro->close();
        QTRY_VERIFY(primeiro.isNull());
        QCOMPARE(monitoresAbertos().size(), 2);
        QVERIFY(!core::bEncerrar);
        QVERIFY(m_dialogs->boxes().isEmpty());
    }

    void aPressDuringAnOpeningOpensNoSecondWindow()
    {
        daemon::TrayIcon tray;
        int aberturas = 0;
        tray.setAbreJanela([&]() -> QWidget* {
            ++aberturas;
            // The window being shown lets other events run, a second press among them.
            tray.pichook_Activated(QSystemTrayIcon::Trigger);
            return nullptr;
        });
        tray.pichook_Activated(QSystemTrayIcon::Trigger);
        QCOMPARE(aberturas, 1);
        tray.pichook_Activated(QSystemTrayIcon::Trigger);
        QCOMPARE(aberturas, 2);
    }

    void theIconWaitsForANotificationArea()
    {
        // The offscreen platform has no notification area: the icon waits
        // for one and the program carries on meanwhile.
        if (QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("this display has a notification area");
        daemon::TrayIcon tray;
        tray.mostra();
        QVERIFY(!tray.visivel());
        QTest::qWait(daemon::TrayIcon::kProcuraMs + 200);
        QVERIFY(!tray.visivel());
        QVERIFY(m_dialogs->boxes().isEmpty());
    }
};

QTEST_MAIN(TestTray)
#include "test_tray.moc"
