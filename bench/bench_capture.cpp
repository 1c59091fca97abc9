// Figures of the capture daemon: one idle cycle (empty spool), one cycle
// over a spool of 1,000 waiting jobs, and the resident memory of the daemon
// after its start-up. Targets: under 200 µs, under 5 ms, under 60 MB.
#include "core/Globals.h"
#include "daemon/frmMainDaemon.h"
#include "platform/Clock.h"
#include "platform/DialogService.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void pointHomeAt(const QString& home)
{
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + "/.config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home + "/.local/share").toLocal8Bit());
}

void writeJob(const QString& path, const QDateTime& when)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray(20 * 1024, 'x'));
    f.setFileTime(when, QFileDevice::FileModificationTime);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Microseconds per cycle, median of `runs`; `refill` runs before each cycle, untimed.
template <class Refill>
double timeCycles(zv::daemon::frmMainDaemon& form, int runs, Refill refill)
{
    std::vector<double> us;
    QDateTime now = QDateTime::currentDateTime().addSecs(60);
    zv::platform::Clock::set([&now] { return now; });
    for (int i = 0; i < runs; ++i) {
        refill(i);
        now = now.addSecs(2);
        QElapsedTimer t;
        t.start();
        form.tmrCiclo_Timer();
        us.push_back(t.nsecsElapsed() / 1000.0);
    }
    zv::platform::Clock::reset();
    return median(us);
}

long residentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    pointHomeAt(home.path());
    zv::platform::ScriptedDialogs dialogs;

    const QString program = home.path() + "/program";
    QDir().mkpath(program);
    QFile zvp(program + "/ZvP");
    zvp.open(QIODevice::WriteOnly);
    zvp.write("#!/bin/sh\nexit 0\n");
    zvp.close();
    zvp.setPermissions(zvp.permissions() | QFileDevice::ExeOwner);

    zv::daemon::frmMainDaemon form;
    form.capture().setProgramFolder(program);
    form.Form_Load();
    form.tmrCiclo().stop();
    const QString spool = form.vCaminho();

    const double idle = timeCycles(form, 2000, [](int) {});

    const QDateTime old = QDateTime::currentDateTime().addSecs(-60);
    for (int i = 0; i < 1000; ++i)
        writeJob(QStringLiteral("%1/file%2.pdf").arg(spool).arg(i, 4, 10, QLatin1Char('0')), old);
    // Each cycle hands one job over; a new one keeps the spool at 1,000.
    const double busy = timeCycles(form, 200, [&](int i) {
        writeJob(QStringLiteral("%1/job%2.pdf").arg(spool).arg(i, 4, 10, QLatin1Char('0')), old);
    });

    std::printf("idle cycle (empty spool):        %8.1f us  (target < 200 us)\n", idle);
    std::printf("cycle over 1,000 waiting jobs:   %8.1f us  (target < 5000 us)\n", busy);

    // The daemon itself, started as it is shipped, offscreen.
    QTemporaryDir other;
    QProcess daemon;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", other.path());
    env.insert("XDG_CONFIG_HOME", other.path() + "/.config");
    env.insert("XDG_DATA_HOME", other.path() + "/.local/share");
    daemon.setProcessEnvironment(env);
    daemon.start(QCoreApplication::applicationDirPath() + "/ZuVA", {});
    if (daemon.waitForStarted()) {
        QThread::sleep(3);
        std::printf("daemon resident memory (start): %8.1f MB  (target < 60 MB)\n",
                    residentKb(daemon.processId()) / 1024.0);
        daemon.kill();
        daemon.waitForFinished();
    } else {
        std::printf("daemon resident memory: ZuVA not found beside the benchmark\n");
    }
    return 0;
}
