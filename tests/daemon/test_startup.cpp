#include "DaemonFixture.h"

#include "core/Globals.h"
#include "core/Settings.h"
#include "daemon/SpoolConfiguration.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace zv;

namespace {
const QString kOutputFile = daemon::SpoolConfiguration::kOutputFileKey;
}

TEST(StartUp, CreatesTheFoldersStoresCloseNowAndPointsThePrinterAtTheSpool)
{
    test::DaemonFixture d;
    const QString root = d.home.appData() + QStringLiteral("/ZorvelantaPrinter");
    for (const char* folder : {"", "/Spool", "/PROC", "/temp", "/Spool/Proc"})
        EXPECT_TRUE(QFileInfo(root + QLatin1String(folder)).isDir()) << folder;
    EXPECT_EQ(d.form->vCaminho(), root + QStringLiteral("/Spool"));
    EXPECT_EQ(core::Settings::read(core::Secao::Config, QStringLiteral("CloseNow")), QStringLiteral("0"));
    EXPECT_EQ(platform::Registry::read(kOutputFile), root + QStringLiteral("/Spool/file%03d.pdf"));
    EXPECT_EQ(core::Settings::read(core::Secao::Config, QStringLiteral("MonAj")), QStringLiteral("1"));
    EXPECT_TRUE(d.form->tmrCiclo().interval() == 2000);
    EXPECT_TRUE(d.dialogs.boxes().isEmpty()) << qPrintable(d.dialogs.texts().join("\n"));
}

TEST(StartUp, EmptiesTheWorkingFoldersButLeavesSpooledJobsAndSubFolders)
{
    test::TempHome home;
    const QString root = home.appData() + QStringLiteral("/ZorvelantaPrinter");
    const QStringList leftovers = {"PROC/old.pdf", "temp/view.pdf", "Spool/Proc/f1.pdf"};
    for (const QString& f : leftovers)
        home.writeFile(QStringLiteral(".local/share/ZorvelantaPrinter/") + f, "x");
    const QString readOnly = home.writeFile(QStringLiteral(".local/share/ZorvelantaPrinter/PROC/ro.pdf"), "x");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
    home.writeFile(QStringLiteral(".local/share/ZorvelantaPrinter/temp/sub/keep.pdf"), "x");
    home.writeFile(QStringLiteral(".local/share/ZorvelantaPrinter/Spool/file001.pdf"), "job");

    platform::ScriptedDialogs dialogs;
    daemon::frmMainDaemon form;
    form.Form_Load();
    for (const QString& f : leftovers)
        EXPECT_FALSE(QFile::exists(root + QLatin1Char('/') + f)) << qPrintable(f);
    EXPECT_FALSE(QFile::exists(readOnly));
    EXPECT_TRUE(QFile::exists(root + QStringLiteral("/temp/sub/keep.pdf")));
    EXPECT_TRUE(QFile::exists(root + QStringLiteral("/Spool/file001.pdf")));
}

TEST(StartUp, RegistryValueIsWrittenOnlyWhenItDiffers)
{
    test::TempHome home;
    const QString right = home.appData() + QStringLiteral("/ZorvelantaPrinter/Spool/file%03d.pdf");
    platform::Registry::write(kOutputFile, right, QStringLiteral("REG_SZ"));
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    {
        QFile f(platform::Registry::filePath());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(old, QFileDevice::FileModificationTime);
    }
    daemon::SpoolConfiguration::suRegistros();
    EXPECT_EQ(QFileInfo(platform::Registry::filePath()).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());

    platform::Registry::write(kOutputFile, QStringLiteral("C:\\elsewhere\\file%03d.pdf"), QStringLiteral("REG_SZ"));
    daemon::SpoolConfiguration::suRegistros();
    EXPECT_EQ(platform::Registry::read(kOutputFile), right);
}

TEST(StartUp, SecondInstanceEndsAtItsFirstCycleAndCloseNowStaysZero)
{
    test::DaemonFixture first;
    daemon::frmMainDaemon second;
    QSignalSpy unloaded(&second, &daemon::frmMainDaemon::unloaded);
    second.Form_Load();
    EXPECT_TRUE(core::bEncerrar);
    second.tmrCiclo_Timer();
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_TRUE(second.isUnloaded());
    EXPECT_EQ(core::Settings::read(core::Secao::Config, QStringLiteral("CloseNow")), QStringLiteral("0"));
}
