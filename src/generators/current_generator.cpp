#include "generators/current_generator.h"

namespace kalvex {

namespace {
std::weak_ptr<IKalvexGenerator>& current()
{
    // Never destroyed: a generator held by some other static may end after
    // this unit's statics and still clears the reference.
    static auto* ref = new std::weak_ptr<IKalvexGenerator>();
    return *ref;
}
} // namespace

IKalvexGeneratorPtr morvObjs_currentGenerator() { return current().lock(); }
void morvObjs_setCurrentGenerator(const IKalvexGeneratorPtr& generator) { current() = generator; }
void morvObjs_clearCurrentGenerator() { current().reset(); }

} // namespace kalvex
