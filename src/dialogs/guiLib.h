// The dialogs' geometry: the screen values and button procedures of the
// platform layer, plus the panel layout the parameter dialogs share: fit a
// text box to the browse button at its right, fill a panel, place a row, stack option buttons.
#pragma once
#include "platform/guiGeometry.h"

namespace kalvex {

class VbOptionArray;

// Centres the button on the text box and ends the text box a quarter gap
// left of the button. A button left of the box would need a negative width:
// the width then stays as it was.
void gui_formResizePanel(QObject* textBox, QObject* button);

// Shared parameter-panel layout: the frame fills the panel; the answer is
// the right edge for the rows (panel width - gap, rounded).
double gui_fillPanel(QObject* panel, QObject* frame);
// A text box with its browse button ending at the right edge.
void gui_placeBrowseRow(QObject* textBox, QObject* button, double rightEdge);
// A text box (or any control) without a button, stretched to the right edge.
void gui_stretchToRight(QObject* control, double rightEdge);
// Option buttons stacked down a column, `step` apart.
void gui_stackOptions(const VbOptionArray& buttons, double left, double top, double width, double height,
                      double step);

} // namespace kalvex
