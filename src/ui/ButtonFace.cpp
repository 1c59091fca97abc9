#include "ui/ButtonFace.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace zv::ui::ButtonFace {

qint32 toNumber(const QColor& color)
{
    return qint32(color.red()) | (qint32(color.green()) << 8) | (qint32(color.blue()) << 16);
}

QColor toColor(qint32 number)
{
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

qint32 cor()
{
    return toNumber(QApplication::palette().color(QPalette::Active, QPalette::Button));
}

void setCor(qint32 number)
{
    QPalette palette = QApplication::palette();
    // Every colour group, so inactive and disabled windows follow as well.
    palette.setColor(QPalette::Button, toColor(number));
    QApplication::setPalette(palette);
}

qint32 corPadrao()
{
    return toNumber(QApplication::style()->standardPalette().color(QPalette::Active, QPalette::Button));
}

} // namespace zv::ui::ButtonFace
