// A process's generator for one production site.
#pragma once
#include "interfaces/IKalvexProdSite.h"

namespace kalvex {

class IKalvexGenerator;

class IKalvexGenAssignment : public virtual IKalvexObject {
public:
    // Both weak: no object once the site or generator is gone.
    virtual IKalvexProdSitePtr productionSite() const = 0;
    virtual void setProductionSite(const IKalvexProdSitePtr& site) = 0;
    virtual std::shared_ptr<IKalvexGenerator> generator() const = 0;
    virtual void setGenerator(const std::shared_ptr<IKalvexGenerator>& generator) = 0;
    virtual bool inUse() const = 0;
    virtual void setInUse(bool on) = 0;
    // Parameters added to the generator's for this site.
    virtual QString additionalGenParms() const = 0;
    virtual void setAdditionalGenParms(const QString& text) = 0;
    virtual void clone(const std::shared_ptr<IKalvexGenAssignment>& other) = 0;
    virtual void initialize() = 0;
};

// Keyed by the production site's id.
class IKalvexGenAssignments : public IKalvexItemsOf<IKalvexGenAssignment> {
public:
    virtual std::shared_ptr<IBrenloEnvirVars> envirVars() const = 0;
    virtual void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) = 0;
    // One assignment per site of sites (new ones not in use, no generator),
    // none for a site that is gone or not among them.
    virtual void updateSites(const std::shared_ptr<IKalvexProdSites>& sites) = 0;
};

} // namespace kalvex
