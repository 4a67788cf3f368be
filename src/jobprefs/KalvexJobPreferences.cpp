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

void KalvexJobPreferences::setEventRaiser(const std::shared_ptr<IBrenloEventRaiser>& raiser)
{
    KalvexObjectBase::setEventRaiser(raiser);
    m_layers->setEventRaiser(raiser);
    m_viaSpans->setEventRaiser(raiser);
}

void KalvexJobPreferences::setInternalEventRaiser(const std::shared_ptr<IBrenloEventRaiser>& raiser)
{
    KalvexObjectBase::setInternalEventRaiser(raiser);
    m_layers->setInternalEventRaiser(raiser);
    m_viaSpans->setInternalEventRaiser(raiser);
}

void KalvexJobPreferences::setMessagesObj(QObject* sink)
{
    KalvexObjectBase::setMessagesObj(sink);
    m_layers->setMessagesObj(sink);
    m_viaSpans->setMessagesObj(sink);
}

} // namespace kalvex
