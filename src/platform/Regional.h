#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

namespace zv::platform {

// The user's regional forms. The program's home is Brazilian Portuguese:
//   short date   dd/MM/yyyy
//   long time    HH:mm:ss
//   general date short date, a space and the long time; the time is left out
//                at midnight exactly
//   numbers      decimal comma, "." between thousands
//   currency     "R$ 1.234,50"
class Regional {
public:
    static QString shortDate(const QDate& date);
    static QString longTime(const QTime& time);
    static QString generalDate(const QDateTime& moment);

    // Reads what the forms above write (and a date alone as midnight).
    static std::optional<QDate> parseDate(const QString& text);
    static std::optional<QDateTime> parseDateTime(const QString& text);

    static QString number(double value, int decimals);
    static QString currency(double value);
    static std::optional<double> parseNumber(const QString& text);

    static QChar dateSeparator() { return QLatin1Char('/'); }
    static QChar timeSeparator() { return QLatin1Char(':'); }
};

} // namespace zv::platform
