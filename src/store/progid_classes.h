// Registration of the classes of kalvex_core by ProgID.
#pragma once

namespace kalvex {

class ProgIdRegistry;

// Registers every class of kalvex_core. Runs by itself when the program
// starts: the unit defines kalvex_core_progids, which kalvex_core's link
// options name, so the linker keeps it in every program built against the
// library although nothing calls into it.
void registerCoreProgIds(ProgIdRegistry& registry);

} // namespace kalvex
