#pragma once
#include "portal/PortalStore.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>

namespace zv::portal {

// What every page works with: the store, the data folder that holds the
// documents' files, and the portal's own idea of the present (shifted by
// whole days when the operator asks, to try out a client whose date differs).
struct PortalContext {
    PortalStore& store;
    QString dataDir;
    std::int64_t sessionLifetime = 604800;  // seconds a session lives unused
    int dateOffsetDays = 0;
    // The FTP server the portal runs beside ("host:port"); empty = each
    // office's own stored name.
    QString ftpServer{};
    // The FTP server's root folder: uploads land there before publication.
    QString ftpRoot{};

    QDateTime now() const { return QDateTime::currentDateTime().addDays(dateOffsetDays); }
    QDate today() const { return now().date(); }
    std::int64_t nowSeconds() const { return QDateTime::currentSecsSinceEpoch(); }

    // The FTP server name handed to an office's users.
    QString ftpServerOf(const Office& office) const
    {
        return ftpServer.isEmpty() ? office.ftpServer : ftpServer;
    }

    QString documentsDir() const { return dataDir + QStringLiteral("/documentos"); }
    // An office's logo folder, named by its ID with at least four digits.
    QString logoDir(std::int64_t officeId) const
    {
        return dataDir + QStringLiteral("/escritorio_arq/")
               + QString::number(officeId).rightJustified(4, QLatin1Char('0'));
    }
};

} // namespace zv::portal
