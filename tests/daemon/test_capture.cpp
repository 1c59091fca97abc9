#include "DaemonFixture.h"

#include "core/Globals.h"
#include "core/Settings.h"
#include "daemon/CaptureCycle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace zv;

namespace {

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

void storeCloseNow(const QString& value)
{
    core::Settings::write(core::Secao::Config, QStringLiteral("CloseNow"), value);
}

} // namespace

TEST(CaptureCycle, ProcessingNameIsTimeStampedAndEndsInOnePdf)
{
    const QDateTime when(QDate(2011, 3, 17), QTime(9, 5, 7));
    EXPECT_EQ(daemon::CaptureCycle::processingName(QStringLiteral("/h/ZorvelantaPrinter/Spool"), when),
              QStringLiteral("/h/ZorvelantaPrinter/Spool/Proc/f170320110905071.pdf"));
    EXPECT_EQ(daemon::CaptureCycle::processingName(QStringLiteral("/s"), QDateTime(QDate(2026, 12, 1), QTime(23, 0, 0))),
              QStringLiteral("/s/Proc/f011220262300001.pdf"));
}

TEST(CaptureCycle, ThreeJobsAreHandedOverOnePerCycleInListingOrder)
{
    test::DaemonFixture d;
    d.installCaptureProgram();
    d.dropJob(QStringLiteral("file002.pdf"), "second");
    d.dropJob(QStringLiteral("notes.txt"), "not a pdf");
    d.dropJob(QStringLiteral("file001.pdf"), "first");

    QStringList expected;
    for (const QByteArray content : {"first", "second", "not a pdf"}) {
        d.cycle();
        const QString handed = daemon::CaptureCycle::processingName(d.spool(), d.now());
        EXPECT_EQ(test::readAll(handed), content);
        expected << QStringLiteral("1|") + handed;
    }
    EXPECT_TRUE(filesIn(d.spool()).isEmpty());
    // The three capture programs run at once; each got its own file.
    QStringList calls = d.captureCalls(3);
    calls.sort();
    expected.sort();
    EXPECT_EQ(calls, expected);
    EXPECT_TRUE(d.dialogs.boxes().isEmpty()) << qPrintable(d.dialogs.texts().join("\n"));
}

TEST(CaptureCycle, EmptySpoolDoesNothingAtAll)
{
    test::DaemonFixture d;
    const QString proc = d.spool() + QStringLiteral("/Proc");
    ASSERT_TRUE(QDir(proc).removeRecursively());
    d.cycle();
    EXPECT_FALSE(QFileInfo::exists(proc));
    EXPECT_TRUE(d.dialogs.boxes().isEmpty());
}

TEST(CaptureCycle, ProcessingFolderDeletedWhileRunningIsRecreatedByTheNextJob)
{
    test::DaemonFixture d;
    d.installCaptureProgram();
    ASSERT_TRUE(QDir(d.spool() + QStringLiteral("/Proc")).removeRecursively());
    d.dropJob(QStringLiteral("file001.pdf"));
    d.cycle();
    EXPECT_EQ(filesIn(d.spool() + QStringLiteral("/Proc")).size(), 1);
    EXPECT_EQ(d.captureCalls(1).size(), 1);
}

TEST(CaptureCycle, MissingCaptureProgramShowsTheFailureAndTheJobIsStillMoved)
{
    test::DaemonFixture d;
    d.dropJob(QStringLiteral("file001.pdf"));
    d.dropJob(QStringLiteral("file002.pdf"));
    d.cycle();
    d.cycle();
    EXPECT_TRUE(filesIn(d.spool()).isEmpty());
    EXPECT_EQ(filesIn(d.spool() + QStringLiteral("/Proc")).size(), 2);
    ASSERT_EQ(d.dialogs.boxes().size(), 2);
    EXPECT_EQ(d.dialogs.boxes().first().text, QStringLiteral("53 Arquivo não encontrado"));
    EXPECT_EQ(d.dialogs.boxes().first().title, QStringLiteral("Zorvelanta Printer"));
    EXPECT_FALSE(QFile::exists(d.home.appData() + QStringLiteral("/ZorvelantaPrinter/report/ERRO.LOG")));
}

