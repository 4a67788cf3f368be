// The parameter set of a generator or a distributor.
#pragma once
#include "interfaces/IKalvexGenParm.h"
#include "interfaces/renameResult.h"

namespace kalvex {

class IKalvexGenParmsEditor;

class IKalvexGenParms : public virtual IKalvexObject {
public:
    virtual int count() const = 0;
    // 1-based position; no object out of range.
    virtual IKalvexGenParmPtr item(int position) const = 0;
    // Exact name, letter case included; no object when not found.
    virtual IKalvexGenParmPtr item(const QString& name) const = 0;
    virtual IKalvexGenParmPtr itemByName(const QString& name) const = 0;
    virtual bool exists(const QString& name) const = 0;

    // An existing parameter of that name gets the value (not collapsed) and the
    // type; otherwise a new one joins the set. No object when adding failed.
    virtual IKalvexGenParmPtr add(const QString& name, const QString& value, int parmType) = 0;
    // Number of parameters removed (the first one of that exact name).
    virtual int remove(const QString& name) = 0;
    virtual int remove(int position) = 0;

    // A RENAME_* code.
    virtual int rename(const QString& oldName, const QString& newName) = 0;

    // base, or base's stem with " (n)" counting up until the name is free.
    virtual QString getUniqueName(const QString& base) const = 0;

    virtual std::shared_ptr<IBrenloEnvirVars> envirVars() const = 0;
    virtual void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) = 0;

    // Empties the set (tracking suspended) and resets its count.
    virtual void initialize() = 0;

    // The editor object that binds this set to its dialog, created on first use.
    virtual std::shared_ptr<IKalvexGenParmsEditor> editor() = 0;
};

using IKalvexGenParmsPtr = std::shared_ptr<IKalvexGenParms>;

} // namespace kalvex
