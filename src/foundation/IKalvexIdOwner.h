// Internal link between an entry and the collection holding it, so that an
// id change keeps ids unique and the collection's key index current.
#pragma once
#include <QString>

namespace kalvex {

class IKalvexObject;

class IKalvexIdOwner {
public:
    virtual ~IKalvexIdOwner() = default;
    virtual bool idTaken(const QString& id, const IKalvexObject* except) const = 0;
    virtual void keyChanged() = 0;
};

} // namespace kalvex
