#include "generators/KalvexProcess.h"

#include "foundation/objectCast.h"
#include "foundation/siteAssignments.h"
#include "generators/KalvexGenAssignment.h"
#include "generators/KalvexProcessOrderKey.h"

namespace kalvex {

std::shared_ptr<KalvexProcess> KalvexProcess::create()
{
    return std::make_shared<KalvexProcess>();
}

IKalvexProcessOrderKeyPtr KalvexProcess::orderKey() const
{
    return partOnUse(m_orderKey, &classCreate_KalvexProcessOrderKey);
}

std::shared_ptr<IKalvexGenAssignments> KalvexProcess::generatorAssignments() const
{
    if (!m_assignments && partOnUse(m_assignments, &classCreate_KalvexGenAssignments)) {
        // The process collection hands its variable set to the assignments it knows of.
        if (auto coll = objectCast<IKalvexProcesses>(parent()))
            m_assignments->setEnvirVars(coll->envirVars());
    }
    return m_assignments;
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
    if (const QString key = other->orderKey()->encoded(); m_orderKey || !key.isEmpty())
        orderKey()->setEncoded(key);
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

    auto theirs = other->generatorAssignments();
    if (m_assignments || theirs->count() > 0)
        copySiteAssignments(*generatorAssignments(), *theirs, &classCreate_KalvexGenAssignment);
}

void KalvexProcess::initialize()
{
    resetEntry();
    m_distribName.clear();
    m_processType = PROC_SINGLE;
    if (m_orderKey)
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
    if (m_assignments)
        m_assignments->initialize();
    bumpModelGeneration();
    setModified(0);
}

} // namespace kalvex
