#include "foundation/prodSiteRank.h"

#include <climits>

namespace kalvex {

int prodSiteRank(const IKalvexProdSitePtr& site)
{
    if (!site)
        return INT_MAX;
    auto sites = std::dynamic_pointer_cast<IKalvexProdSites>(site->parent());
    if (!sites)
        return INT_MAX - 1;
    for (int i = 1; i <= sites->count(); ++i)
        if (sites->item(i, SORT_DISPLAY_ORDER) == site)
            return i;
    return INT_MAX - 1;
}

} // namespace kalvex
