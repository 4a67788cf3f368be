// The administration database (".mra"): general parameters, status info and
// the sections of every collection, with references between entries by id.
#pragma once
#include "store/kalvexRUV_handler.h"

namespace kalvex {

KalvexRUVHandler kalvexRUV_adminHandler();

} // namespace kalvex
