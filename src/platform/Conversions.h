#pragma once
#include <QDateTime>
#include <QString>

namespace zv::platform {

// Text-to-value conversions of stored settings and portal answers. A text
// that does not convert raises Failure (type mismatch; overflow
// for a number out of range), which the caller's trap or try block handles.
qint16 toInt16(const QString& text);
qint32 toInt32(const QString& text);
double toDouble(const QString& text);   // regional form (decimal comma) or a plain point
QDate toDate(const QString& text);      // regional short date
QDateTime toDateTime(const QString& text); // regional general date

// Whether a text reads as a number at all (the "is it numeric" test).
bool isNumeric(const QString& text);

} // namespace zv::platform
