// The event sink that hosts (and the administration database, as the internal
// raiser of its collections) hand to model objects.
#pragma once
#include <QString>
#include <QVariant>
#include <memory>

namespace kalvex {

class IKalvexObject;

// Event types raised by the model.
inline const QString EV_CHANGE = QStringLiteral("EV_CHANGE");
inline const QString EV_ADD = QStringLiteral("EV_ADD");
inline const QString EV_REMOVE = QStringLiteral("EV_REMOVE");
inline const QString EV_RELOAD = QStringLiteral("EV_RELOAD");

// The parameter array of one event: the sender (held weakly, it may be gone by
// the time a queued event is looked at), its object-kind tag, the property
// that changed and its old and new value.
struct BrenloEventParams {
    std::weak_ptr<IKalvexObject> sender;
    QString objectKind;
    QString propertyName;
    QVariant oldValue;
    QVariant newValue;
};

class IBrenloEventRaiser {
public:
    virtual ~IBrenloEventRaiser() = default;
    virtual void queueEvent(const QString& eventType, const QString& senderType,
                            const BrenloEventParams& params) = 0;
};

} // namespace kalvex
