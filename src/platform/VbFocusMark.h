// The focus mark of a list or grid that has no current entry to show the
// focus on (an empty list): a dotted frame round its first line.
#pragma once

class QAbstractItemView;

namespace kalvex {

// Called at the end of the view's viewport painting; draws only while the
// view has the focus and no current entry.
void vbl_paintEmptyViewFocus(QAbstractItemView* view);

} // namespace kalvex
