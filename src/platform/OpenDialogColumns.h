// The detail view of a non-native Open dialog fits its columns to each folder
// it shows.
#pragma once

class QFileDialog;

namespace kalvex {

// Each time the dialog has read a folder, sets the Size, Type and Date
// columns to the width their texts in that folder need, narrower as well as
// wider than before (the dialog restores the widths of its last use, which
// were fitted to another folder); the Name column keeps what is left of the
// view, at least a third of it, also as the view is resized. The texts are
// measured over at most the header's precision of rows (1000 by default), so
// a huge folder costs no more than a large one.
void fitOpenDialogColumns(QFileDialog& dialog);

} // namespace kalvex
