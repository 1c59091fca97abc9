#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zv::portal {

// A small valid one-page PDF showing the given lines (Helvetica, the
// Windows-1252 letters of the office's language). Its bytes are plain
// printable text, so a copy kept as single-byte text stays the same file.
QByteArray makePdf(const QStringList& textLines);

// A small 24-bit bitmap for an office logo, free of the bytes that have no
// character in Windows-1252.
QByteArray makeLogoBitmap();

} // namespace zv::portal
