#include "generators/current_generator.h"

namespace kalvex {

namespace {
std::weak_ptr<IKalvexGenerator>& current()
{
    static std::weak_ptr<IKalvexGenerator> ref;
    return ref;
}
} // namespace

IKalvexGeneratorPtr morvObjs_currentGenerator() { return current().lock(); }
void morvObjs_setCurrentGenerator(const IKalvexGeneratorPtr& generator) { current() = generator; }
void morvObjs_clearCurrentGenerator() { current().reset(); }

} // namespace kalvex
