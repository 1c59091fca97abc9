#include "support/TempHome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QThread>
#include <gtest/gtest.h>

// The daemon started as its own process, offscreen, with a stand-in capture
// program beside it: what the printer and the sibling programs see.

namespace {

QString installDaemon(const QString& folder)
{
    QDir().mkpath(folder);
    const QString daemon = folder + QStringLiteral("/ZuVA");
    QFile::copy(QStringLiteral(ZUVA_PATH), daemon);
    QFile zvp(folder + QStringLiteral("/ZvP"));
    zvp.open(QIODevice::WriteOnly);
    zvp.write("#!/bin/sh\nprintf '%s|%s\\n' \"$#\" \"$1\" >> \"$(dirname \"$0\")/calls.log\"\n");
    zvp.close();
    zvp.setPermissions(zvp.permissions() | QFileDevice::ExeOwner);
    return daemon;
}

QStringList lines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

template <class Condition>
bool waitFor(Condition condition, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > ms)
            return false;
        QThread::msleep(50);
    }
    return true;
}

QString closeNow(const QString& conf)
{
    QSettings s(conf, QSettings::IniFormat);
    return s.value(QStringLiteral("Config/CloseNow")).toString();
}

} // namespace

TEST(DaemonProcess, HandsSpooledJobsToZvPEveryTwoSecondsAndEndsOnCloseNow)
{
    zv::test::TempHome home;
    const QString program = installDaemon(home.path() + QStringLiteral("/bin"));
    const QString spool = home.appData() + QStringLiteral("/ZorvelantaPrinter/Spool");
    const QString conf = home.config() + QStringLiteral("/Zorvelanta Printer/Zorvelanta Printer.conf");

    QProcess daemon;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    daemon.setProcessEnvironment(env);
    daemon.start(program, {});
    ASSERT_TRUE(daemon.waitForStarted());
    ASSERT_TRUE(waitFor([&] { return closeNow(conf) == QLatin1String("0") && QDir(spool).exists(); }, 5000));

    for (const char* name : {"file001.pdf", "file002.pdf", "file003.pdf"}) {
        QFile job(spool + QLatin1Char('/') + QLatin1String(name));
        job.open(QIODevice::WriteOnly);
        job.write("%PDF-1.4");
        job.close();
        job.setFileTime(QDateTime::currentDateTime().addSecs(-10), QFileDevice::FileModificationTime);
    }
    const QString log = home.path() + QStringLiteral("/bin/calls.log");
    ASSERT_TRUE(waitFor([&] { return lines(log).size() == 3; }, 10000)) << lines(log).join('\n').toStdString();
    for (const QString& call : lines(log)) {
        EXPECT_TRUE(call.startsWith(QStringLiteral("1|") + spool + QStringLiteral("/Proc/f"))) << qPrintable(call);
        EXPECT_TRUE(call.endsWith(QStringLiteral("1.pdf"))) << qPrintable(call);
    }
    EXPECT_TRUE(QDir(spool).entryList(QDir::Files).isEmpty());

    QSettings(conf, QSettings::IniFormat).setValue(QStringLiteral("Config/CloseNow"), QStringLiteral("1"));
    EXPECT_TRUE(daemon.waitForFinished(4000));
    EXPECT_EQ(daemon.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(daemon.exitCode(), 0);
}

TEST(DaemonProcess, SecondCopyEndsByItselfWhileCloseNowReadsZero)
{
    zv::test::TempHome home;
    const QString program = installDaemon(home.path() + QStringLiteral("/bin"));
    const QString conf = home.config() + QStringLiteral("/Zorvelanta Printer/Zorvelanta Printer.conf");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess first, second;
    first.setProcessEnvironment(env);
    second.setProcessEnvironment(env);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(waitFor([&] { return closeNow(conf) == QLatin1String("0"); }, 5000));
    second.start(program, {});
    EXPECT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(closeNow(conf), QStringLiteral("0"));
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}
