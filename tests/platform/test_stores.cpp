#include "platform/Registry.h"
#include "platform/SettingsStore.h"
#include "support/TempHome.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <gtest/gtest.h>

using namespace zv::platform;

namespace {
const QString kApp = QStringLiteral("Zorvelanta Printer");
}

TEST(SettingsStore, LivesWhereTheSiblingProgramsLookAndKeepsSections)
{
    zv::test::TempHome home;
    SettingsStore::write(kApp, QStringLiteral("Config"), QStringLiteral("CloseNow"), QStringLiteral("0"));
    SettingsStore::write(kApp, QStringLiteral("Autenticacao"), QStringLiteral("Dominio"), QStringLiteral("AÇÃO"));
    const QString file = home.config() + QStringLiteral("/Zorvelanta Printer/Zorvelanta Printer.conf");
    EXPECT_EQ(SettingsStore::filePath(kApp), file);
    const QByteArray text = zv::test::readAll(file);
    EXPECT_TRUE(text.contains("[Config]\nCloseNow=0")) << text.constData();
    EXPECT_TRUE(text.contains("[Autenticacao]")) << text.constData();
    EXPECT_EQ(SettingsStore::read(kApp, QStringLiteral("Autenticacao"), QStringLiteral("Dominio")), QStringLiteral("AÇÃO"));
}

TEST(SettingsStore, MissingKeyReadsAsTheReadersDefault)
{
    zv::test::TempHome home;
    EXPECT_EQ(SettingsStore::read(kApp, QStringLiteral("Config"), QStringLiteral("CloseNow"), QStringLiteral("0")), QStringLiteral("0"));
    EXPECT_EQ(SettingsStore::read(kApp, QStringLiteral("Config"), QStringLiteral("Buton")), QString());
    EXPECT_FALSE(SettingsStore::contains(kApp, QStringLiteral("Config"), QStringLiteral("Buton")));
}

TEST(SettingsStore, EveryReadSeesWhatAnotherProgramWrote)
{
    zv::test::TempHome home;
    SettingsStore::write(kApp, QStringLiteral("Config"), QStringLiteral("CloseNow"), QStringLiteral("0"));
    ASSERT_EQ(SettingsStore::read(kApp, QStringLiteral("Config"), QStringLiteral("CloseNow")), QStringLiteral("0"));
    // Another process rewrites the file with a value of the same length,
    // within the same second.
    const QString file = SettingsStore::filePath(kApp);
    QProcess sed;
    sed.start(QStringLiteral("sed"), {QStringLiteral("-i"), QStringLiteral("s/CloseNow=0/CloseNow=1/"), file});
    ASSERT_TRUE(sed.waitForFinished());
    EXPECT_EQ(SettingsStore::read(kApp, QStringLiteral("Config"), QStringLiteral("CloseNow")), QStringLiteral("1"));
}

TEST(Registry, ValueByFullPathIsWrittenAndReadBack)
{
    zv::test::TempHome home;
    const QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\ZorvelantaPrinter\\OutputFile");
    EXPECT_FALSE(Registry::read(key).has_value());
    ASSERT_TRUE(Registry::write(key, QStringLiteral("/x/Spool/file%03d.pdf"), QStringLiteral("REG_SZ")));
    EXPECT_EQ(Registry::read(key), QStringLiteral("/x/Spool/file%03d.pdf"));
    EXPECT_EQ(Registry::filePath(), home.config() + QStringLiteral("/ZorvelantaPrinter/registry.conf"));
    QSettings raw(Registry::filePath(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("HKEY_CURRENT_USER/Software/ZorvelantaPrinter/OutputFile")).toString(),
              QStringLiteral("/x/Spool/file%03d.pdf"));
}

TEST(Registry, RefusesPathsAndTypesItCannotHold)
{
    zv::test::TempHome home;
    EXPECT_FALSE(Registry::write(QStringLiteral("Software\\X"), QStringLiteral("v"), QStringLiteral("REG_SZ")));
    EXPECT_FALSE(Registry::write(QStringLiteral("HKEY_CURRENT_USER\\X"), QStringLiteral("1"), QStringLiteral("REG_DWORD")));
    EXPECT_FALSE(QFile::exists(Registry::filePath()));
}
