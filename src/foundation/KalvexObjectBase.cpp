#include "foundation/KalvexObjectBase.h"

#include <algorithm>

#include "interfaces/IKalvexMessageSink.h"

namespace kalvex {

namespace {
constexpr int kMaxCount = 32767;
}

void KalvexObjectBase::setModified(int n)
{
    if (n == MODIFIED_SUSPEND) {
        m_suspended = true;
        return;
    }
    if (n == MODIFIED_RESUME) {
        m_suspended = false;
        return;
    }
    if (m_suspended)
        return;
    auto p = parent();
    if (n == 0) {
        const int old = m_modified;
        m_modified = 0;
        if (p && old != 0)
            p->setModified(-old);
        return;
    }
    m_modified = std::clamp(m_modified + n, 0, kMaxCount);
    if (p)
        p->setModified(n);
}

int KalvexObjectBase::setInternalValue(const QString& key, const QVariant& value)
{
    if (key == SET_EV_RAISER) {
        setEventRaiser(raiserFromVariant(value));
        return 1;
    }
    if (key == SET_INT_EV_RAISER) {
        setInternalEventRaiser(raiserFromVariant(value));
        return 1;
    }
    return -1;
}

void KalvexObjectBase::raiseEvent(const QString& eventType, const QString& property,
                                  const QVariant& oldValue, const QVariant& newValue)
{
    auto pub = m_raiser;
    auto internal = m_intRaiser.lock();
    if (!pub && !internal)
        return;
    BrenloEventParams params;
    params.sender = weak_from_this();
    params.objectKind = objectKind();
    params.propertyName = property;
    params.oldValue = oldValue;
    params.newValue = newValue;
    const QString sender = className();
    if (pub)
        pub->queueEvent(eventType, sender, params);
    if (internal && internal != pub)
        internal->queueEvent(eventType, sender, params);
}

void KalvexObjectBase::postMessage(const QString& text, int line) const
{
    if (auto* sink = dynamic_cast<IKalvexMessageSink*>(m_messages.data()))
        sink->postMessage(text, line);
}

template <typename T>
static bool updateField(KalvexObjectBase& self, T& field, const T& value, const QString& property)
{
    if (field == value)
        return false;
    if (!self.raisesEvents()) {
        field = value;
        self.setModified(1);
        return true;
    }
    const T old = field;
    field = value;
    self.setModified(1);
    self.raiseEvent(EV_CHANGE, property, QVariant::fromValue(old), QVariant::fromValue(value));
    return true;
}

bool KalvexObjectBase::propUpdString(QString& field, const QString& value, const QString& property)
{
    return updateField(*this, field, value, property);
}
bool KalvexObjectBase::propUpdInt(int& field, int value, const QString& property)
{
    return updateField(*this, field, value, property);
}
bool KalvexObjectBase::propUpdDouble(double& field, double value, const QString& property)
{
    return updateField(*this, field, value, property);
}
bool KalvexObjectBase::propUpdBool(bool& field, bool value, const QString& property)
{
    return updateField(*this, field, value, property);
}

std::shared_ptr<IBrenloEventRaiser> raiserFromVariant(const QVariant& value)
{
    if (value.canConvert<std::shared_ptr<IBrenloEventRaiser>>())
        return value.value<std::shared_ptr<IBrenloEventRaiser>>();
    return nullptr;
}

} // namespace kalvex
