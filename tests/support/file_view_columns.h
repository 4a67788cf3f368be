// Reads the detail view of an open non-native Open dialog the way a user
// would: which Name, Size, Type and Date cells does their column cut?
#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace kalvex::test {

// Sample files whose Size, Type and Date texts are long: a file of some
// twenty KiB, an empty one, one with a long extension. Answers their names.
QStringList writeWideSampleFiles(const QString& folder);

// Switches the Open dialog inside window to its detail view, waits until
// the folder shows at least rows entries, and answers each Name, Size, Type
// or Date cell its column cuts ("name: column text"); "no view" or "not
// loaded" when it cannot look.
QStringList cutDetailCells(QWidget* window, int rows);

} // namespace kalvex::test
