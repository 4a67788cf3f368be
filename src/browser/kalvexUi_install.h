// The top-level install of the window library: the dialogs, and what the
// browser layer offers to the dialogs through hooks.
#pragma once

namespace kalvex {

// Safe to call more than once.
void kalvexUi_install();

} // namespace kalvex
