#include "ui/WindowFont.h"

#include <QStringList>

namespace zv::ui {

QFont windowFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace zv::ui
