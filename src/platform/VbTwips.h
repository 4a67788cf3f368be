// Twips, the forms' scale unit (1/1440 inch), and their conversion to the
// pixels Qt works in.
//
// Twips per pixel = 1440 / the primary screen's logical DPI (15 at 96 DPI,
// 12 at 120 DPI), read on every call so a change of screen is seen at once.
// Twips to pixels: twips / twips-per-pixel, rounded to the nearest pixel with
// halves to the even neighbour (1120 twips at 15 -> 74.67 -> 75 px;
// 22.5 px -> 22 px). Pixels to twips: pixels x twips-per-pixel, rounded to a
// whole twip the same way (75 px -> 1125 twips). A value written in twips and
// read back before anyone else moved the widget reads back exactly as written
// (see VbControl.h), so layout arithmetic on twips is not disturbed by the
// pixel grid.
#pragma once

namespace kalvex {

double twipsPerPixelX();
double twipsPerPixelY();

// Round to the nearest whole number, halves to the even neighbour; a value
// that is not finite gives 0. Pixels are bounded by Qt's largest widget size.
long long roundHalfEven(double v);

int twipsToPixelsX(double twips);
int twipsToPixelsY(double twips);
double pixelsToTwipsX(int pixels);
double pixelsToTwipsY(int pixels);

} // namespace kalvex
