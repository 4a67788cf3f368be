#include "tasks/KalvexTask.h"

namespace kalvex {

QString morvObjs_taskStatusText(int status)
{
    switch (status) {
    case TASK_GENERATE: return QStringLiteral("Generate");
    case TASK_REGENERATE: return QStringLiteral("Regenerate");
    case TASK_OK: return QStringLiteral("OK");
    case TASK_WARNINGS: return QStringLiteral("Warnings");
    case TASK_ERRORS: return QStringLiteral("Errors");
    case TASK_ERRORS_WARNINGS: return QStringLiteral("Errors and warnings");
    case TASK_CHILD_FAILED: return QStringLiteral("Child task failed");
    case TASK_PREREQ_MISSING: return QStringLiteral("Prerequisite task missing");
    case TASK_PREREQ_NOT_GENERATED: return QStringLiteral("Prerequisite not generated");
    case TASK_PREREQ_FAILED: return QStringLiteral("Prerequisite failed");
    case TASK_PREREQ_OUTDATED: return QStringLiteral("Prerequisite out of date");
    default: return QStringLiteral("Unknown status ") + QString::number(status);
    }
}

void KalvexTask::setProcess(const IKalvexProcessPtr& process)
{
    updRef(m_process, process, QStringLiteral("process"));
}

void KalvexTask::setProductionSite(const IKalvexProdSitePtr& site)
{
    updRef(m_site, site, QStringLiteral("productionSite"));
}

bool KalvexTask::isParent() const
{
    auto p = m_process.lock();
    return p && p->processType() == PROC_PARENT;
}

void KalvexTask::setInfoLines(const QStringList& lines)
{
    if (lines == m_info)
        return;
    const QStringList old = m_info;
    m_info = lines;
    setModified(1);
    raiseEvent(EV_CHANGE, QStringLiteral("infoLines"), old, lines);
}

void KalvexTask::getStatusInfo(int& status, int& numErrors, int& numWarnings, QString& statusText,
                               QStringList& infoLines) const
{
    status = m_status;
    numErrors = m_errors;
    numWarnings = m_warnings;
    statusText = morvObjs_taskStatusText(m_status);
    infoLines = m_info;
}

void KalvexTask::clone(const std::shared_ptr<IKalvexTask>& other)
{
    if (!other || other.get() == this)
        return;
    setProcess(other->process());
    setProductionSite(other->productionSite());
    setStatus(other->status());
    setNumErrors(other->numErrors());
    setNumWarnings(other->numWarnings());
    setInfoLines(other->infoLines());
    setGenDate(other->genDate());
}

void KalvexTask::initialize()
{
    m_process.reset();
    m_site.reset();
    m_status = TASK_GENERATE;
    m_errors = m_warnings = 0;
    m_info.clear();
    m_genDate.clear();
    bumpModelGeneration();
    setModified(0);
}

std::shared_ptr<IKalvexTask> classCreate_KalvexTask() { return std::make_shared<KalvexTask>(); }

} // namespace kalvex
