// Casts from IKalvexObject, the virtual base of every model object, to
// another of the object's classes. A dynamic_cast from a virtual base walks
// the class graph each time, and the model casts on every event and key
// change: the cast is made once per class of object and the distance between
// the two parts kept, which never changes within objects of one class. Only
// for objects fully built (held by a shared_ptr); the model lives on one
// thread.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <typeinfo>

#include "interfaces/IKalvexObject.h"

namespace kalvex {

template <class T>
const T* objectCast(const IKalvexObject* object)
{
    if (!object)
        return nullptr;
    struct Known {
        const std::type_info* type = nullptr;
        std::ptrdiff_t offset = 0;
        bool isT = false;
    };
    static std::array<Known, 64> known;
    const std::type_info* type = &typeid(*object);
    size_t slot = (reinterpret_cast<std::uintptr_t>(type) >> 4) % known.size();
    for (size_t probe = 0; probe < known.size(); ++probe, slot = (slot + 1) % known.size()) {
        Known& k = known[slot];
        if (k.type == type) {
            if (!k.isT)
                return nullptr;
            return reinterpret_cast<const T*>(reinterpret_cast<const char*>(object) + k.offset);
        }
        if (!k.type) {
            const T* cast = dynamic_cast<const T*>(object);
            k.type = type;
            k.isT = cast != nullptr;
            if (cast)
                k.offset = reinterpret_cast<const char*>(cast) - reinterpret_cast<const char*>(object);
            return cast;
        }
    }
    return dynamic_cast<const T*>(object);
}

template <class T>
T* objectCast(IKalvexObject* object)
{
    return const_cast<T*>(objectCast<T>(static_cast<const IKalvexObject*>(object)));
}

// The same object held as a T, sharing ownership; null when it is no T.
template <class T>
std::shared_ptr<T> objectCast(const std::shared_ptr<IKalvexObject>& object)
{
    T* cast = objectCast<T>(object.get());
    return cast ? std::shared_ptr<T>(object, cast) : nullptr;
}

} // namespace kalvex
