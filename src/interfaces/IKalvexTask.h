// A task: one process run for one production site, and the task list.
#pragma once
#include <QStringList>

#include "interfaces/IKalvexProcess.h"

namespace kalvex {

// Task status codes.
constexpr int TASK_GENERATE = 400;
constexpr int TASK_REGENERATE = 401;
constexpr int TASK_OK = 1;
constexpr int TASK_WARNINGS = -100;
constexpr int TASK_ERRORS = -101;
constexpr int TASK_ERRORS_WARNINGS = -102;
constexpr int TASK_CHILD_FAILED = -50;
constexpr int TASK_PREREQ_MISSING = -60;
constexpr int TASK_PREREQ_NOT_GENERATED = -61;
constexpr int TASK_PREREQ_FAILED = -62;
constexpr int TASK_PREREQ_OUTDATED = -63;

class IKalvexTask : public virtual IKalvexObject {
public:
    virtual QString id() const = 0;
    // Trimmed; refused when empty or borne by another task of the list.
    virtual bool setId(const QString& id) = 0;
    // Both weak: no object once the process or site is gone.
    virtual IKalvexProcessPtr process() const = 0;
    virtual void setProcess(const IKalvexProcessPtr& process) = 0;
    virtual IKalvexProdSitePtr productionSite() const = 0;
    virtual void setProductionSite(const IKalvexProdSitePtr& site) = 0;
    // True when its process is a group (process type 2).
    virtual bool isParent() const = 0;

    // Task status code; TASK_GENERATE for a new task.
    virtual int status() const = 0;
    virtual void setStatus(int status) = 0;
    virtual int numErrors() const = 0;
    virtual void setNumErrors(int n) = 0;
    virtual int numWarnings() const = 0;
    virtual void setNumWarnings(int n) = 0;
    // What the last run reported, one line per entry.
    virtual QStringList infoLines() const = 0;
    virtual void setInfoLines(const QStringList& lines) = 0;
    // "d mmm yyyy h:mm:ss" of the last run; empty before the first.
    virtual QString genDate() const = 0;
    virtual void setGenDate(const QString& date) = 0;

    // Status, counts, the status text (morvObjs_taskStatusText) and the lines.
    virtual void getStatusInfo(int& status, int& numErrors, int& numWarnings, QString& statusText,
                               QStringList& infoLines) const = 0;
    // Copies every value but the id.
    virtual void clone(const std::shared_ptr<IKalvexTask>& other) = 0;
    virtual void initialize() = 0;
};

using IKalvexTaskPtr = std::shared_ptr<IKalvexTask>;

// Keyed by task id. Sort orders: SORT_PRODUCTION_SITE (site order, then the
// process's order key) and SORT_ORDER_KEY (process order key, then site order).
class IKalvexTasks : public IKalvexItemsOf<IKalvexTask> {
public:
    virtual QString description() const = 0;
    virtual void setDescription(const QString& text) = 0;
    virtual std::shared_ptr<IBrenloEnvirVars> envirVars() const = 0;
    virtual void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) = 0;
};

// The text of a task status code; "Unknown status <code>" for any other.
QString morvObjs_taskStatusText(int status);

} // namespace kalvex
