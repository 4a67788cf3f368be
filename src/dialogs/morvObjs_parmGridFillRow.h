// Fills one row of a parameter grid (columns Name, Value, OrgName, OrgValue,
// parmType, NewParm) from a parameter.
#pragma once
#include "interfaces/IKalvexGenParm.h"

namespace kalvex {

class vaSpread;

// Grid columns of the parameter grid.
namespace ParmGridCol {
constexpr int Name = 1;
constexpr int Value = 2;
constexpr int OrgName = 3;
constexpr int OrgValue = 4;
constexpr int ParmType = 5;
constexpr int NewParm = 6;
constexpr int Count = 6;
} // namespace ParmGridCol

// 1 when filled, 0 without a parameter, -1 without a grid. The Name cell is
// grey for a system parameter or a locked grid, the Value cell only when
// locked; values are shown unexpanded.
int morvObjs_parmGridFillRow(vaSpread* grid, int row, const IKalvexGenParmPtr& parm, bool newFlag,
                             bool locked);

} // namespace kalvex
