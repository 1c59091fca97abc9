#pragma once
#include "daemon/frmMainDaemon.h"
#include "platform/DialogService.h"
#include "support/TempHome.h"

#include <QDateTime>
#include <QStringList>
#include <memory>

namespace zv::test {

// A started daemon form in a fresh home, with a clock the test moves on and
// a stand-in capture program that writes down every command line it gets.
class DaemonFixture {
public:
    DaemonFixture();
    ~DaemonFixture();

    TempHome home;
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<daemon::frmMainDaemon> form;

    QString spool() const;
    QString programFolder() const;
    void installCaptureProgram();
    // Drops a print job into the spool, written a while ago (settled).
    QString dropJob(const QString& name, const QByteArray& content = "%PDF-1.4 job");
    // One timer event, the clock two seconds on.
    void cycle();
    QDateTime now() const { return m_now; }
    // The arguments each start of the capture program received, waiting
    // up to a few seconds for the expected number.
    QStringList captureCalls(int expected) const;

private:
    QDateTime m_now;
};

} // namespace zv::test
