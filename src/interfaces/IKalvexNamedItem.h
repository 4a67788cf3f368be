// An administration entry that has an identity: generators, processes,
// production sites, product classes, file types and distributors. Procedures
// that only need an object's name or id (morvObjs_getName, the dialogs'
// read-only test on the owner's reservedItem) take it through this interface.
#pragma once
#include "interfaces/IKalvexObject.h"

namespace kalvex {

class IKalvexNamedItem : public virtual IKalvexObject {
public:
    virtual QString id() const = 0;
    virtual QString name() const = 0;
    virtual QString description() const = 0;
    // Reservation code (ReservedCode); 3 and 4 make the entry read-only.
    virtual int reservedItem() const = 0;
    // Entries without a counter (distributors) answer 0.
    virtual int intCounter() const = 0;
};

using IKalvexNamedItemPtr = std::shared_ptr<IKalvexNamedItem>;

} // namespace kalvex
