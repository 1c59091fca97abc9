#pragma once
#include <QFont>

namespace zv::ui {

// The windows are designed for Verdana; where it is not installed (Debian
// ships no Verdana) DejaVu Sans takes its place: the same wide, open forms
// and nearly the same advance widths, so designed sizes still hold the texts.
QFont windowFont(qreal pointSize, bool bold = false);

} // namespace zv::ui
