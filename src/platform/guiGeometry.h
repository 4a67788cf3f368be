// The numbers every window is laid out with (twips), computed from the
// screen, and the layout procedures on them: size a command button, line up
// a dialog's standard buttons, centre one control vertically on another.
#pragma once
#include <QString>

class QObject;

namespace kalvex {

class VbForm;

struct GuiMetrics {
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    int gap = 90;             // 6 px, rounded to a whole twip
    int margin = 130;
    int quarterGap = 22;      // gap / 4, rounded (halves to even)
    int buttonWidth = 1120;
    int buttonHeight = 340;
    int squareWidth = 315;
    int squareHeight = 315;
    int narrowWidth = 375;    // 25 px, rounded
    int narrowHeight = 340;
    bool initialised = false;
};

// The values for a given number of twips per pixel.
GuiMetrics gui_computeMetrics(double twipsPerPixelX, double twipsPerPixelY);

// Computes the module values from the screen once; later calls return at once.
void gui_getScreenMetrics();
// The module values (computed on first use).
const GuiMetrics& guiLib();

// Narrow wins over square; otherwise the normal button size.
void gui_setButtonSize(QObject* control, bool narrow, bool square);

// Anchor "RB" (right-bottom) places cmdHelp, cmdApply, cmdCancel and cmdOk
// of the form from right to left, in that order, each a gap from its
// neighbour, all at `top`; the rightmost button other than Help keeps a gap
// from `right`, Help does not. Any other anchor changes nothing. A button
// announced but missing: Help or Cancel stop the placing; OK and Apply are
// skipped.
void gui_placeDialogButtons(VbForm* form, const QString& anchor, double right, double top, bool hasApply,
                            bool hasHelp, bool hasCancel, bool hasOK);

// Inside: centre on the reference's own height (the reference contains the
// moved control); otherwise on the reference's top plus half its height
// (siblings in one container). The centre is rounded to a whole twip.
void gui_centerVertically(QObject* reference, QObject* control, bool inside);

} // namespace kalvex
