#pragma once

class QWidget;

namespace zv::ui {

// Window geometry is designed, and stored in the settings, in twips
// (1/1440 inch). On screen it becomes pixels at the screen's logical DPI:
// 15 twips a pixel at 96 DPI, 7.5 at 192.
namespace Twips {

// The logical DPI of the screen the widget sits on (the primary screen for
// none); 96 when no screen is known.
double dpiX(const QWidget* widget = nullptr);
double dpiY(const QWidget* widget = nullptr);

int toPixelsX(int twips, const QWidget* widget = nullptr);
int toPixelsY(int twips, const QWidget* widget = nullptr);
int fromPixelsX(int pixels, const QWidget* widget = nullptr);
int fromPixelsY(int pixels, const QWidget* widget = nullptr);

// Pure conversions at a given DPI, rounded to the nearest whole unit.
int toPixels(int twips, double dpi);
int fromPixels(int pixels, double dpi);

} // namespace Twips
} // namespace zv::ui
