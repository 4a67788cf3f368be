#include "generators/KalvexProcess.h"

#include "generators/KalvexGenAssignment.h"
#include "generators/KalvexProcessOrderKey.h"

namespace kalvex {

std::shared_ptr<KalvexProcess> KalvexProcess::create()
{
    auto p = std::make_shared<KalvexProcess>();
    p->m_orderKey = classCreate_KalvexProcessOrderKey();
    p->m_orderKey->setParent(p);
    p->m_assignments = classCreate_KalvexGenAssignments();
    p->m_assignments->setParent(p);
    return p;
}

std::shared_ptr<IKalvexProcess> classCreate_KalvexProcess() { return KalvexProcess::create(); }

void KalvexProcess::setProcessParent(const std::shared_ptr<IKalvexProcess>& process)
{
    // A process cannot be its own group.
    if (process.get() == this)
        return;
    updRef(m_parentProcess, process, QStringLiteral("processParent"));
}

void KalvexProcess::setProcessPrereq(const std::shared_ptr<IKalvexProcess>& process)
{
    if (process.get() == this)
        return;
    updRef(m_prereq, process, QStringLiteral("processPrereq"));
}

void KalvexProcess::clone(const std::shared_ptr<IKalvexProcess>& other)
{
    if (!other || other.get() == this)
        return;
    copyEntryFrom(*other);
    setDistribName(other->distribName());
    setProcessType(other->processType());
    m_orderKey->setEncoded(other->orderKey()->encoded());
    setLayerType(other->layerType());
    setLayerFrom(other->layerFrom());
    setLayerTo(other->layerTo());
    setShareData(other->shareData());
    setRegenForVariant(other->regenForVariant());
    setProcessUse(other->processUse());
    setProcessParent(other->processParent());
    setProcessPrereq(other->processPrereq());
    setFileType(other->fileType());
    setProductClass(other->productClass());

    while (m_assignments->count() > 0)
        m_assignments->remove(m_assignments->count());
    auto theirs = other->generatorAssignments();
    for (int i = 1; i <= theirs->count(); ++i) {
        auto copy = classCreate_KalvexGenAssignment();
        copy->clone(theirs->item(i, SORT_COLLECTION));
        m_assignments->add(copy);
    }
}

void KalvexProcess::initialize()
{
    resetEntry();
    m_distribName.clear();
    m_processType = PROC_SINGLE;
    m_orderKey->initialize();
    m_layerType = 0;
    m_layerFrom = 0;
    m_layerTo = 0;
    m_shareData = false;
    m_regenForVariant = false;
    m_processUse = PROCESS_USE_MASTER | PROCESS_USE_VARIANT;
    m_parentProcess.reset();
    m_prereq.reset();
    m_fileType.reset();
    m_productClass.reset();
    m_assignments->initialize();
    bumpModelGeneration();
    setModified(0);
}

} // namespace kalvex
