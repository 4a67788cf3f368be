// Base of model objects that own parts (collections, keys, parameter sets).
// Parts reach the owner's event raisers through their parent; the message
// object set on the owner is handed to every part. Parts may be made on first
// use, so that an owner read by the thousands pays only for the parts it has.
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

    // The part in `slot`, made by make() on first use: owned by this object
    // (when it is held by a shared_ptr) and given its message object.
    template <class Part, class Make>
    const std::shared_ptr<Part>& partOnUse(std::shared_ptr<Part>& slot, Make make) const
    {
        if (!slot) {
            slot = make();
            slot->setParent(std::const_pointer_cast<IKalvexObject>(this->weak_from_this().lock()));
            if (QObject* sink = this->messagesObj())
                slot->setMessagesObj(sink);
        }
        return slot;
    }
};

} // namespace kalvex
