#pragma once
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zv::portal {

// The query of one request, read the way the office's desktops write it:
// values as typed, with the characters that would break the query ("&",
// "#", "+", "%", blanks, controls, letters beyond ASCII) percent-encoded in
// Windows-1252. Keys are matched without regard to case; the first of a
// repeated key counts.
class QueryString {
public:
    static QueryString parse(std::string_view rawQuery);
    // The same for a page that knows all its keys: a piece whose key is not
    // one of `pageKeys` continues the value before it, "&" included. The
    // office's encoder leaves a "&" typed into a description as it is, and
    // this keeps such a text whole.
    static QueryString parse(std::string_view rawQuery, const QStringList& pageKeys);

    bool has(const QString& key) const;
    // The decoded value; empty when the key is absent.
    QString value(const QString& key) const;
    // The value as a decimal integer; none when absent, empty or malformed.
    std::optional<std::int64_t> integer(const QString& key) const;

private:
    void add(std::string_view pair);

    QMap<QString, QString> m_values;
};

// Percent-decoding into Windows-1252 text: "%E7" is "ç", a raw "+" a blank,
// a "%" not followed by two hexadecimal digits stays as it is.
QString decodeComponent(std::string_view raw);

} // namespace zv::portal
