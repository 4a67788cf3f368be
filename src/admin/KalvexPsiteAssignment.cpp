#include "admin/KalvexPsiteAssignment.h"

#include "admin/siteAssignments.h"

namespace kalvex {

void KalvexPsiteAssignment::setProductionSite(const IKalvexProdSitePtr& site)
{
    // The site is this assignment's key in its collection.
    if (auto* owner = dynamic_cast<IKalvexIdOwner*>(parent().get())) {
        if (site && owner->idTaken(site->id(), static_cast<const IKalvexObject*>(this)))
            return;
        updRef(m_site, site, QStringLiteral("productionSite"));
        owner->keyChanged();
        return;
    }
    updRef(m_site, site, QStringLiteral("productionSite"));
}

void KalvexPsiteAssignment::clone(const std::shared_ptr<IKalvexPsiteAssignment>& other)
{
    if (!other || other.get() == this)
        return;
    setProductionSite(other->productionSite());
    setInUse(other->inUse());
    setAdditionalParms(other->additionalParms());
}

void KalvexPsiteAssignment::initialize()
{
    m_inUse = false;
    m_parms.clear();
    bumpModelGeneration();
    setModified(0);
}

QString KalvexPsiteAssignments::keyOf(const ItemPtr& it) const
{
    auto site = it->productionSite();
    return site ? site->id() : QString();
}

bool KalvexPsiteAssignments::sortLess(int, const ItemPtr& a, const ItemPtr& b) const
{
    return siteOrderLess(a, b);
}

void KalvexPsiteAssignments::updateSites(const std::shared_ptr<IKalvexProdSites>& sites)
{
    updateSiteAssignments(*this, sites, [] { return classCreate_KalvexPsiteAssignment(); });
}

std::shared_ptr<IKalvexPsiteAssignment> classCreate_KalvexPsiteAssignment()
{
    return std::make_shared<KalvexPsiteAssignment>();
}
std::shared_ptr<IKalvexPsiteAssignments> classCreate_KalvexPsiteAssignments()
{
    return std::make_shared<KalvexPsiteAssignments>();
}

} // namespace kalvex
