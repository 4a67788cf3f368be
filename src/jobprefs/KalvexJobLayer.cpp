#include "jobprefs/KalvexJobLayer.h"

#include <climits>

namespace kalvex {

bool isConductiveLayer(int layerType)
{
    return layerType == LAYER_SIGNAL || layerType == LAYER_PLANE_POSITIVE || layerType == LAYER_PLANE_NEGATIVE;
}

void KalvexJobLayer::clone(const std::shared_ptr<IKalvexJobLayer>& other)
{
    if (!other || other.get() == this)
        return;
    setId(other->id());
    setDescription(other->description());
    setTechnology(other->technology());
    setBiasDirectional(other->biasDirectional());
    setPlaneNets(other->planeNets());
    setCondLayerNumber(other->condLayerNumber());
    setLayerType(other->layerType());
    setResistivity(other->resistivity());
    setThickNess(other->thickNess());
    setDielConstant(other->dielConstant());
    setEnabled(other->enabled());
}

void KalvexJobLayer::initialize()
{
    m_id.clear();
    m_description.clear();
    m_technology.clear();
    m_bias.clear();
    m_planeNets.clear();
    m_condLayer = 0;
    m_type = LAYER_SIGNAL;
    m_resistivity = m_thickness = m_dielConstant = 0;
    m_enabled = true;
    setModified(0);
}

int KalvexJobLayers::countOf(int layerType) const
{
    int n = 0;
    for (const auto& l : items())
        n += l->layerType() == layerType;
    return n;
}

int KalvexJobLayers::topLayer() const
{
    int top = INT_MAX;
    for (const auto& l : items())
        if (isConductiveLayer(l->layerType()))
            top = std::min(top, l->condLayerNumber());
    return top == INT_MAX ? 0 : top;
}

int KalvexJobLayers::bottomLayer() const
{
    int bottom = INT_MIN;
    for (const auto& l : items())
        if (isConductiveLayer(l->layerType()))
            bottom = std::max(bottom, l->condLayerNumber());
    return bottom == INT_MIN ? 0 : bottom;
}

int KalvexJobLayers::countInner() const
{
    const int top = topLayer();
    const int bottom = bottomLayer();
    int n = 0;
    for (const auto& l : items())
        if (isConductiveLayer(l->layerType()) && l->condLayerNumber() > top && l->condLayerNumber() < bottom)
            ++n;
    return n;
}

IKalvexJobLayerPtr KalvexJobLayers::item(int position, int layerType) const
{
    if (layerType == LAYER_ANY)
        return itemAt(position);
    if (position < 1)
        return nullptr;
    int seen = 0;
    for (const auto& l : items())
        if (l->layerType() == layerType && ++seen == position)
            return l;
    return nullptr;
}

bool KalvexJobLayers::add(const IKalvexJobLayerPtr& layer)
{
    if (!layer || layer->parent() || indexOf(layer))
        return false;
    insertItem(layer);
    return true;
}

bool KalvexJobLayers::addQuietly(const IKalvexJobLayerPtr& layer)
{
    if (!layer || layer->parent() || indexOf(layer))
        return false;
    appendQuietly(layer);
    return true;
}

void KalvexJobLayers::initialize()
{
    clearItems();
    setModified(0);
}

std::shared_ptr<IKalvexJobLayer> classCreate_KalvexJobLayer() { return std::make_shared<KalvexJobLayer>(); }
std::shared_ptr<IKalvexJobLayers> classCreate_KalvexJobLayers() { return std::make_shared<KalvexJobLayers>(); }

} // namespace kalvex
