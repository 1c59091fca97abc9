#pragma once
#include "platform/Conversions.h"

// Numbers in portal answers, read the way the desktop reads a number: a
// plain form ("1536", "12.5") or the regional one ("1.234,50"). A text that
// is not a number raises platform::Failure (type mismatch); a whole number
// outside its range raises it with overflow. Whole numbers are rounded half
// to even.
namespace zv::publishing {
inline double leNumero(const QString& texto) { return platform::toDouble(texto); }
inline qint16 leInt16(const QString& texto) { return platform::toInt16(texto); }
inline qint32 leInt32(const QString& texto) { return platform::toInt32(texto); }
inline bool eNumero(const QString& texto) { return platform::isNumeric(texto); }
} // namespace zv::publishing
