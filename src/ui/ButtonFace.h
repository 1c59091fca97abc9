#pragma once
#include <QColor>
#include <QtGlobal>

namespace zv::ui {

// The desktop's button-face colour as this program sees it: the Button role
// of the application palette for the running session. Reading it answers
// what every window paints its buttons with; setting it repaints every
// widget that takes the application palette (all of this program's). The
// value is a 32-bit colour number laid out 0x00BBGGRR, the form the sibling
// programs store in the settings ("Buton"), so &HF0F0F0 reads the same in
// both.
namespace ButtonFace {

// RGB(240, 240, 240): the face the toolbar images are drawn for.
inline constexpr qint32 kCorEspecial = 0xF0F0F0;

qint32 cor();
void setCor(qint32 cor);

// The button face the platform's style offers when nobody has changed it.
qint32 corPadrao();

// The colour number of a colour and back (alpha is dropped).
qint32 toNumber(const QColor& color);
QColor toColor(qint32 number);

} // namespace ButtonFace
} // namespace zv::ui
