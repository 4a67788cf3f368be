#include "jobprefs/KalvexJobPreferences.h"

#include "jobprefs/KalvexJobLayer.h"
#include "jobprefs/KalvexJobViaSpan.h"

namespace kalvex {

std::shared_ptr<KalvexJobPreferences> KalvexJobPreferences::create()
{
    auto p = std::make_shared<KalvexJobPreferences>();
    p->m_layers = classCreate_KalvexJobLayers();
    p->m_layers->setParent(p);
    p->m_viaSpans = classCreate_KalvexJobViaSpans();
    p->m_viaSpans->setParent(p);
    return p;
}

std::shared_ptr<IKalvexJobPreferences> classCreate_KalvexJobPreferences() { return KalvexJobPreferences::create(); }

void KalvexJobPreferences::initialize()
{
    m_numLayers = 0;
    m_padstackTech.clear();
    m_substrateTop.clear();
    m_substrateBottom.clear();
    m_units.clear();
    m_layers->initialize();
    m_viaSpans->initialize();
    setModified(0);
}

} // namespace kalvex
