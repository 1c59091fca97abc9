#include "core/Settings.h"

#include "platform/SettingsStore.h"

namespace zv::core::Settings {

QString read(const QString& section, const QString& key, const QString& defaultValue)
{
    return platform::SettingsStore::read(kSistema, section, key, defaultValue);
}

void write(const QString& section, const QString& key, const QString& value)
{
    platform::SettingsStore::write(kSistema, section, key, value);
}

} // namespace zv::core::Settings
