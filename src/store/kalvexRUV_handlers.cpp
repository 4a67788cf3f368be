#include "store/kalvexRUV_handler.h"
#include "store/kalvexRUV_admin.h"
#include "store/kalvexRUV_generators.h"
#include "store/kalvexRUV_jobprefs.h"

namespace kalvex {

const std::vector<KalvexRUVHandler>& kalvexRUV_handlers()
{
    static const std::vector<KalvexRUVHandler> handlers = {
        kalvexRUV_adminHandler(),
        kalvexRUV_generatorsHandler(),
        kalvexRUV_jobPrefsHandler(),
    };
    return handlers;
}

} // namespace kalvex
