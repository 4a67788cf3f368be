#include "generators/KalvexGenAssignment.h"

#include "admin/siteAssignments.h"

namespace kalvex {

void KalvexGenAssignment::setProductionSite(const IKalvexProdSitePtr& site)
{
    // The site is this assignment's key in its collection.
    auto* owner = dynamic_cast<IKalvexIdOwner*>(parent().get());
    if (owner && site && owner->idTaken(site->id(), static_cast<const IKalvexObject*>(this)))
        return;
    updRef(m_site, site, QStringLiteral("productionSite"));
    if (owner)
        owner->keyChanged();
}

void KalvexGenAssignment::clone(const std::shared_ptr<IKalvexGenAssignment>& other)
{
    if (!other || other.get() == this)
        return;
    setProductionSite(other->productionSite());
    setGenerator(other->generator());
    setInUse(other->inUse());
    setAdditionalGenParms(other->additionalGenParms());
}

void KalvexGenAssignment::initialize()
{
    m_generator.reset();
    m_inUse = false;
    m_parms.clear();
    bumpModelGeneration();
    setModified(0);
}

QString KalvexGenAssignments::keyOf(const ItemPtr& it) const
{
    auto site = it->productionSite();
    return site ? site->id() : QString();
}

bool KalvexGenAssignments::sortLess(int, const ItemPtr& a, const ItemPtr& b) const
{
    return siteOrderLess(a, b);
}

void KalvexGenAssignments::updateSites(const std::shared_ptr<IKalvexProdSites>& sites)
{
    updateSiteAssignments(*this, sites, [] { return classCreate_KalvexGenAssignment(); });
}

std::shared_ptr<IKalvexGenAssignment> classCreate_KalvexGenAssignment()
{
    return std::make_shared<KalvexGenAssignment>();
}
std::shared_ptr<IKalvexGenAssignments> classCreate_KalvexGenAssignments()
{
    return std::make_shared<KalvexGenAssignments>();
}

} // namespace kalvex
