// A list of objects of one kind, used as a filter by the enumerators. It
// holds its objects weakly: an object that is gone drops out of the list.
#pragma once
#include "interfaces/IKalvexObject.h"

namespace kalvex {

class IKalvexEnumObjectList {
public:
    virtual ~IKalvexEnumObjectList() = default;
    // False (nothing added) for no object, an object of another kind, or one
    // already listed.
    virtual bool add(const IKalvexObjectPtr& object) = 0;
    virtual bool contains(const IKalvexObject* object) const = 0;
    virtual int count() const = 0;
    // 1-based; no object out of range.
    virtual IKalvexObjectPtr item(int position) const = 0;
    virtual int remove(const IKalvexObjectPtr& object) = 0;
    virtual void clear() = 0;
};

} // namespace kalvex
