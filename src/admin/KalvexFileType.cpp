#include "admin/KalvexFileType.h"
#include "admin/KalvexFileTypes.h"

namespace kalvex {

std::shared_ptr<IKalvexFileType> classCreate_KalvexFileType() { return std::make_shared<KalvexFileType>(); }
std::shared_ptr<IKalvexFileTypes> classCreate_KalvexFileTypes() { return std::make_shared<KalvexFileTypes>(); }

} // namespace kalvex
