#pragma once
#include "portal/PortalStore.h"
#include "portal/QueryString.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace zv::portal {

// Every key of the publication request, in the order the office's program
// writes them ("email" and "Email" are one key here: keys ignore case).
const QStringList& publicationKeys();

// One publication as the office's program asked for it, its values checked.
struct PublicationOrder {
    std::vector<std::int64_t> clients;  // e=, each company once, in the order sent
    QString type;                       // t=, "P", "R" or "D"
    std::optional<QDate> activation;    // a=
    std::optional<QDate> expiry;        // x=
    std::optional<QDate> due;           // v=, payments only
    std::optional<double> amount;       // r=, payments only
    QString description;                // d=
    QString fileName;                   // f=, a plain name in the FTP root
    Publication extras;                 // o=, the parameters, idPasta, UsuarioID, Admin, Email
};

// The order, or the sentence that says which value is wrong.
struct PublicationParse {
    std::optional<PublicationOrder> order;
    QString error;
};

PublicationParse parsePublication(const QueryString& query);

// A day as the office's program writes it, "dd/MM/yyyy" (one-digit days and
// months accepted); none when it is not a real day.
std::optional<QDate> parseSlashDay(const QString& text);

// An amount with "." before its decimals ("1234.5"); none when malformed or
// negative.
std::optional<double> parseAmount(const QString& text);

} // namespace zv::portal
