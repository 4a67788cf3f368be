#include "foundation/KalvexObjectBase.h"

#include <algorithm>

#include "foundation/objectCast.h"
#include "interfaces/IKalvexMessageSink.h"

namespace kalvex {

namespace {
constexpr int kMaxCount = 32767;
} // namespace

KalvexObjectBase::~KalvexObjectBase() = default;

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
    m_modified = static_cast<std::int16_t>(std::clamp(m_modified + n, 0, kMaxCount));
    if (p)
        p->setModified(n);
}

KalvexObjectBase::Hooks& KalvexObjectBase::hooks()
{
    if (!m_hooks)
        m_hooks = std::make_unique<Hooks>();
    return *m_hooks;
}

void KalvexObjectBase::dropHooksIfEmpty()
{
    if (m_hooks && !m_hooks->raiser && m_hooks->intRaiser.expired() && m_hooks->messages.isNull())
        m_hooks.reset();
}

void KalvexObjectBase::setEventRaiser(const std::shared_ptr<IBrenloEventRaiser>& raiser)
{
    if (!raiser && !m_hooks)
        return;
    hooks().raiser = raiser;
    dropHooksIfEmpty();
}

void KalvexObjectBase::setInternalEventRaiser(const std::shared_ptr<IBrenloEventRaiser>& raiser)
{
    if (!raiser && !m_hooks)
        return;
    hooks().intRaiser = raiser;
    dropHooksIfEmpty();
}

QObject* KalvexObjectBase::messagesObj() const
{
    return m_hooks ? m_hooks->messages.data() : nullptr;
}

void KalvexObjectBase::setMessagesObj(QObject* sink)
{
    if (!sink && !m_hooks)
        return;
    hooks().messages = sink;
    dropHooksIfEmpty();
}

void KalvexObjectBase::findRaisers(std::shared_ptr<IBrenloEventRaiser>* pub,
                                   std::shared_ptr<IBrenloEventRaiser>* internal) const
{
    // No hooks here and no owner: the common case of an object being read.
    if (!m_hooks && m_parent.expired())
        return;
    auto take = [&](const Hooks* h) {
        if (!h)
            return;
        if (pub && !*pub && h->raiser)
            *pub = h->raiser;
        if (internal && !*internal)
            *internal = h->intRaiser.lock();
    };
    auto done = [&] { return (!pub || *pub) && (!internal || *internal); };
    take(m_hooks.get());
    // Each owner is held while it is looked at.
    std::shared_ptr<IKalvexObject> owner = done() ? nullptr : m_parent.lock();
    for (int depth = 0; owner && depth < kMaxOwnerDepth; ++depth) {
        const auto* base = objectCast<KalvexObjectBase>(owner.get());
        if (!base)
            return;
        take(base->m_hooks.get());
        if (done())
            return;
        owner = base->m_parent.lock();
    }
}

std::shared_ptr<IBrenloEventRaiser> KalvexObjectBase::eventRaiser() const
{
    std::shared_ptr<IBrenloEventRaiser> pub;
    findRaisers(&pub, nullptr);
    return pub;
}

std::shared_ptr<IBrenloEventRaiser> KalvexObjectBase::internalEventRaiser() const
{
    std::shared_ptr<IBrenloEventRaiser> internal;
    findRaisers(nullptr, &internal);
    return internal;
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
    std::shared_ptr<IBrenloEventRaiser> pub, internal;
    findRaisers(&pub, &internal);
    raiseEventTo(pub, internal, eventType, property, oldValue, newValue);
}

void KalvexObjectBase::raiseEventTo(const std::shared_ptr<IBrenloEventRaiser>& pub,
                                    const std::shared_ptr<IBrenloEventRaiser>& internal, const QString& eventType,
                                    const QString& property, const QVariant& oldValue, const QVariant& newValue)
{
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
    if (auto* sink = dynamic_cast<IKalvexMessageSink*>(messagesObj()))
        sink->postMessage(text, line);
}

template <typename T>
bool KalvexObjectBase::updateField(T& field, const T& value, const QString& property)
{
    if (field == value)
        return false;
    std::shared_ptr<IBrenloEventRaiser> pub, internal;
    findRaisers(&pub, &internal);
    if (!pub && !internal) {
        field = value;
        setModified(1);
        return true;
    }
    const T old = field;
    field = value;
    setModified(1);
    raiseEventTo(pub, internal, EV_CHANGE, property, QVariant::fromValue(old), QVariant::fromValue(value));
    return true;
}

void KalvexObjectBase::changed(const QString& property, const QString& oldValue, const QString& newValue)
{
    setModified(1);
    raiseEvent(EV_CHANGE, property, oldValue, newValue);
}

bool KalvexObjectBase::propUpdString(QString& field, const QString& value, const QString& property)
{
    return updateField(field, value, property);
}
bool KalvexObjectBase::propUpdInt(int& field, int value, const QString& property)
{
    return updateField(field, value, property);
}
bool KalvexObjectBase::propUpdDouble(double& field, double value, const QString& property)
{
    return updateField(field, value, property);
}
bool KalvexObjectBase::propUpdBool(bool& field, bool value, const QString& property)
{
    return updateField(field, value, property);
}

std::shared_ptr<IBrenloEventRaiser> raiserFromVariant(const QVariant& value)
{
    if (value.canConvert<std::shared_ptr<IBrenloEventRaiser>>())
        return value.value<std::shared_ptr<IBrenloEventRaiser>>();
    return nullptr;
}

} // namespace kalvex
