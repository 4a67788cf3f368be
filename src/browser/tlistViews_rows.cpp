#include "browser/tlistViews_rows.h"

#include "interfaces/IKalvexADMDbStatus.h"
#include "platform/TList.h"

namespace kalvex {

void tlist_prepareGrid(TList*) {}
void tlist_addNameVal(const QString&, const QVariant&, TList*, int) {}
void tlist_adjustItemGrid(TList*, int) {}
void tlist_addItemGrid(TList*, int) {}
QString getReservedStr(int) { return QString(); }
quint32 getReservedColor(int) { return 0; }
QString getCollCounts(const IKalvexObjectPtr&, const QString&, int& count, int& mods, bool)
{
    count = mods = 0;
    return QString();
}
QString getNameIdString(const IKalvexObjectPtr&) { return QString(); }
void tlist_showAdminDbStatusDate(int, const std::shared_ptr<IKalvexADMDbStatus>&, TList*, int) {}

} // namespace kalvex
