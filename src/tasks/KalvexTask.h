// A task of a task list.
#pragma once
#include "foundation/KalvexKeyedItemImpl.h"
#include "interfaces/IKalvexTask.h"

namespace kalvex {

class KalvexTask : public KalvexKeyedItemImpl, public IKalvexTask {
public:
    QString className() const override { return QStringLiteral("KalvexTask"); }
    QString objectKind() const override { return QStringLiteral("TASK"); }

    QString id() const override { return m_id; }
    bool setId(const QString& id) override { return updId(m_id, id); }
    IKalvexProcessPtr process() const override { return m_process.lock(); }
    void setProcess(const IKalvexProcessPtr& process) override;
    IKalvexProdSitePtr productionSite() const override { return m_site.lock(); }
    void setProductionSite(const IKalvexProdSitePtr& site) override;
    bool isParent() const override;

    int status() const override { return m_status; }
    void setStatus(int status) override { upd(m_status, status, QStringLiteral("status")); }
    int numErrors() const override { return m_errors; }
    void setNumErrors(int n) override { upd(m_errors, n, QStringLiteral("numErrors")); }
    int numWarnings() const override { return m_warnings; }
    void setNumWarnings(int n) override { upd(m_warnings, n, QStringLiteral("numWarnings")); }
    QStringList infoLines() const override { return m_info; }
    void setInfoLines(const QStringList& lines) override;
    QString genDate() const override { return m_genDate; }
    void setGenDate(const QString& date) override { upd(m_genDate, date.trimmed(), QStringLiteral("genDate")); }

    void getStatusInfo(int& status, int& numErrors, int& numWarnings, QString& statusText,
                       QStringList& infoLines) const override;
    void clone(const std::shared_ptr<IKalvexTask>& other) override;
    void initialize() override;

private:
    QString m_id;
    std::weak_ptr<IKalvexProcess> m_process;
    std::weak_ptr<IKalvexProdSite> m_site;
    int m_status = TASK_GENERATE;
    int m_errors = 0;
    int m_warnings = 0;
    QStringList m_info;
    QString m_genDate;
};

std::shared_ptr<IKalvexTask> classCreate_KalvexTask();

} // namespace kalvex
