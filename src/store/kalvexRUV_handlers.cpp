#include "store/kalvexRUV_handler.h"
#include "store/kalvexRUV_generators.h"

namespace kalvex {

const std::vector<KalvexRUVHandler>& kalvexRUV_handlers()
{
    static const std::vector<KalvexRUVHandler> handlers = {
        kalvexRUV_generatorsHandler(),
    };
    return handlers;
}

} // namespace kalvex
