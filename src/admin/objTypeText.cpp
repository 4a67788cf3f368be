#include "admin/objTypeText.h"

namespace kalvex {

QString morvObjs_objTypeToStr(int code)
{
    switch (code) {
    case 1: return QStringLiteral("ADMIN_DB");
    case 2: return QStringLiteral("PROCESS");
    case 3: return QStringLiteral("FILE_TYPE");
    case 4: return QStringLiteral("PRODUCT_CLASS");
    case 5: return QStringLiteral("PRODUCTION_SITE");
    case 6: return QStringLiteral("ERROR_FILTER");
    case 7: return QStringLiteral("DISTRIBUTOR");
    case 8: return QStringLiteral("GENERATOR");
    case 9: return QStringLiteral("JOB_VIACOUNT");
    case 10: return QStringLiteral("LOCAL_ADMIN_DB_STATUS");
    default: return QString();
    }
}

} // namespace kalvex
