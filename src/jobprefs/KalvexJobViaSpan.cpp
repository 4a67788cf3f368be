#include "jobprefs/KalvexJobViaSpan.h"

namespace kalvex {

void KalvexJobViaSpan::clone(const std::shared_ptr<IKalvexJobViaSpan>& other)
{
    if (!other || other.get() == this)
        return;
    setLayerFrom(other->layerFrom());
    setLayerTo(other->layerTo());
    setPadstackName(other->padstackName());
    setDelay(other->delay());
    setGrid(other->grid());
    setCapacitance(other->capacitance());
}

void KalvexJobViaSpan::initialize()
{
    m_from = m_to = 0;
    m_padstack.clear();
    m_delay = m_grid = m_capacitance = 0;
    setModified(0);
}

bool KalvexJobViaSpans::exists(int layerFrom, int layerTo) const
{
    for (const auto& s : items())
        if (s->layerFrom() == layerFrom && s->layerTo() == layerTo)
            return true;
    return false;
}

bool KalvexJobViaSpans::add(const IKalvexJobViaSpanPtr& span)
{
    if (!span || span->parent() || indexOf(span))
        return false;
    insertItem(span);
    return true;
}

bool KalvexJobViaSpans::addQuietly(const IKalvexJobViaSpanPtr& span)
{
    if (!span || span->parent() || indexOf(span))
        return false;
    appendQuietly(span);
    return true;
}

std::shared_ptr<IKalvexJobViaSpan> classCreate_KalvexJobViaSpan() { return std::make_shared<KalvexJobViaSpan>(); }
std::shared_ptr<IKalvexJobViaSpans> classCreate_KalvexJobViaSpans()
{
    return std::make_shared<KalvexJobViaSpans>();
}

} // namespace kalvex
