#pragma once
#include <QString>

namespace zv::publishing {

// Numbers in portal answers, read the way the desktop reads a number: a
// plain form ("1536", "12.5") or the regional one ("1.234,50"). A text that
// is not a number raises platform::Failure (type mismatch); a whole number
// outside its range raises it with overflow. Whole numbers are rounded half
// to even.
double leNumero(const QString& texto);
qint16 leInt16(const QString& texto);
qint32 leInt32(const QString& texto);
bool eNumero(const QString& texto);

} // namespace zv::publishing
