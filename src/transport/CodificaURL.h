#pragma once
#include <QString>

namespace zv::transport {

// The portal's URL encoder. Letters, digits and ":/.?=_-$(){}~&" stay as
// they are, so a whole URL or query string keeps its structure (a "&" inside
// a value is therefore not protected); the space becomes "+", every other
// character "%" and its Windows-1252 code in upper-case hexadecimal ("%09").
// A text longer than kLimiteCodificaURL characters gives the empty text.
QString CodificaURL(const QString& texto);

inline constexpr qsizetype kLimiteCodificaURL = 32767;

} // namespace zv::transport
