#include "platform/Registry.h"

#include <QSettings>
#include <QStandardPaths>

namespace zv::platform {

namespace {

// "ROOT\a\b\Name" -> "ROOT/a/b/Name": QSettings' own separator.
std::optional<QString> settingsKey(const QString& fullPath)
{
    const QStringList parts = fullPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (parts.size() < 2 || !parts.first().startsWith(QLatin1String("HKEY_")))
        return std::nullopt;
    return parts.join(QLatin1Char('/'));
}

} // namespace

QString Registry::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/ZorvelantaPrinter/registry.conf");
}

std::optional<QString> Registry::read(const QString& fullPath)
{
    const auto key = settingsKey(fullPath);
    if (!key)
        return std::nullopt;
    QSettings s(filePath(), QSettings::IniFormat);
    s.sync();
    if (!s.contains(*key))
        return std::nullopt;
    return s.value(*key).toString();
}

bool Registry::write(const QString& fullPath, const QString& value, const QString& type)
{
    const auto key = settingsKey(fullPath);
    if (!key || type != QLatin1String("REG_SZ"))
        return false;
    QSettings s(filePath(), QSettings::IniFormat);
    s.setValue(*key, value);
    s.sync();
    return s.status() == QSettings::NoError;
}

} // namespace zv::platform
