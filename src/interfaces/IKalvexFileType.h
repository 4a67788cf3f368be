// A file type: the kind of data file a process produces.
#pragma once
#include "interfaces/IKalvexAdmEntry.h"
#include "interfaces/IKalvexItemsOf.h"

namespace kalvex {

class IKalvexFileType : public IKalvexAdmEntry {
public:
    virtual void clone(const std::shared_ptr<IKalvexFileType>& other) = 0;
};

class IKalvexFileTypes : public IKalvexNamedItemsOf<IKalvexFileType> {};

} // namespace kalvex
