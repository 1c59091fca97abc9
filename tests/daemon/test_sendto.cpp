#include "DaemonFixture.h"

#include "daemon/SendToEntry.h"
#include "platform/DialogService.h"
#include "platform/SpecialFolders.h"
#include "support/TempHome.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zv;

namespace {

QString sendTo(const test::TempHome& home) { return home.appData() + QStringLiteral("/applications"); }

TEST(SendToEntry, DaemonStartCreatesTheEntryForTheCaptureProgram)
{
    test::DaemonFixture d;
    const QString entry = sendTo(d.home) + QStringLiteral("/ZVP.desktop");
    ASSERT_TRUE(QFileInfo::exists(entry));
    EXPECT_EQ(daemon::SendToEntry::caminho(), entry);
    const QString text = QString::fromUtf8(test::readAll(entry));
    const QString prog = platform::programFolder();
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    for (const QString& line : {QStringLiteral("Type=Application"), QStringLiteral("Name=Zorvelanta Printer"),
                                QStringLiteral("Comment=Zorvelanta Printer"),
                                QStringLiteral("Exec=\"") + prog + QStringLiteral("/ZvP\" %f"),
                                QStringLiteral("Path=") + prog, QStringLiteral("Icon=") + prog + QStringLiteral("/ruv.ico")})
        EXPECT_TRUE(text.contains(QLatin1Char('\n') + line + QLatin1Char('\n'))) << qPrintable(line);
    EXPECT_TRUE(d.dialogs.boxes().isEmpty()) << qPrintable(d.dialogs.texts().join("\n"));
}

TEST(SendToEntry, ExecQuotesFoldersWithReservedCharacters)
{
    struct Caso { QString pasta; QString exec; };
    const Caso casos[] = {
        {"/opt/Zorvelanta Printer", R"(Exec="/opt/Zorvelanta Printer/ZvP" %f)"},
        {"/opt/100%", R"(Exec="/opt/100%%/ZvP" %f)"},
        {R"(/opt/a"b$c)", R"(Exec="/opt/a\\"b\\$c/ZvP" %f)"},
    };
    for (const Caso& c : casos) {
        const QStringList lines = daemon::SendToEntry::conteudo(c.pasta).split(QLatin1Char('\n'));
        EXPECT_TRUE(lines.contains(c.exec)) << qPrintable(lines.join(" | "));
    }
}

TEST(SendToEntry, AnExistingEntryIsNeverRewritten)
{
    test::TempHome home;
    platform::ScriptedDialogs dialogs;
    const QByteArray alheio = "[Desktop Entry]\nType=Application\nExec=/somewhere/else %f\n";
    const QString entry = home.writeFile(QStringLiteral(".local/share/applications/ZVP.desktop"), alheio);
    const QDateTime antes = QFileInfo(entry).lastModified();
    daemon::SendToEntry::verificaAtalho();
    daemon::SendToEntry::verificaAtalho();
    EXPECT_EQ(test::readAll(entry), alheio);
    EXPECT_EQ(QFileInfo(entry).lastModified(), antes);
    EXPECT_TRUE(dialogs.boxes().isEmpty());
}

TEST(SendToEntry, AFolderThatCannotBeMadeIsReportedUnderItsProcedure)
{
    test::TempHome home;
    platform::ScriptedDialogs dialogs;
    home.writeFile(QStringLiteral(".local/share/applications"), "a file where the folder should be");
    daemon::SendToEntry::verificaAtalho();
    ASSERT_EQ(dialogs.boxes().size(), 1);
    EXPECT_TRUE(dialogs.texts().at(0).contains(QStringLiteral("frmMainDaemon - verificaAtalho")))
        << qPrintable(dialogs.texts().at(0));
}

} // namespace
