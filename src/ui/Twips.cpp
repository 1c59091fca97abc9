#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace zv::ui::Twips {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kFallbackDpi = 96.0;

const QScreen* screenOf(const QWidget* widget)
{
    if (widget && widget->screen())
        return widget->screen();
    return QGuiApplication::primaryScreen();
}

} // namespace

double dpiX(const QWidget* widget)
{
    const QScreen* s = screenOf(widget);
    return s && s->logicalDotsPerInchX() > 0 ? s->logicalDotsPerInchX() : kFallbackDpi;
}

double dpiY(const QWidget* widget)
{
    const QScreen* s = screenOf(widget);
    return s && s->logicalDotsPerInchY() > 0 ? s->logicalDotsPerInchY() : kFallbackDpi;
}

int toPixels(int twips, double dpi) { return int(std::lround(twips * dpi / kTwipsPerInch)); }
int fromPixels(int pixels, double dpi) { return int(std::lround(pixels * kTwipsPerInch / dpi)); }

int toPixelsX(int twips, const QWidget* widget) { return toPixels(twips, dpiX(widget)); }
int toPixelsY(int twips, const QWidget* widget) { return toPixels(twips, dpiY(widget)); }
int fromPixelsX(int pixels, const QWidget* widget) { return fromPixels(pixels, dpiX(widget)); }
int fromPixelsY(int pixels, const QWidget* widget) { return fromPixels(pixels, dpiY(widget)); }

} // namespace zv::ui::Twips
