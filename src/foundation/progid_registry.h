// One registry through which companion components and the library's own
// classes are created by name ("VeRedirorAZ.brenloEnvirVars",
// "KalvexObjs.KalvexGenParm"). Names are matched without regard to letter
// case. Registering a name again replaces its creator, which is how a host
// (or a test) puts its own implementation of a companion in place.
//
// The registry starts empty; the classes of kalvex_core are registered by
// the store layer when the program starts (store/progid_classes.cpp), so a
// host creates them by name without an install step.
//
// A creator is registered with the interface it answers. The library's own
// classes are registered as IKalvexObject, so create<IKalvexGenParm>() of
// such a name casts to the interface asked for; no object when the class
// does not implement it, when the name is unknown, or when creation fails.
#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <any>
#include <functional>
#include <memory>
#include <typeindex>

#include "foundation/vbl_err.h"
#include "interfaces/IKalvexObject.h"

namespace kalvex {

inline const QString PROGID_ENVIR_VARS = QStringLiteral("VeRedirorAZ.brenloEnvirVars");

class ProgIdRegistry {
public:
    static ProgIdRegistry& instance();

    template <typename T>
    void registerClass(const QString& progId, std::function<std::shared_ptr<T>()> creator)
    {
        Entry e{std::type_index(typeid(T)), progId,
                [creator]() -> std::any { return std::any(creator()); }};
        setEntry(progId, std::move(e));
    }
    void unregisterClass(const QString& progId);
    bool isRegistered(const QString& progId) const;
    QStringList progIds() const;

    template <typename T>
    std::shared_ptr<T> create(const QString& progId) const
    {
        const Entry* e = find(progId);
        if (!e)
            return nullptr;
        try {
            std::any made = e->create();
            if (auto* p = std::any_cast<std::shared_ptr<T>>(&made))
                return *p;
            if (auto* o = std::any_cast<std::shared_ptr<IKalvexObject>>(&made))
                return std::dynamic_pointer_cast<T>(*o);
        } catch (...) {
            // A component that cannot be made gives no object, as creation
            // by name promises; a fault of the code is still warned of.
            vbl_err_trapped(QStringLiteral("createByProgId ") + progId, VBL_LOG_NONE);
        }
        return nullptr;
    }

private:
    ProgIdRegistry();
    struct Entry {
        std::type_index type;
        QString progId;
        std::function<std::any()> create;
    };
    void setEntry(const QString& progId, Entry entry);
    const Entry* find(const QString& progId) const;

    QHash<QString, Entry> m_entries; // keyed by lower-cased ProgID
};

// A library class by its ProgID, through the interface asked for.
template <typename T>
std::shared_ptr<T> createByProgId(const QString& progId)
{
    return ProgIdRegistry::instance().create<T>(progId);
}

} // namespace kalvex
