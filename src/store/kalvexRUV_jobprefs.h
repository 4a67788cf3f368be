// Job preferences (".ruv"): header values, the layer stack and via spans.
#pragma once
#include "store/kalvexRUV_handler.h"

namespace kalvex {

KalvexRUVHandler kalvexRUV_jobPrefsHandler();

} // namespace kalvex
