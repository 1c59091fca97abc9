#include "DaemonFixture.h"

#include "platform/Clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace zv::test {

DaemonFixture::DaemonFixture()
    : m_now(QDateTime::currentDateTime().addSecs(60))
{
    platform::Clock::set([this] { return m_now; });
    form = std::make_unique<daemon::frmMainDaemon>();
    form->capture().setProgramFolder(programFolder());
    QDir().mkpath(programFolder());
    form->Form_Load();
    form->tmrCiclo().stop(); // the test drives the cycles itself
}

DaemonFixture::~DaemonFixture()
{
    form.reset();
    platform::Clock::reset();
}

QString DaemonFixture::spool() const { return home.appData() + QStringLiteral("/ZorvelantaPrinter/Spool"); }
QString DaemonFixture::programFolder() const { return home.path() + QStringLiteral("/program"); }

void DaemonFixture::installCaptureProgram()
{
    const QString path = programFolder() + QStringLiteral("/ZvP");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("#!/bin/sh\nprintf '%s|%s\\n' \"$#\" \"$1\" >> \"$(dirname \"$0\")/calls.log\"\n");
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

QString DaemonFixture::dropJob(const QString& name, const QByteArray& content)
{
    const QString path = spool() + QLatin1Char('/') + name;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    f.setFileTime(QDateTime::currentDateTime().addSecs(-30), QFileDevice::FileModificationTime);
    return path;
}

void DaemonFixture::cycle()
{
    m_now = m_now.addSecs(2);
    form->tmrCiclo_Timer();
}

QStringList DaemonFixture::captureCalls(int expected) const
{
    QElapsedTimer waited;
    waited.start();
    QStringList lines;
    do {
        QFile log(programFolder() + QStringLiteral("/calls.log"));
        lines.clear();
        if (log.open(QIODevice::ReadOnly))
            lines = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (lines.size() >= expected)
            break;
        QThread::msleep(20);
    } while (waited.elapsed() < 5000);
    return lines;
}

} // namespace zv::test
