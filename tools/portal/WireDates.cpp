#include "portal/WireDates.h"

namespace zv::portal {

QString isoDay(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

QString isoMoment(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString wireDay(const QDate& day)
{
    return day.toString(QStringLiteral("dd/MM/yyyy"));
}

void appendWireDate(std::string& out, std::string_view iso)
{
    if (iso.size() < 10)
        return;
    out.append(iso.substr(8, 2)).append(1, '/').append(iso.substr(5, 2)).append(1, '/')
        .append(iso.substr(0, 4));
    if (iso.size() >= 19)
        out.append(1, ' ').append(iso.substr(11, 8));
}

std::optional<QDate> parseCompactDay(const QString& text)
{
    if (text.size() != 8)
        return std::nullopt;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const QDate day = QDate::fromString(text, QStringLiteral("yyyyMMdd"));
    return day.isValid() ? std::optional(day) : std::nullopt;
}

} // namespace zv::portal
