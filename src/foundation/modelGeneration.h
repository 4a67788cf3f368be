// A process-wide count of model changes that can reorder or refilter a
// collection (structure changes, sort keys, filter inputs). Sorted views and
// enumerations remember the count they were built at and rebuild when it
// moved, so they never hand out a stale order.
#pragma once
#include <cstdint>

namespace kalvex {

std::uint64_t modelGeneration();
void bumpModelGeneration();

} // namespace kalvex
