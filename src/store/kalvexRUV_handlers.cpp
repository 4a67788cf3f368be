#include "store/kalvexRUV_handler.h"

namespace kalvex {

const std::vector<KalvexRUVHandler>& kalvexRUV_handlers()
{
    static const std::vector<KalvexRUVHandler> handlers = {};
    return handlers;
}

} // namespace kalvex
