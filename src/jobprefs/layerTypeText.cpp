#include "jobprefs/layerTypeText.h"

namespace kalvex {

QString morvObjs_layerTypeText(const IKalvexJobLayerPtr& layer)
{
    if (!layer)
        return QString();
    switch (layer->layerType()) {
    case LAYER_SIGNAL: return QStringLiteral("Signal layer ") + QString::number(layer->condLayerNumber());
    case LAYER_PLANE_POSITIVE: return QStringLiteral("Positive plane layer");
    case LAYER_PLANE_NEGATIVE: return QStringLiteral("Negative plane layer");
    case LAYER_DIELECTRIC: return QStringLiteral("Dielectric layer");
    case LAYER_OTHER: return QStringLiteral("Other layer");
    default: return QString();
    }
}

} // namespace kalvex
