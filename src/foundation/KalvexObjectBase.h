// Shared implementation of the model-object contract: the change count, the
// weak parent, event raising and the property-update routines.
//
// Change count (`modified`): a count kept between 0 and 32767 with a
// tracking-suspended flag. -5000 suspends and -6000 resumes tracking, neither
// touching the count nor the parent; other values are ignored while suspended;
// 0 resets the count and, when it was not 0, passes minus the old count to the
// parent; any other n adds n and passes n to the parent.
//
// Event raisers are inherited: an object raises through its own raiser, or
// else through the nearest owner up the parent chain that has one. Objects
// read by the thousands therefore carry no raiser and nothing is copied into
// them when they join a collection; raisers, like the message object, live in
// a block made only for the objects given one.
#pragma once
#include <cstdint>

#include "interfaces/IKalvexObject.h"

namespace kalvex {

// The most owners a walk up the parent chain visits: a guard against a cycle.
constexpr int kMaxOwnerDepth = 64;

class KalvexObjectBase : public virtual IKalvexObject {
public:
    KalvexObjectBase() = default;
    KalvexObjectBase(const KalvexObjectBase&) = delete;
    KalvexObjectBase& operator=(const KalvexObjectBase&) = delete;
    ~KalvexObjectBase() override;

    int modified() const override { return m_modified; }
    void setModified(int n) override;
    bool trackingSuspended() const { return m_suspended; }

    std::shared_ptr<IKalvexObject> parent() const override { return m_parent.lock(); }
    void setParent(const std::shared_ptr<IKalvexObject>& parent) override { m_parent = parent; }
    // Cheaper than parent() where only the presence counts.
    bool hasParent() const { return !m_parent.expired(); }

    // Sets this object's own raiser; no raiser (null) lets it raise through its owners'.
    void setEventRaiser(const std::shared_ptr<IBrenloEventRaiser>& raiser) override;
    void setInternalEventRaiser(const std::shared_ptr<IBrenloEventRaiser>& raiser) override;
    // The raisers this object's events reach: its own or the nearest owner's.
    std::shared_ptr<IBrenloEventRaiser> eventRaiser() const;
    std::shared_ptr<IBrenloEventRaiser> internalEventRaiser() const;
    // The internal raiser given to this object itself, none inherited.
    std::shared_ptr<IBrenloEventRaiser> ownInternalEventRaiser() const
    {
        return m_hooks ? m_hooks->intRaiser.lock() : nullptr;
    }

    QObject* messagesObj() const override;
    void setMessagesObj(QObject* sink) override;

    // Handles SET_EV_RAISER and SET_INT_EV_RAISER; -1 for anything else.
    int setInternalValue(const QString& key, const QVariant& value) override;

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
    // For a field not held as a member of its own, already given its new
    // value: counts one change and raises EV_CHANGE.
    void changed(const QString& property, const QString& oldValue, const QString& newValue);

    // The part in `slot`, made by make() on first use: owned by this object
    // (when it is held by a shared_ptr) and given its message object. Stays
    // null when make() fails.
    template <class Part, class Make>
    const std::shared_ptr<Part>& partOnUse(std::shared_ptr<Part>& slot, Make make) const
    {
        if (!slot && (slot = make())) {
            slot->setParent(std::const_pointer_cast<IKalvexObject>(weak_from_this().lock()));
            if (QObject* sink = messagesObj())
                slot->setMessagesObj(sink);
        }
        return slot;
    }

private:
    struct Hooks {
        std::shared_ptr<IBrenloEventRaiser> raiser;
        std::weak_ptr<IBrenloEventRaiser> intRaiser;
        QPointer<QObject> messages;
    };
    Hooks& hooks();
    void dropHooksIfEmpty();
    // The raisers asked for (a null argument is not asked for), each taken
    // from this object or the nearest owner that has one.
    void findRaisers(std::shared_ptr<IBrenloEventRaiser>* pub, std::shared_ptr<IBrenloEventRaiser>* internal) const;
    void raiseEventTo(const std::shared_ptr<IBrenloEventRaiser>& pub, const std::shared_ptr<IBrenloEventRaiser>& internal,
                      const QString& eventType, const QString& property, const QVariant& oldValue,
                      const QVariant& newValue);
    template <typename T>
    bool updateField(T& field, const T& value, const QString& property);

    std::weak_ptr<IKalvexObject> m_parent;
    std::unique_ptr<Hooks> m_hooks;
    std::int16_t m_modified = 0;
    bool m_suspended = false;
};

// A raiser read out of a setInternalValue argument (shared or weak pointer).
std::shared_ptr<IBrenloEventRaiser> raiserFromVariant(const QVariant& value);

} // namespace kalvex
