#include "foundation/morvObjs_names.h"

#include "interfaces/IKalvexGenParm.h"
#include "interfaces/IKalvexNamedItem.h"

namespace kalvex {

QString morvObjs_getName(const std::shared_ptr<IKalvexObject>& object, const QString& defaultText)
{
    if (auto named = std::dynamic_pointer_cast<IKalvexNamedItem>(object))
        return named->name();
    if (auto parm = std::dynamic_pointer_cast<IKalvexGenParm>(object))
        return parm->name();
    return defaultText;
}

QString morvObjs_getId(const std::shared_ptr<IKalvexObject>& object, const QString& defaultText)
{
    if (auto named = std::dynamic_pointer_cast<IKalvexNamedItem>(object))
        return named->id();
    return defaultText;
}

} // namespace kalvex
