// Shared implementation of the model-object contract: the change count, the
// weak parent, event raising and the property-update routines.
//
// Change count (`modified`): a count kept between 0 and 32767 with a
// tracking-suspended flag. -5000 suspends and -6000 resumes tracking, neither
// touching the count nor the parent; other values are ignored while suspended;
// 0 resets the count and, when it was not 0, passes minus the old count to the
// parent; any other n adds n and passes n to the parent.
#pragma once
#include "interfaces/IKalvexObject.h"

namespace kalvex {

class KalvexObjectBase : public virtual IKalvexObject {
public:
    int modified() const override { return m_modified; }
    void setModified(int n) override;
    bool trackingSuspended() const { return m_suspended; }

    std::shared_ptr<IKalvexObject> parent() const override { return m_parent.lock(); }
    void setParent(const std::shared_ptr<IKalvexObject>& parent) override { m_parent = parent; }
    // Cheaper than parent() where only the presence counts.
    bool hasParent() const { return !m_parent.expired(); }

    void setEventRaiser(const std::shared_ptr<IBrenloEventRaiser>& raiser) override { m_raiser = raiser; }
    void setInternalEventRaiser(const std::shared_ptr<IBrenloEventRaiser>& raiser) override { m_intRaiser = raiser; }
    std::shared_ptr<IBrenloEventRaiser> eventRaiser() const { return m_raiser; }
    std::shared_ptr<IBrenloEventRaiser> internalEventRaiser() const { return m_intRaiser.lock(); }

    QObject* messagesObj() const override { return m_messages.data(); }
    void setMessagesObj(QObject* sink) override { m_messages = sink; }

    // Handles SET_EV_RAISER and SET_INT_EV_RAISER; -1 for anything else.
    int setInternalValue(const QString& key, const QVariant& value) override;

    // Whether an event would reach anyone: objects being read have no raiser.
    bool raisesEvents() const { return m_raiser || !m_intRaiser.expired(); }
    // Raises an event on the public and the internal raiser.
    void raiseEvent(const QString& eventType, const QString& property = QString(),
                    const QVariant& oldValue = QVariant(), const QVariant& newValue = QVariant());

    // Posts a progress text to the message object, when it takes messages.
    void postMessage(const QString& text, int line = 1) const;

protected:
    // Store only a different value, count one change, raise EV_CHANGE.
    // Returns whether the value changed.
    bool propUpdString(QString& field, const QString& value, const QString& property);
    bool propUpdInt(int& field, int value, const QString& property);
    bool propUpdDouble(double& field, double value, const QString& property);
    bool propUpdBool(bool& field, bool value, const QString& property);

private:
    int m_modified = 0;
    bool m_suspended = false;
    std::weak_ptr<IKalvexObject> m_parent;
    std::shared_ptr<IBrenloEventRaiser> m_raiser;
    std::weak_ptr<IBrenloEventRaiser> m_intRaiser;
    QPointer<QObject> m_messages;
};

// A raiser read out of a setInternalValue argument (shared or weak pointer).
std::shared_ptr<IBrenloEventRaiser> raiserFromVariant(const QVariant& value);

} // namespace kalvex
