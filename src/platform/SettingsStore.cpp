#include "platform/SettingsStore.h"

#include <QSettings>
#include <QStandardPaths>

namespace zv::platform {

namespace {

QString keyPath(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString SettingsStore::filePath(const QString& application)
{
    // Computed on every call, not cached by Qt's default paths, so that a
    // change of XDG_CONFIG_HOME (a test's temporary home) takes effect.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QLatin1Char('/') + application + QLatin1Char('/') + application + QStringLiteral(".conf");
}

QString SettingsStore::read(const QString& application, const QString& section,
                            const QString& key, const QString& defaultValue)
{
    QSettings s(filePath(application), QSettings::IniFormat);
    s.sync();
    return s.value(keyPath(section, key), defaultValue).toString();
}

void SettingsStore::write(const QString& application, const QString& section,
                          const QString& key, const QString& value)
{
    QSettings s(filePath(application), QSettings::IniFormat);
    s.sync();
    s.setValue(keyPath(section, key), value);
    s.sync();
}

bool SettingsStore::contains(const QString& application, const QString& section,
                             const QString& key)
{
    QSettings s(filePath(application), QSettings::IniFormat);
    s.sync();
    return s.contains(keyPath(section, key));
}

void SettingsStore::remove(const QString& application, const QString& section,
                           const QString& key)
{
    QSettings s(filePath(application), QSettings::IniFormat);
    s.sync();
    s.remove(keyPath(section, key));
    s.sync();
}

} // namespace zv::platform
