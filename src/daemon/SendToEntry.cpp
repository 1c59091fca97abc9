#include "daemon/SendToEntry.h"

#include "core/ErrorTrap.h"
#include "core/ModFuncs.h"
#include "core/Settings.h"
#include "platform/ErrorNumbers.h"
#include "platform/SpecialFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace zv::daemon::SendToEntry {

namespace {

// A value of the Exec key: quoted, with the characters the desktop-entry
// format reserves inside quotes escaped, and "%" doubled.
QString argumentoExec(const QString& texto)
{
    QString out;
    for (QChar c : texto) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            out += QLatin1Char('%');
        out += c;
    }
    // Inside a string value a backslash is itself written twice.
    out.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

// Plain string values: backslashes and line breaks escaped.
QString valor(const QString& texto)
{
    QString out = texto;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return out;
}

} // namespace

QString caminho()
{
    const QString pasta = core::PastaEspecial(true);
    return pasta.isEmpty() ? QString() : pasta + QLatin1Char(platform::kSeparator) + kNome;
}

QString conteudo(const QString& pastaPrograma)
{
    const QString sep(platform::kSeparator);
    const QString programa = pastaPrograma + sep + platform::executableName(QStringLiteral("ZvP"));
    QStringList linhas = {
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + valor(core::kSistema),
        QStringLiteral("Comment=") + valor(core::kSistema),
        QStringLiteral("Exec=") + argumentoExec(programa) + QStringLiteral(" %f"),
        QStringLiteral("Path=") + valor(pastaPrograma),
        QStringLiteral("Icon=") + valor(pastaPrograma + sep + QStringLiteral("ruv.ico")),
        QStringLiteral("Terminal=false"),
        QStringLiteral("NoDisplay=true"),
    };
    return linhas.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void verificaAtalho()
{
    core::ErrorTrap trap(QStringLiteral("frmMainDaemon"), QStringLiteral("verificaAtalho"));
    QString destino;
    trap([&] {
        destino = caminho();
        // Without a Send To folder there is nowhere sensible to write: the
        // entry is not put at the root of the disk.
        if (destino.isEmpty())
            throw platform::Failure(platform::kErrPathNotFound);
    });
    if (destino.isEmpty() || QFileInfo::exists(destino))
        return;
    trap([&] {
        if (!QDir().mkpath(QFileInfo(destino).absolutePath()))
            throw platform::Failure(platform::kErrPathNotFound);
        QSaveFile f(destino);
        if (!f.open(QIODevice::WriteOnly))
            throw platform::Failure(platform::kErrPermissionDenied);
        f.write(conteudo(platform::programFolder()).toUtf8());
        if (!f.commit())
            throw platform::Failure(platform::kErrPathFileAccess);
    });
}

} // namespace zv::daemon::SendToEntry
