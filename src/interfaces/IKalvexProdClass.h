// A product class: what kind of product a process produces.
#pragma once
#include "interfaces/IKalvexAdmEntry.h"
#include "interfaces/IKalvexItemsOf.h"

namespace kalvex {

class IKalvexProdClass : public IKalvexAdmEntry {
public:
    virtual void clone(const std::shared_ptr<IKalvexProdClass>& other) = 0;
};

class IKalvexProdClasses : public IKalvexNamedItemsOf<IKalvexProdClass> {};

} // namespace kalvex
