// The factories' rule: no object when one cannot be made.
#pragma once
#include <new>
#include <stdexcept>

namespace kalvex {

// Answers make()'s object, or none when making it ran out of memory or met a
// text too long to hold. Any other exception is a fault of the code and
// passes on.
template <typename Make>
auto makeOrNone(Make&& make) -> decltype(make())
{
    try {
        return make();
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return nullptr;
}

} // namespace kalvex
