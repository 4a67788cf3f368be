#include "platform/VbTwips.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace kalvex {

namespace {
double dpiX()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}
double dpiY()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInchY() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}
} // namespace

double twipsPerPixelX() { return 1440.0 / dpiX(); }
double twipsPerPixelY() { return 1440.0 / dpiY(); }

long long roundHalfEven(double v)
{
    // Far outside any screen, and never undefined for the conversion below.
    constexpr double limit = 9.0e15;
    if (!std::isfinite(v))
        return 0;
    v = std::clamp(v, -limit, limit);
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; compute it explicitly instead.
    const double fl = std::floor(v);
    const double diff = v - fl;
    if (diff > 0.5)
        return static_cast<long long>(fl) + 1;
    if (diff < 0.5)
        return static_cast<long long>(fl);
    const long long f = static_cast<long long>(fl);
    return (f % 2 == 0) ? f : f + 1;
}

namespace {
// Qt's largest widget size bounds every coordinate.
int toPixels(double twips, double perPixel)
{
    return static_cast<int>(std::clamp<long long>(roundHalfEven(twips / perPixel), -16777215, 16777215));
}
} // namespace

int twipsToPixelsX(double twips) { return toPixels(twips, twipsPerPixelX()); }
int twipsToPixelsY(double twips) { return toPixels(twips, twipsPerPixelY()); }
double pixelsToTwipsX(int pixels) { return static_cast<double>(roundHalfEven(pixels * twipsPerPixelX())); }
double pixelsToTwipsY(int pixels) { return static_cast<double>(roundHalfEven(pixels * twipsPerPixelY())); }

} // namespace kalvex
