// The pictures of the dialogs' small square buttons, from the style's
// standard icons so that every dialog shows the same ones.
#pragma once
#include <QIcon>

namespace kalvex {

QIcon vbIcon_browse();   // browse buttons (file or directory)
QIcon vbIcon_new();      // add a row
QIcon vbIcon_delete();   // delete a row

} // namespace kalvex
