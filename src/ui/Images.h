#pragma once
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace zv::ui {

// The program's own pictures, drawn as SVG and kept in the resource file
// images.qrc. A key names one picture ("Entrar", "Sair", "GerarPDF", ...);
// the same picture serves the toolbar (a muted normal face and a full-colour
// hot face, the two image lists of a toolbar) and the plain picture buttons.
// Every face is rendered from the vector drawing, so it is sharp at 100 %
// and 200 % scale alike.
namespace Images {

enum class Face { Normal, Hot };

// Every key there is a picture for, sorted.
QStringList keys();
bool has(const QString& key);
// The resource path of a key's drawing.
QString path(const QString& key);

// One face of a picture, `size` in logical pixels at the given scale.
QPixmap render(const QString& key, QSize size, Face face, qreal devicePixelRatio = 1.0);

// A toolbar button's icon: Normal mode the muted face, Active (under the
// mouse) the hot face, both at 1x and 2x for the usual sizes.
QIcon toolbar(const QString& key);
// A plain picture button's icon: the full-colour drawing at any size.
QIcon button(const QString& key);
// The tray and window icon.
QIcon application();

} // namespace Images
} // namespace zv::ui
