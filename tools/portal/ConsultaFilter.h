#pragma once
#include "portal/QueryString.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zv::portal {

// The filters of one consultation, checked. With `ids` (the "li=" form: the
// documents of the last publication) every other filter is left out.
struct ConsultaFilter {
    std::optional<std::vector<std::int64_t>> ids;
    std::int64_t company = 0;    // e=, 0 = every company
    int type = 0;                // t=, 0 all, 1 P, 2 R, 3 D, 4 published before the types
    char dateKind = 0;           // d=, 't' publication, 'v' due date, 0 none
    std::optional<QDate> from;   // i=
    std::optional<QDate> to;     // f=
    std::int64_t user = 0;       // u=, 0 = every sender
    int order = 0;               // o=, 0..5
    int visibility = 0;          // m=, 0..4
};

// The filter, or the sentence that says which value is wrong.
struct FilterParse {
    std::optional<ConsultaFilter> filter;
    QString error;
};

FilterParse parseFilter(const QueryString& query);

// Documents without a type were published before this day; the "t=4"
// choice shows every document older than it.
inline const QDate kTypesSince{2008, 10, 6};

// The SQL condition (after "WHERE") and order (after "ORDER BY") of a
// filter for one office; `today` decides what is active. Every value in it
// has been checked to be a number or a day.
std::string whereClause(const ConsultaFilter& filter, std::int64_t officeId, const QDate& today);
std::string orderClause(const ConsultaFilter& filter);

} // namespace zv::portal
