// Keeps a per-site assignment collection in step with the production sites.
#pragma once
#include <climits>

#include "foundation/prodSiteRank.h"
#include "interfaces/IKalvexProdSite.h"

namespace kalvex {

// Removes the assignments whose site is gone or no longer among sites, then
// adds one made by make() for every site that has none, in display order.
template <typename Coll, typename Make>
void updateSiteAssignments(Coll& coll, const std::shared_ptr<IKalvexProdSites>& sites, Make make)
{
    for (int i = coll.count(); i >= 1; --i) {
        auto a = coll.item(i, SORT_COLLECTION);
        auto site = a ? a->productionSite() : nullptr;
        if (!site || !sites || sites->item(site->id()) != site)
            coll.remove(i);
    }
    if (!sites)
        return;
    for (int i = 1; i <= sites->count(); ++i) {
        auto site = sites->item(i, SORT_DISPLAY_ORDER);
        if (!site || coll.exists(site->id()))
            continue;
        auto a = make();
        a->setProductionSite(site);
        coll.add(a);
    }
}

// Empties mine, then adds a copy of each of theirs (made by make() and
// cloned), in collection order; each removal and addition counts.
template <typename Mine, typename Theirs, typename Make>
void copySiteAssignments(Mine& mine, const Theirs& theirs, Make make)
{
    while (mine.count() > 0)
        mine.remove(mine.count());
    for (int i = 1; i <= theirs.count(); ++i) {
        auto copy = make();
        copy->clone(theirs.item(i, SORT_COLLECTION));
        mine.add(copy);
    }
}

// Orders assignments by their site's place in production-site order.
template <typename ItemPtr>
bool siteOrderLess(const ItemPtr& a, const ItemPtr& b)
{
    return prodSiteRank(a->productionSite()) < prodSiteRank(b->productionSite());
}

} // namespace kalvex
