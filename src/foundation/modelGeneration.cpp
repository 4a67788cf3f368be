#include "foundation/modelGeneration.h"

namespace kalvex {

namespace {
// The model lives on the host's one thread.
std::uint64_t g_generation = 1;
}

std::uint64_t modelGeneration() { return g_generation; }
void bumpModelGeneration() { ++g_generation; }

} // namespace kalvex
