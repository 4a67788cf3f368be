// The administration database a generator belongs to.
#pragma once
#include "interfaces/IKalvexAdministrator.h"
#include "interfaces/IKalvexGenParms.h"
#include "interfaces/IKalvexGenerator.h"

namespace kalvex {

// The generator's parent taken as the generator collection, then that
// collection's parent; no object when any of them is unset or of another kind.
IKalvexAdministratorPtr morvObjs_generatorGetAdminObj(const IKalvexGeneratorPtr& generator);
// The same for the generator that owns a parameter set (what the dialogs'
// file pickers browse); no object for a set without a generator owner.
IKalvexAdministratorPtr morvObjs_parmsGetAdminObj(const IKalvexGenParmsPtr& parms);

} // namespace kalvex
