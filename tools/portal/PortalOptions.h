#pragma once
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace zv::portal {

struct PortalOptions {
    QString address = QStringLiteral("127.0.0.1");
    int port = 8765;
    QString dataDir;
    std::int64_t sessionLifetime = 604800;
    int dateOffsetDays = 0;
    // Asked for the usage text instead of serving.
    bool showHelp = false;
    QString helpText;
};

// The options, or none with the reason in `error`.
std::optional<PortalOptions> parseOptions(const QStringList& arguments, QString& error);

// The data folder when none is given: the user's data directory
// ($XDG_DATA_HOME, by default ~/.local/share) + "ZorvelantaPrinter-demo-portal".
QString defaultDataDir();

} // namespace zv::portal
