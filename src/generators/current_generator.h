// The object library's current generator: the generator most recently
// initialised. Held weakly; the end of any generator clears it.
#pragma once
#include "interfaces/IKalvexGenerator.h"

namespace kalvex {

IKalvexGeneratorPtr morvObjs_currentGenerator();
void morvObjs_setCurrentGenerator(const IKalvexGeneratorPtr& generator);
void morvObjs_clearCurrentGenerator();

} // namespace kalvex
