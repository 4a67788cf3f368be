#include "generators/generatorAdminObj.h"

#include "interfaces/IKalvexGenerators.h"

namespace kalvex {

IKalvexAdministratorPtr morvObjs_generatorGetAdminObj(const IKalvexGeneratorPtr& generator)
{
    if (!generator)
        return nullptr;
    auto generators = std::dynamic_pointer_cast<IKalvexGenerators>(generator->parent());
    if (!generators)
        return nullptr;
    return std::dynamic_pointer_cast<IKalvexAdministrator>(generators->parent());
}

IKalvexAdministratorPtr morvObjs_parmsGetAdminObj(const IKalvexGenParmsPtr& parms)
{
    if (!parms)
        return nullptr;
    return morvObjs_generatorGetAdminObj(std::dynamic_pointer_cast<IKalvexGenerator>(parms->parent()));
}

} // namespace kalvex
