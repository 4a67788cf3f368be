// The administration database. It owns its collections and the status
// object, and is the internal event raiser of its seven collections: every
// change stamps the modification date of its category (and of the database),
// and adding or removing a production site, process or distributor brings
// the per-site assignments up to date.
#pragma once
#include "admin/KalvexADMDbStatus.h"
#include "foundation/KalvexModelObject.h"
#include "interfaces/IKalvexAdministrator.h"

namespace kalvex {

// The reset-trigger file of a new database.
inline const QString DEFAULT_RESET_TRIGGER_FILE = QStringLiteral("${KVX_JOB_PCB_PATH}\\layout\\LayoutDB.lyt");

class KalvexAdministrator : public KalvexModelObject, public IKalvexAdministrator, public IBrenloEventRaiser {
public:
    QString className() const override { return QStringLiteral("KalvexAdministrator"); }
    QString objectKind() const override { return QStringLiteral("ADMIN_DB"); }

    std::shared_ptr<IKalvexADMDbStatus> statusInfo() const override { return m_status; }
    std::shared_ptr<IKalvexErrorFilters> errorFilters() const override { return m_errorFilters; }
    std::shared_ptr<IKalvexProcesses> processes() const override { return m_processes; }
    std::shared_ptr<IKalvexGenerators> generators() const override { return m_generators; }
    std::shared_ptr<IKalvexDistributors> distributors() const override { return m_distributors; }
    std::shared_ptr<IKalvexFileTypes> fileTypes() const override { return m_fileTypes; }
    std::shared_ptr<IKalvexProdSites> productionSites() const override { return m_prodSites; }
    std::shared_ptr<IKalvexProdClasses> productClasses() const override { return m_prodClasses; }

    std::shared_ptr<IBrenloEnvirVars> envirVars() const override { return m_envirVars; }
    void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) override;

    QString resetTriggerFile() const override { return m_resetTrigger; }
    void setResetTriggerFile(const QString& path) override;
    QString objInitDate() const override { return m_objInitDate; }
    void setObjInitDate(const QString& date) override;
    bool defaultsObjectFlag() const override { return m_defaultsFlag; }

    void initialize() override;

    // SET_DEFAULTS_OBJECT_FLAG (a Boolean) answers 1; the raiser keys as
    // every object; -1 for anything else.
    int setInternalValue(const QString& key, const QVariant& value) override;
    // Kept weakly; a different one goes to the file types, generators,
    // processes, product classes, production sites and the status object.
    void setMessagesObj(QObject* sink) override;

    // The internal raiser of the collections.
    void queueEvent(const QString& eventType, const QString& senderType, const BrenloEventParams& params) override;

    static std::shared_ptr<KalvexAdministrator> create();

private:
    // The category (object-type code) of the collection an object lies in; 0 none.
    int categoryOf(const IKalvexObject* object) const;
    void updateSiteAssignments();
    void stampNow(int category);

    std::shared_ptr<IKalvexGenerators> m_generators;
    std::shared_ptr<IKalvexProdSites> m_prodSites;
    std::shared_ptr<IKalvexFileTypes> m_fileTypes;
    std::shared_ptr<IKalvexProdClasses> m_prodClasses;
    std::shared_ptr<IKalvexProcesses> m_processes;
    std::shared_ptr<KalvexADMDbStatus> m_status;
    std::shared_ptr<IKalvexErrorFilters> m_errorFilters;
    std::shared_ptr<IKalvexDistributors> m_distributors;
    std::shared_ptr<IBrenloEnvirVars> m_envirVars;
    QString m_resetTrigger = DEFAULT_RESET_TRIGGER_FILE;
    QString m_objInitDate;
    bool m_defaultsFlag = false;
};

std::shared_ptr<IKalvexAdministrator> classCreate_KalvexAdministrator();

} // namespace kalvex
