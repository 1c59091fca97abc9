#pragma once
#include <QByteArray>
#include <QString>

namespace zv::platform {

// The single-byte code page of the office's desktops (Windows-1252). Every
// text that crosses a boundary — URLs sent, portal answers, ANSI files — goes
// through these two functions; document contents are bytes and never do.
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);

// The code of one character in the code page, or -1 when it has none.
int cp1252Code(QChar c);

} // namespace zv::platform
