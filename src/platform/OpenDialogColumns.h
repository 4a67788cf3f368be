// The detail view of a non-native Open dialog gives its Size, Type and Date
// columns the width their texts need.
#pragma once

class QFileDialog;

namespace kalvex {

// Widens the Size, Type and Date columns to their contents each time the
// dialog has read a folder (never narrower than the user made them); after
// the first folder the name column gives up the width they took, down to
// what its names need.
void fitOpenDialogColumns(QFileDialog& dialog);

} // namespace kalvex
