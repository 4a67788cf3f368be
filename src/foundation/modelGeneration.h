// Process-wide counts of model changes. The model generation counts changes
// that can reorder or refilter a collection (structure changes, sort keys,
// filter inputs): sorted views and enumerations remember the count they were
// built at and rebuild when it moved, so they never hand out a stale order.
// The key generation counts changes of a key (an id or name) of an item that
// sits in a collection: key indexes rebuild when it moved.
#pragma once
#include <cstdint>

namespace kalvex {

std::uint64_t modelGeneration();
void bumpModelGeneration();

std::uint64_t keyGeneration();
// Also moves the model generation: a key change can reorder a sorted view.
void bumpKeyGeneration();

} // namespace kalvex
