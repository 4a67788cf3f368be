#include "foundation/prodSiteRank.h"

#include <QHash>
#include <climits>

#include "foundation/modelGeneration.h"

namespace kalvex {

namespace {

// Ranks of the sites of one collection, built at one model generation: a
// sort compares many pairs, each rank a lookup instead of a scan.
struct RankTable {
    std::weak_ptr<IKalvexProdSites> sites;
    std::uint64_t builtAt = 0;
    QHash<const IKalvexProdSite*, int> rank;
};

const RankTable& ranksOf(const std::shared_ptr<IKalvexProdSites>& sites)
{
    // The model lives on the host's one thread.
    static RankTable table;
    if (table.builtAt != modelGeneration() || table.sites.owner_before(sites) || sites.owner_before(table.sites)
        || table.sites.expired()) {
        table.sites = sites;
        table.rank.clear();
        const int n = sites->count();
        table.rank.reserve(n);
        for (int i = 1; i <= n; ++i)
            if (const auto site = sites->item(i, SORT_DISPLAY_ORDER); site)
                if (!table.rank.contains(site.get()))
                    table.rank.insert(site.get(), i);
        table.builtAt = modelGeneration();
    }
    return table;
}

} // namespace

int prodSiteRank(const IKalvexProdSitePtr& site)
{
    if (!site)
        return INT_MAX;
    auto sites = std::dynamic_pointer_cast<IKalvexProdSites>(site->parent());
    if (!sites)
        return INT_MAX - 1;
    return ranksOf(sites).rank.value(site.get(), INT_MAX - 1);
}

} // namespace kalvex
