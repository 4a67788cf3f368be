// Tool tips of the dialogs' parameter controls.
#pragma once
#include <QString>

namespace kalvex {

// "label ( /switch=placeholder )": the text shown and the configuration line it sets.
QString morvGens_toolTip_compose(const QString& label, const QString& switchName, const QString& placeholder);

} // namespace kalvex
