#include "generators/processTypeText.h"

namespace kalvex {

QString morvObjs_treeNodeTypeStr(int processType)
{
    switch (processType) {
    case 2: return QStringLiteral("PARENT");
    case 3: return QStringLiteral("CHILD");
    case 10: return QStringLiteral("HDR_PROD_SITE");
    case 11: return QStringLiteral("EOL_MARKER");
    case 12: return QStringLiteral("HDR_VAR_INIT");
    case 13: return QStringLiteral("HDR_MASTER_INIT");
    case 14: return QStringLiteral("EMPTY_PARENT");
    default: return QStringLiteral("SINGLE");
    }
}

} // namespace kalvex
