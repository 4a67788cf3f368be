#include "foundation/modelGeneration.h"

namespace kalvex {

namespace {
// The model lives on the host's one thread. Both start above 0, which key
// indexes take for "never built".
std::uint64_t g_generation = 1;
std::uint64_t g_keyGeneration = 1;
} // namespace

std::uint64_t modelGeneration() { return g_generation; }
void bumpModelGeneration() { ++g_generation; }

std::uint64_t keyGeneration() { return g_keyGeneration; }
void bumpKeyGeneration()
{
    ++g_keyGeneration;
    ++g_generation;
}

} // namespace kalvex
