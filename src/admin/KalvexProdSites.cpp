#include "admin/KalvexProdSites.h"

namespace kalvex {

std::shared_ptr<IKalvexProdSites> classCreate_KalvexProdSites() { return std::make_shared<KalvexProdSites>(); }

} // namespace kalvex
