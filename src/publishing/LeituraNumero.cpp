#include "publishing/LeituraNumero.h"

#include "platform/ErrorNumbers.h"
#include "platform/Regional.h"

#include <cmath>
#include <limits>

namespace zv::publishing {

using platform::Failure;

double leNumero(const QString& texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty())
        throw Failure(platform::kErrTypeMismatch);
    bool ok = false;
    double v = t.toDouble(&ok);
    if (!ok) {
        const auto regional = platform::Regional::parseNumber(t);
        if (!regional)
            throw Failure(platform::kErrTypeMismatch);
        v = *regional;
    }
    if (!std::isfinite(v))
        throw Failure(platform::kErrOverflow);
    return v;
}

namespace {
template <class T>
T inteiro(const QString& texto)
{
    const double v = std::nearbyint(leNumero(texto));
    if (v < double(std::numeric_limits<T>::min()) || v > double(std::numeric_limits<T>::max()))
        throw Failure(platform::kErrOverflow);
    return static_cast<T>(v);
}
} // namespace

qint16 leInt16(const QString& texto) { return inteiro<qint16>(texto); }
qint32 leInt32(const QString& texto) { return inteiro<qint32>(texto); }

bool eNumero(const QString& texto)
{
    try {
        leNumero(texto);
        return true;
    } catch (const Failure&) {
        return false;
    }
}

} // namespace zv::publishing
