// The name or id of any object of the model, for texts and lists that show
// objects of mixed kinds.
#pragma once
#include "interfaces/IKalvexObject.h"

namespace kalvex {

// The object's name (an entry with an identity, or a parameter); the default
// when no object is given or it has no name.
QString morvObjs_getName(const std::shared_ptr<IKalvexObject>& object, const QString& defaultText);
// The object's id; the default when no object is given or it has no id.
QString morvObjs_getId(const std::shared_ptr<IKalvexObject>& object, const QString& defaultText);

} // namespace kalvex
