// A distributor: the program that hands a production site its data.
#pragma once
#include "interfaces/IKalvexAdmEntry.h"
#include "interfaces/IKalvexGenParms.h"
#include "interfaces/IKalvexPsiteAssignment.h"

namespace kalvex {

class IKalvexDistributor : public IKalvexAdmEntry {
public:
    virtual bool translateFileNames() const = 0;
    virtual void setTranslateFileNames(bool on) = 0;
    virtual bool completeSet() const = 0;
    virtual void setCompleteSet(bool on) = 0;
    virtual QString groupId() const = 0;
    virtual void setGroupId(const QString& id) = 0;
    // The program, variable references expanded only when asked.
    virtual QString distribExe(bool expanded) const = 0;
    // A different program chooses the parameter dialog anew.
    virtual void setDistribExe(const QString& program) = 0;
    virtual std::shared_ptr<IKalvexPsiteAssignments> psiteAssignments() const = 0;
    // The distributor's own parameter set, the same object on every call.
    virtual IKalvexGenParmsPtr parameters() const = 0;
    virtual std::shared_ptr<IBrenloEnvirVars> envirVars() const = 0;
    // Copies every value but the id, the parameters and the site settings
    // included, and chooses the parameter dialog.
    virtual void clone(const std::shared_ptr<IKalvexDistributor>& other) = 0;
};

class IKalvexDistributors : public IKalvexNamedItemsOf<IKalvexDistributor> {};

} // namespace kalvex
