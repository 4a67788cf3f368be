// Keywords of the process (tree node) types.
#pragma once
#include <QString>

namespace kalvex {

// 1 "SINGLE", 2 "PARENT", 3 "CHILD", 10 "HDR_PROD_SITE", 11 "EOL_MARKER",
// 12 "HDR_VAR_INIT", 13 "HDR_MASTER_INIT", 14 "EMPTY_PARENT"; anything else "SINGLE".
QString morvObjs_treeNodeTypeStr(int processType);

} // namespace kalvex
