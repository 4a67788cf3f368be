// A distributor's setting for one production site.
#pragma once
#include "interfaces/IKalvexProdSite.h"

namespace kalvex {

class IKalvexPsiteAssignment : public virtual IKalvexObject {
public:
    // Weak: no object once the site is gone.
    virtual IKalvexProdSitePtr productionSite() const = 0;
    virtual void setProductionSite(const IKalvexProdSitePtr& site) = 0;
    virtual bool inUse() const = 0;
    virtual void setInUse(bool on) = 0;
    virtual QString additionalParms() const = 0;
    virtual void setAdditionalParms(const QString& text) = 0;
    virtual void clone(const std::shared_ptr<IKalvexPsiteAssignment>& other) = 0;
    virtual void initialize() = 0;
};

// Keyed by the production site's id.
class IKalvexPsiteAssignments : public IKalvexItemsOf<IKalvexPsiteAssignment> {
public:
    virtual std::shared_ptr<IBrenloEnvirVars> envirVars() const = 0;
    virtual void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) = 0;
    // One assignment per site of sites (new ones not in use), none for a site
    // that is gone or not among them; each addition and removal counted.
    virtual void updateSites(const std::shared_ptr<IKalvexProdSites>& sites) = 0;
};

} // namespace kalvex
