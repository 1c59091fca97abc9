#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace zv::portal {

// The store keeps ISO texts ("yyyy-MM-dd", "yyyy-MM-dd HH:mm:ss") so they sort
// and compare as text; the answers carry the office's regional forms.
QString isoDay(const QDate& day);
QString isoMoment(const QDateTime& moment);

// "dd/MM/yyyy", the form of the portal's present date in its answers.
QString wireDay(const QDate& day);

// Store text to answer text, appended to `out` in UTF-8: a day becomes
// "dd/MM/yyyy", a moment "dd/MM/yyyy HH:mm:ss"; an empty text stays empty.
void appendWireDate(std::string& out, std::string_view iso);

// A request's "YYYYmmdd"; none when it is not a real day.
std::optional<QDate> parseCompactDay(const QString& text);

} // namespace zv::portal
