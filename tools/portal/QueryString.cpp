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

namespace {

std::vector<std::string_view> piecesOf(std::string_view rawQuery)
{
    std::vector<std::string_view> pieces;
    while (!rawQuery.empty()) {
        const size_t end = rawQuery.find('&');
        pieces.push_back(rawQuery.substr(0, end));
        rawQuery = end == std::string_view::npos ? std::string_view() : rawQuery.substr(end + 1);
    }
    return pieces;
}

QString keyOf(std::string_view pair)
{
    return decodeComponent(pair.substr(0, pair.find('='))).toLower();
}

} // namespace

void QueryString::add(std::string_view pair)
{
    if (pair.empty())
        return;
    const size_t equals = pair.find('=');
    const QString key = decodeComponent(pair.substr(0, equals)).toLower();
    const QString value = equals == std::string_view::npos ? QString() : decodeComponent(pair.substr(equals + 1));
    if (!m_values.contains(key))
        m_values.insert(key, value);
}

QueryString QueryString::parse(std::string_view rawQuery)
{
    QueryString query;
    for (std::string_view pair : piecesOf(rawQuery))
        query.add(pair);
    return query;
}

QueryString QueryString::parse(std::string_view rawQuery, const QStringList& pageKeys)
{
    // A trailing "&" ends the query; it does not continue the last value.
    while (!rawQuery.empty() && rawQuery.back() == '&')
        rawQuery.remove_suffix(1);
    QueryString query;
    std::string_view pair;  // the current key's piece, stray pieces joined on
    for (std::string_view piece : piecesOf(rawQuery)) {
        const bool continues = !pair.empty() && !pageKeys.contains(keyOf(piece), Qt::CaseInsensitive);
        if (continues) {
            pair = std::string_view(pair.data(), size_t(piece.data() + piece.size() - pair.data()));
            continue;
        }
        query.add(pair);
        pair = piece;
    }
    query.add(pair);
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
