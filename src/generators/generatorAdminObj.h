// The administration database a generator belongs to.
#pragma once
#include "interfaces/IKalvexAdministrator.h"
#include "interfaces/IKalvexGenParms.h"
#include "interfaces/IKalvexGenerator.h"

namespace kalvex {

// The generator's parent taken as the generator collection, then that
// collection's parent; no object when any of them is unset or of another kind.
IKalvexAdministratorPtr morvObjs_generatorGetAdminObj(const IKalvexGeneratorPtr& generator);
// The same for the generator owning a parameter set (its parent).
IKalvexAdministratorPtr morvObjs_parmsGetAdminObj(const IKalvexGenParmsPtr& parms);

} // namespace kalvex
