// Base of model objects that own parts (collections, keys, parameter sets).
// Parts reach the owner's event raisers through their parent; the message
// object set on the owner is handed to every part. Parts are made on first
// use (partOnUse), so that an owner read by the thousands pays only for the
// parts it has.
#pragma once
#include <vector>

#include "foundation/KalvexObjectBase.h"

namespace kalvex {

template <typename Base>
class KalvexOwnerImpl : public Base {
public:
    void setMessagesObj(QObject* sink) override
    {
        KalvexObjectBase::setMessagesObj(sink);
        for (const auto& part : ownedParts())
            if (part)
                part->setMessagesObj(sink);
    }

protected:
    // The parts made so far, in the order they hear of a change; null for a
    // part not made yet.
    virtual std::vector<std::shared_ptr<IKalvexObject>> ownedParts() const = 0;
};

} // namespace kalvex