TEST(CaptureCycle, JobStillBeingWrittenWaitsUntilItStopsChanging)
{
    test::DaemonFixture d;
    d.installCaptureProgram();
    const QString job = d.spool() + QStringLiteral("/file001.pdf");
    const auto write = [&](const QByteArray& bytes) {
        QFile f(job);
        f.open(QIODevice::Append);
        f.write(bytes);
        f.flush();
        // written during the cycle about to run
        f.setFileTime(d.now().addSecs(1), QFileDevice::FileModificationTime);
    };
    write("%PDF");
    d.cycle(); // first seen, just written
    EXPECT_TRUE(QFile::exists(job));
    write(" more");
    d.cycle(); // grew since the last cycle
    EXPECT_TRUE(QFile::exists(job));
    d.cycle(); // unchanged for a cycle: taken
    EXPECT_FALSE(QFile::exists(job));
    const QStringList calls = d.captureCalls(1);
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(test::readAll(calls.first().mid(2)), QByteArray("%PDF more"));
}

TEST(CaptureCycle, JobThatCannotBeCopiedStaysInTheSpoolAndZvPIsNotStarted)
{
    test::DaemonFixture d;
    d.installCaptureProgram();
    const QString job = d.dropJob(QStringLiteral("file001.pdf"));
    // A file where the processing folder should be: the copy cannot be made,
    // whatever the permissions of the account running the test.
    const QString proc = d.spool() + QStringLiteral("/Proc");
    ASSERT_TRUE(QDir(proc).removeRecursively());
    QFile blocker(proc);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.setFileTime(d.now(), QFileDevice::FileModificationTime); // too fresh to be taken
    blocker.close();
    d.cycle();
    EXPECT_TRUE(QFile::exists(job));
    EXPECT_TRUE(d.captureCalls(0).isEmpty());
    ASSERT_EQ(d.dialogs.boxes().size(), 2); // the folder, then the copy
    EXPECT_TRUE(d.dialogs.texts().first().contains(QStringLiteral("frmMainDaemon - Monitora")));
}

TEST(CaptureCycle, VanishedSpoolFolderIsReportedOnEveryCycle)
{
    test::DaemonFixture d;
    ASSERT_TRUE(QDir(d.spool()).removeRecursively());
    d.cycle();
    d.cycle();
    ASSERT_EQ(d.dialogs.boxes().size(), 2);
    EXPECT_TRUE(d.dialogs.texts().first().contains(QStringLiteral("frmMainDaemon - Monitora\r\n76 - ")));
    EXPECT_FALSE(QFileInfo::exists(d.spool()));
}

TEST(ExitCheck, CloseNowValuesAndTheirEffect)
{
    struct Case { const char* value; bool ends; bool box; };
    const Case cases[] = {{"0", false, false}, {"1", true, false}, {"1,0", true, false},
                          {"2", false, false}, {"abc", true, true}, {"", true, true}};
    for (const Case& c : cases) {
        test::DaemonFixture d;
        QSignalSpy unloaded(d.form.get(), &daemon::frmMainDaemon::unloaded);
        storeCloseNow(QLatin1String(c.value));
        d.dropJob(QStringLiteral("file001.pdf"));
        d.cycle();
        EXPECT_EQ(unloaded.count(), c.ends ? 1 : 0) << c.value;
        EXPECT_EQ(core::bEncerrar, c.ends) << c.value;
        EXPECT_EQ(d.dialogs.texts().filter(QStringLiteral("frmMainDaemon - Sair")).size(), c.box ? 1 : 0) << c.value;
        // The capture step of the same cycle still runs.
        EXPECT_TRUE(filesIn(d.spool()).isEmpty()) << c.value;
    }
}
