#include "ui/Images.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// Resources of a static library must be registered by name, outside any
// namespace, before the first use.
static void registerImageResources()
{
    static const bool once = [] {
        Q_INIT_RESOURCE(images);
        return true;
    }();
    Q_UNUSED(once);
}

namespace zv::ui::Images {

namespace {

const QString kFolder = QStringLiteral(":/zv/images/");
const QString kApplicationKey = QStringLiteral("Aplicativo");

// The muted face: mostly grey, a trace of the colour left so the pictures
// stay recognisable before the mouse reaches them.
void mute(QImage& image)
{
    constexpr int kColourPercent = 30;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int grey = qGray(p);
            const auto mix = [&](int c) { return (c * kColourPercent + grey * (100 - kColourPercent)) / 100; };
            line[x] = qRgba(mix(qRed(p)), mix(qGreen(p)), mix(qBlue(p)), qAlpha(p));
        }
    }
}

} // namespace

QStringList keys()
{
    registerImageResources();
    QStringList out;
    for (const QString& name : QDir(kFolder).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name))
        out << name.chopped(4);
    return out;
}

bool has(const QString& key)
{
    registerImageResources();
    return !key.isEmpty() && QFile::exists(path(key));
}

QString path(const QString& key) { return kFolder + key + QStringLiteral(".svg"); }

QPixmap render(const QString& key, QSize size, Face face, qreal devicePixelRatio)
{
    registerImageResources();
    const QSize device = (QSizeF(size) * devicePixelRatio).toSize();
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path(key));
    if (renderer.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
    }
    if (face == Face::Normal) {
        // Muted on straight pixels, so the soft edges keep their tone.
        image = image.convertToFormat(QImage::Format_ARGB32);
        mute(image);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon toolbar(const QString& key)
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48}) {
        for (const qreal ratio : {1.0, 2.0}) {
            icon.addPixmap(render(key, QSize(side, side), Face::Normal, ratio), QIcon::Normal);
            icon.addPixmap(render(key, QSize(side, side), Face::Hot, ratio), QIcon::Active);
        }
    }
    return icon;
}

QIcon button(const QString& key)
{
    registerImageResources();
    return QIcon(path(key));
}

QIcon application() { return button(kApplicationKey); }

} // namespace zv::ui::Images
