// ProgIDs of the model classes (administration, processes, job preferences, tasks).
#pragma once

namespace kalvex {

class ProgIdRegistry;

void registerModelProgIds(ProgIdRegistry& registry);

} // namespace kalvex
