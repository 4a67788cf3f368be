// Base of model objects that own parts (collections, keys, parameter sets):
// the raisers and the message object set on the owner reach every part.
#pragma once
#include <vector>

#include "foundation/KalvexObjectBase.h"

namespace kalvex {

template <typename Base>
class KalvexOwnerImpl : public Base {
public:
    void setEventRaiser(const std::shared_ptr<IBrenloEventRaiser>& raiser) override
    {
        KalvexObjectBase::setEventRaiser(raiser);
        for (const auto& part : ownedParts())
            part->setEventRaiser(raiser);
    }
    void setInternalEventRaiser(const std::shared_ptr<IBrenloEventRaiser>& raiser) override
    {
        KalvexObjectBase::setInternalEventRaiser(raiser);
        for (const auto& part : ownedParts())
            part->setInternalEventRaiser(raiser);
    }
    void setMessagesObj(QObject* sink) override
    {
        KalvexObjectBase::setMessagesObj(sink);
        for (const auto& part : ownedParts())
            part->setMessagesObj(sink);
    }

protected:
    // The parts, in the order they hear of a change; none of them null.
    virtual std::vector<std::shared_ptr<IKalvexObject>> ownedParts() const = 0;
};

} // namespace kalvex
