#include "generators/KalvexGenAssignment.h"

namespace kalvex {

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
    resetSiteValues();
    bumpModelGeneration();
    setModified(0);
}

std::shared_ptr<KalvexGenAssignment> KalvexGenAssignment::create(const IKalvexProdSitePtr& site,
                                                                 const std::shared_ptr<IKalvexGenerator>& generator,
                                                                 bool inUse, const QString& additionalGenParms)
{
    auto a = std::make_shared<KalvexGenAssignment>();
    a->initSiteValues(site, inUse, additionalGenParms);
    a->m_generator = generator;
    return a;
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
