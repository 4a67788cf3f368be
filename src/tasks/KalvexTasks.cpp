#include "tasks/KalvexTasks.h"

#include "foundation/prodSiteRank.h"

namespace kalvex {

namespace {

// Tasks without a process sort after those with one.
int compareProcesses(const IKalvexTaskPtr& a, const IKalvexTaskPtr& b)
{
    auto pa = a->process();
    auto pb = b->process();
    if (!pa || !pb)
        return (pa ? 0 : 1) - (pb ? 0 : 1);
    return pa->orderKey()->compare(*pb->orderKey());
}

} // namespace

void KalvexTasks::setDescription(const QString& text)
{
    propUpdString(m_description, text, QStringLiteral("description"));
}

bool KalvexTasks::sortLess(int sortOrder, const ItemPtr& a, const ItemPtr& b) const
{
    const int siteA = prodSiteRank(a->productionSite());
    const int siteB = prodSiteRank(b->productionSite());
    const int byProcess = compareProcesses(a, b);
    if (sortOrder == SORT_PRODUCTION_SITE)
        return siteA != siteB ? siteA < siteB : byProcess < 0;
    return byProcess != 0 ? byProcess < 0 : siteA < siteB;
}

std::shared_ptr<IKalvexTasks> classCreate_KalvexTasks() { return std::make_shared<KalvexTasks>(); }

} // namespace kalvex
