#include "platform/Regional.h"

#include <QLocale>

namespace zv::platform {

namespace {

const QLocale& locale()
{
    static const QLocale l(QLocale::Portuguese, QLocale::Brazil);
    return l;
}

const QString kDate = QStringLiteral("dd/MM/yyyy");
const QString kTime = QStringLiteral("HH:mm:ss");

} // namespace

QString Regional::shortDate(const QDate& date)
{
    return date.toString(kDate);
}

QString Regional::longTime(const QTime& time)
{
    return time.toString(kTime);
}

QString Regional::generalDate(const QDateTime& moment)
{
    if (moment.time() == QTime(0, 0))
        return shortDate(moment.date());
    return shortDate(moment.date()) + QLatin1Char(' ') + longTime(moment.time());
}

std::optional<QDate> Regional::parseDate(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* form : {"dd/MM/yyyy", "d/M/yyyy"}) {
        const QDate d = QDate::fromString(t, QLatin1String(form));
        if (d.isValid())
            return d;
    }
    return std::nullopt;
}

std::optional<QDateTime> Regional::parseDateTime(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* form : {"dd/MM/yyyy HH:mm:ss", "d/M/yyyy H:mm:ss", "dd/MM/yyyy HH:mm"}) {
        const QDateTime dt = QDateTime::fromString(t, QLatin1String(form));
        if (dt.isValid())
            return dt;
    }
    if (const auto d = parseDate(t))
        return QDateTime(*d, QTime(0, 0));
    return std::nullopt;
}

QString Regional::number(double value, int decimals)
{
    return locale().toString(value, 'f', decimals);
}

QString Regional::currency(double value)
{
    return QStringLiteral("R$ ") + number(value, 2);
}

std::optional<double> Regional::parseNumber(const QString& text)
{
    bool ok = false;
    const double v = locale().toDouble(text.trimmed(), &ok);
    if (ok)
        return v;
    return std::nullopt;
}

} // namespace zv::platform
