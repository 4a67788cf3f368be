// Base of model objects keyed in the collection holding them: a key another
// item there already has is refused, and a key change renews the
// collection's key index.
#pragma once
#include "foundation/IKalvexIdOwner.h"
#include "foundation/KalvexModelObject.h"
#include "foundation/objectCast.h"

namespace kalvex {

class KalvexKeyedItemImpl : public KalvexModelObject {
protected:
    // Whether another item of the owning collection has this key.
    bool keyTaken(const QString& key) const
    {
        const auto owner = parent();
        auto* ids = objectCast<IKalvexIdOwner>(owner.get());
        return ids && ids->idTaken(key, static_cast<const IKalvexObject*>(this));
    }
    // Tells the owning collection that this item's key changed.
    void keyMoved()
    {
        const auto owner = parent();
        if (auto* ids = objectCast<IKalvexIdOwner>(owner.get()))
            ids->keyChanged();
    }
    // The common setId(): trimmed, never empty, unique within the owner.
    bool updId(QString& field, const QString& id)
    {
        const QString v = id.trimmed();
        if (v.isEmpty())
            return false;
        if (v == field)
            return true;
        if (keyTaken(v))
            return false;
        upd(field, v, QStringLiteral("id"));
        keyMoved();
        return true;
    }
};

} // namespace kalvex
