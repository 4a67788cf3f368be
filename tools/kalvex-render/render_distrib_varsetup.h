// The distributor and variant set-up dialogs as their editors show them.
#pragma once
#include <QWidget>

namespace kalvex::render {

// The example database's internal distributor.
QWidget* distribParms();
// An editable variant set-up generator creating a PCB report-writer database.
QWidget* varsetupParms();

} // namespace kalvex::render
