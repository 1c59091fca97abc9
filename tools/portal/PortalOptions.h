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
    // The FTP server the login hands out ("host" or "host:port"); empty = the
    // name stored with each office.
    QString ftpServer;
    // The FTP server's root folder, where the client uploads a document
    // just before it asks for its publication.
    QString ftpRoot;
    // Asked for the usage text instead of serving.
    bool showHelp = false;
    QString helpText;
};

// The options, or none with the reason in `error`.
std::optional<PortalOptions> parseOptions(const QStringList& arguments, QString& error);

// The data folder when none is given: the user's data directory
// ($XDG_DATA_HOME, by default ~/.local/share) + "ZorvelantaPrinter-demo-portal".
QString defaultDataDir();

// A server name the FTP client accepts: a host, optionally ":" and a port
// from 1 to 65535; no blanks or control characters.
bool isFtpServerName(const QString& text);

} // namespace zv::portal
