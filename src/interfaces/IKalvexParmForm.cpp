#include "interfaces/IKalvexParmForm.h"

namespace kalvex {

namespace {
IKalvexEditFormChooser* g_chooser = nullptr;
}

IKalvexEditFormChooser* editFormChooser() { return g_chooser; }
void registerEditFormChooser(IKalvexEditFormChooser* chooser) { g_chooser = chooser; }

} // namespace kalvex
