// The object tree view over the example database, as the console's tree
// list shows it.
#pragma once
#include <QWidget>

namespace kalvex::render {

// A tree list filled with the example database, a few nodes opened.
QWidget* demoAdminDbTree();

} // namespace kalvex::render
