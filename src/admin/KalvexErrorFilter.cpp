#include "admin/KalvexErrorFilter.h"

#include "foundation/unique_id.h"

namespace kalvex {

void KalvexErrorFilter::clone(const std::shared_ptr<IKalvexErrorFilter>& other)
{
    if (!other || other.get() == this)
        return;
    setOrder(other->order());
    setActionString(other->actionString());
    setExpression(other->expression());
    setDescription(other->description());
    setApplList(other->applList());
}

void KalvexErrorFilter::initialize()
{
    m_order = 0;
    m_action.clear();
    m_expression.clear();
    m_description.clear();
    m_applList = QStringLiteral("ALL");
    bumpModelGeneration();
    setModified(0);
}

int KalvexErrorFilters::getNextOrderId() const
{
    int highest = 0;
    for (const auto& f : items())
        highest = std::max(highest, f->order());
    const int next = (highest / 10 + 1) * 10;
    return std::min(next, 32767);
}

bool KalvexErrorFilters::makeKey(const ItemPtr& it)
{
    return it->setId(uniqueIdFor(QStringLiteral("errf_"), [this](const std::function<void(const QString&)>& visit) {
        for (const auto& f : items())
            visit(f->id());
    }));
}

std::shared_ptr<IKalvexErrorFilter> classCreate_KalvexErrorFilter() { return std::make_shared<KalvexErrorFilter>(); }
std::shared_ptr<IKalvexErrorFilters> classCreate_KalvexErrorFilters()
{
    return std::make_shared<KalvexErrorFilters>();
}

} // namespace kalvex
