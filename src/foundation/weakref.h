// Weak object references. A child keeps its parent, a form its parameter set,
// a tree row its object this way: the reference yields no object once the
// target is gone and never reaches freed memory.
#pragma once
#include <memory>

namespace kalvex {

template <typename T>
std::weak_ptr<T> vbl_obj_toPtr(const std::shared_ptr<T>& object)
{
    return object;
}

// The object again, or no object when it was released; a dead reference is
// reset so that later probes are cheap.
template <typename T>
std::shared_ptr<T> vbl_obj_fromPtr(std::weak_ptr<T>& ref)
{
    auto obj = ref.lock();
    if (!obj)
        ref.reset();
    return obj;
}

} // namespace kalvex
