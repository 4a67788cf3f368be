// One parameter of a generator or distributor: a name, a text value and a type
// (1 system parameter, 0 user parameter).
#pragma once
#include "interfaces/IKalvexObject.h"

namespace kalvex {

constexpr int PARM_TYPE_USER = 0;
constexpr int PARM_TYPE_SYSTEM = 1;

class IKalvexGenParm : public virtual IKalvexObject {
public:
    virtual QString name() const = 0;
    // Trims the text; a different name counts one change and raises EV_CHANGE.
    virtual void setName(const QString& name) = 0;

    // The stored text, variable references expanded only when asked.
    virtual QString value(bool expanded) const = 0;
    // Stores the text, known variable values replaced by references only when
    // collapse is set; a different value counts one change.
    virtual void setValue(bool collapse, const QString& value) = 0;

    virtual int parmType() const = 0;
    virtual void setParmType(int type) = 0;

    // The variable set used by value(true) and setValue(true, …): the one of
    // the parameter set that holds the parameter, no object when none.
    virtual std::shared_ptr<IBrenloEnvirVars> envirVars() const = 0;

    // Copies name, value and type of another parameter into this one (each a
    // counted change when different).
    virtual void clone(const std::shared_ptr<IKalvexGenParm>& other) = 0;
    // Back to a fresh parameter: empty name and value, type 0, count 0.
    virtual void initialize() = 0;
};

using IKalvexGenParmPtr = std::shared_ptr<IKalvexGenParm>;

} // namespace kalvex
