// The production sites of the administration database.
#pragma once
#include "foundation/KalvexNamedItemsImpl.h"
#include "foundation/prodSiteRank.h"
#include "interfaces/IKalvexProdSite.h"

namespace kalvex {

class KalvexProdSites : public KalvexNamedItemsImpl<IKalvexProdSite, IKalvexProdSites> {
public:
    QString className() const override { return QStringLiteral("KalvexProdSites"); }
    QString objectKind() const override { return QStringLiteral("PRODUCTION_SITES"); }

protected:
    QString idPrefix() const override { return QStringLiteral("site_"); }
    bool sortSupported(int sortOrder) const override { return sortOrder == SORT_DISPLAY_ORDER; }
    bool sortLess(int, const ItemPtr& a, const ItemPtr& b) const override
    {
        return a->displayOrder() < b->displayOrder();
    }
};

std::shared_ptr<IKalvexProdSites> classCreate_KalvexProdSites();

} // namespace kalvex
