#include "admin/KalvexPsiteAssignment.h"

namespace kalvex {

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
    resetSiteValues();
    bumpModelGeneration();
    setModified(0);
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
