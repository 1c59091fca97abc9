#pragma once
#include <QString>

namespace zv::platform {

// The per-user folders the program is given by the desktop, with "/" as the
// one path separator of this platform and no trailing separator.
//   application data: $XDG_DATA_HOME (~/.local/share)
//   Send To:          the desktop-entry folder $XDG_DATA_HOME/applications
//   program folder:   the folder of the running executable
QString applicationDataFolder();
QString sendToFolder();
QString programFolder();

// The path separator of this platform.
inline constexpr char16_t kSeparator = u'/';

// The file name of a sibling executable ("ZvP" here, "ZvP.exe" on Windows).
QString executableName(const QString& baseName);

} // namespace zv::platform
