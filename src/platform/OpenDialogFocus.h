// The places list of a non-native Open dialog shows the focus it gets by Tab.
#pragma once

class QFileDialog;

namespace kalvex {

// The places list takes no current entry as the focus comes in (a current
// entry there opens its folder), so it would show no focus at all: while it
// has the focus and no current entry it draws the empty view's focus mark.
void markOpenDialogPlacesFocus(QFileDialog& dialog);

} // namespace kalvex
