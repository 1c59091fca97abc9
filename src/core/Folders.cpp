#include "core/Folders.h"

#include "core/ModFuncs.h"

namespace zv::core::Folders {

namespace {
QString under(const QString& parent, const QString& name)
{
    return parent + QLatin1Char('/') + name;
}
} // namespace

QString appData() { return PastaEspecial(false); }
QString daemon() { return under(appData(), kRoot); }
QString base() { return daemon() + QLatin1Char('/'); }
QString spool() { return under(daemon(), kSpool); }
QString spoolProc() { return under(spool(), kSpoolProc); }
QString proc() { return under(daemon(), kProc); }
QString back() { return under(daemon(), kBack); }
QString temp() { return under(daemon(), kTemp); }
QString report() { return under(daemon(), kReport); }
QString queue() { return under(daemon(), kQueue); }
QString queueFiles() { return under(queue(), kQueueFiles); }
QString errorLog() { return under(report(), QStringLiteral("ERRO.LOG")); }

} // namespace zv::core::Folders
