// The caption of a job layer.
#pragma once
#include <QString>

#include "interfaces/IKalvexJobPreferences.h"

namespace kalvex {

// "Signal layer <condLayerNumber>", "Positive plane layer", "Negative plane
// layer", "Dielectric layer", "Other layer"; empty for any other type or no layer.
QString morvObjs_layerTypeText(const IKalvexJobLayerPtr& layer);

} // namespace kalvex
