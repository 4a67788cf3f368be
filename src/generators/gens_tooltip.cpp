#include "generators/gens_tooltip.h"

namespace kalvex {

QString morvGens_toolTip_compose(const QString& label, const QString& switchName, const QString& placeholder)
{
    return label + QStringLiteral(" ( /") + switchName + QLatin1Char('=') + placeholder + QStringLiteral(" )");
}

} // namespace kalvex
