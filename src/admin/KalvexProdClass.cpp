#include "admin/KalvexProdClass.h"
#include "admin/KalvexProdClasses.h"

namespace kalvex {

std::shared_ptr<IKalvexProdClass> classCreate_KalvexProdClass() { return std::make_shared<KalvexProdClass>(); }
std::shared_ptr<IKalvexProdClasses> classCreate_KalvexProdClasses() { return std::make_shared<KalvexProdClasses>(); }

} // namespace kalvex
