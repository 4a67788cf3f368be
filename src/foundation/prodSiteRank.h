// A production site's place in production-site order, shared by everything
// that sorts by site (site assignments, tasks).
#pragma once
#include "interfaces/IKalvexProdSite.h"

namespace kalvex {

// A site's place in production-site order: its position in the display order
// of the collection holding it; sites outside a collection come last. Ranks
// are looked up in a table built once per model generation.
int prodSiteRank(const IKalvexProdSitePtr& site);

} // namespace kalvex
