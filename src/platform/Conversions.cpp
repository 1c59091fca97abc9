#include "platform/Conversions.h"

#include "platform/ErrorNumbers.h"
#include "platform/Regional.h"

#include <cmath>
#include <limits>

namespace zv::platform {


namespace {

double parseNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        throw Failure(kErrTypeMismatch);
    bool ok = false;
    double v = t.toDouble(&ok);
    if (!ok) {
        const auto regional = Regional::parseNumber(t);
        if (!regional)
            throw Failure(kErrTypeMismatch);
        v = *regional;
    }
    if (!std::isfinite(v))
        throw Failure(kErrOverflow);
    return v;
}

template <class T>
T toInteger(const QString& text)
{
    // Rounds half to even, as the desktop's own conversion does.
    const double v = std::nearbyint(parseNumber(text));
    if (v < double(std::numeric_limits<T>::min()) || v > double(std::numeric_limits<T>::max()))
        throw Failure(kErrOverflow);
    return static_cast<T>(v);
}

} // namespace

qint16 toInt16(const QString& text) { return toInteger<qint16>(text); }
qint32 toInt32(const QString& text) { return toInteger<qint32>(text); }
double toDouble(const QString& text) { return parseNumber(text); }

QDate toDate(const QString& text)
{
    const auto d = Regional::parseDate(text);
    if (!d)
        throw Failure(kErrTypeMismatch);
    return *d;
}

QDateTime toDateTime(const QString& text)
{
    const auto dt = Regional::parseDateTime(text);
    if (!dt)
        throw Failure(kErrTypeMismatch);
    return *dt;
}

bool isNumeric(const QString& text)
{
    try {
        parseNumber(text);
        return true;
    } catch (const Failure&) {
        return false;
    }
}

} // namespace zv::platform
