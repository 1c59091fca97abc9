#include "portal/QueryString.h"

#include "platform/Cp1252.h"

#include <QByteArray>

namespace zv::portal {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

QString decodeComponent(std::string_view raw)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(raw.size()));
    for (size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '+') {
            bytes.append(' ');
            continue;
        }
        if (c == '%' && i + 2 < raw.size() && hexValue(raw[i + 1]) >= 0 && hexValue(raw[i + 2]) >= 0) {
            bytes.append(char(hexValue(raw[i + 1]) * 16 + hexValue(raw[i + 2])));
            i += 2;
            continue;
        }
        bytes.append(c);
    }
    return platform::fromCp1252(bytes);
}

QueryString QueryString::parse(std::string_view rawQuery)
{
    QueryString query;
    while (!rawQuery.empty()) {
        const size_t end = rawQuery.find('&');
        const std::string_view pair = rawQuery.substr(0, end);
        rawQuery = end == std::string_view::npos ? std::string_view() : rawQuery.substr(end + 1);
        if (pair.empty())
            continue;
        const size_t equals = pair.find('=');
        const QString key = decodeComponent(pair.substr(0, equals)).toLower();
        const QString value = equals == std::string_view::npos ? QString()
                                                               : decodeComponent(pair.substr(equals + 1));
        if (!query.m_values.contains(key))
            query.m_values.insert(key, value);
    }
    return query;
}

bool QueryString::has(const QString& key) const
{
    return m_values.contains(key.toLower());
}

QString QueryString::value(const QString& key) const
{
    return m_values.value(key.toLower());
}

std::optional<std::int64_t> QueryString::integer(const QString& key) const
{
    const QString text = value(key).trimmed();
    if (text.isEmpty())
        return std::nullopt;
    for (QChar c : text)
        if (!c.isDigit() && c != QLatin1Char('-'))
            return std::nullopt;
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    return ok ? std::optional<std::int64_t>(number) : std::nullopt;
}

} // namespace zv::portal
