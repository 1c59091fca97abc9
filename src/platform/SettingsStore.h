#pragma once
#include <QString>

namespace zv::platform {

// The per-user settings store shared with the sibling programs of the
// product, addressed by application, section and key. Every value is text.
// On this platform it is the INI file
//   $XDG_CONFIG_HOME/<application>/<application>.conf
// (QSettings' native format here), one group per section. Every read first
// picks up what other programs wrote since the last one.
class SettingsStore {
public:
    static QString read(const QString& application, const QString& section,
                        const QString& key, const QString& defaultValue = {});
    static void write(const QString& application, const QString& section,
                      const QString& key, const QString& value);
    static bool contains(const QString& application, const QString& section,
                         const QString& key);
    static void remove(const QString& application, const QString& section,
                       const QString& key);

    // Where the store of an application lives.
    static QString filePath(const QString& application);
};

} // namespace zv::platform
