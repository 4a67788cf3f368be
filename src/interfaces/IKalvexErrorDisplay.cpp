#include "interfaces/IKalvexErrorDisplay.h"

namespace kalvex {

namespace {
IKalvexErrorDisplay* g_display = nullptr;
}

IKalvexErrorDisplay* errorDisplay() { return g_display; }
void registerErrorDisplay(IKalvexErrorDisplay* display) { g_display = display; }

} // namespace kalvex
