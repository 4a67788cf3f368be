// The contract every model object shares: change tracking, parent, event
// raisers, message object and internal commands.
#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <memory>

#include "interfaces/IBrenloEnvirVars.h"
#include "interfaces/IBrenloEventRaiser.h"

namespace kalvex {

// Codes of `modified` that switch tracking instead of counting.
constexpr int MODIFIED_SUSPEND = -5000;
constexpr int MODIFIED_RESUME = -6000;

// Internal command keys of setInternalValue.
inline const QString SET_EV_RAISER = QStringLiteral("SET_EV_RAISER");
inline const QString SET_INT_EV_RAISER = QStringLiteral("SET_INT_EV_RAISER");
// Hands a variable set (QVariant of std::shared_ptr<IBrenloEnvirVars>) down.
inline const QString SET_ENVIR_VARS = QStringLiteral("envirVars");

// Reservation codes of administration entries.
enum ReservedCode { NOT_RESERVED = 0, NO_DELETE = 1, INTERNAL = 2, SYSTEM = 3, SYSTEM_INVISIBLE = 4 };

class IKalvexObject : public std::enable_shared_from_this<IKalvexObject> {
public:
    virtual ~IKalvexObject() = default;

    // The class name ("KalvexGenParm") and the object-kind tag of its events.
    virtual QString className() const = 0;
    virtual QString objectKind() const = 0;

    // 16-bit change count; see KalvexObjectBase for the codes.
    virtual int modified() const = 0;
    virtual void setModified(int n) = 0;

    // Parent, held weakly: no object once the owner is gone.
    virtual std::shared_ptr<IKalvexObject> parent() const = 0;
    virtual void setParent(const std::shared_ptr<IKalvexObject>& parent) = 0;

    // The public raiser (the host's) is kept; the internal one is weak.
    virtual void setEventRaiser(const std::shared_ptr<IBrenloEventRaiser>& raiser) = 0;
    virtual void setInternalEventRaiser(const std::shared_ptr<IBrenloEventRaiser>& raiser) = 0;

    // The host's message object, weak; passed on to children by those that own any.
    virtual QObject* messagesObj() const = 0;
    virtual void setMessagesObj(QObject* sink) = 0;

    // Internal commands with upper-case keys; -1 for a key not handled.
    virtual int setInternalValue(const QString& key, const QVariant& value) = 0;
};

using IKalvexObjectPtr = std::shared_ptr<IKalvexObject>;

} // namespace kalvex

Q_DECLARE_METATYPE(std::shared_ptr<kalvex::IBrenloEventRaiser>)
Q_DECLARE_METATYPE(std::shared_ptr<kalvex::IBrenloEnvirVars>)
