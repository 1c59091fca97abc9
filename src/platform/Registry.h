#pragma once
#include <QString>
#include <optional>

namespace zv::platform {

// One registry value addressed by its full path, root key spelled out
// ("HKEY_CURRENT_USER\Software\ZorvelantaPrinter\OutputFile"; the last
// element is the value name). On this platform the values live in the INI
// file $XDG_CONFIG_HOME/ZorvelantaPrinter/registry.conf, the root key as the
// group and the rest of the path as the key. Only text values ("REG_SZ")
// exist here.
class Registry {
public:
    static std::optional<QString> read(const QString& fullPath);
    // False when the path or the type is not one this store can hold.
    static bool write(const QString& fullPath, const QString& value, const QString& type);
    static QString filePath();
};

} // namespace zv::platform
