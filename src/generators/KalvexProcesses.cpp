#include "generators/KalvexProcesses.h"

#include "generators/KalvexProcessEnumerator.h"

namespace kalvex {

std::shared_ptr<KalvexProcesses> KalvexProcesses::create()
{
    auto p = std::make_shared<KalvexProcesses>();
    p->m_enumerator = std::make_shared<KalvexProcessEnumerator>(p);
    return p;
}

std::shared_ptr<IKalvexProcesses> classCreate_KalvexProcesses() { return KalvexProcesses::create(); }

} // namespace kalvex
