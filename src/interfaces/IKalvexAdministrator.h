// The administration database: the collections of output production.
#pragma once
#include "interfaces/IKalvexADMDbStatus.h"
#include "interfaces/IKalvexDistributor.h"
#include "interfaces/IKalvexErrorFilter.h"
#include "interfaces/IKalvexFileType.h"
#include "interfaces/IKalvexProdClass.h"
#include "interfaces/IKalvexProdSite.h"

namespace kalvex {

class IKalvexGenerators;
class IKalvexProcesses;

// setInternalValue key: the database being loaded is a defaults file.
inline const QString SET_DEFAULTS_OBJECT_FLAG = QStringLiteral("SET_DEFAULTS_OBJECT_FLAG");

class IKalvexAdministrator : public virtual IKalvexObject {
public:
    virtual std::shared_ptr<IKalvexADMDbStatus> statusInfo() const = 0;
    virtual std::shared_ptr<IKalvexErrorFilters> errorFilters() const = 0;
    virtual std::shared_ptr<IKalvexProcesses> processes() const = 0;
    virtual std::shared_ptr<IKalvexGenerators> generators() const = 0;
    virtual std::shared_ptr<IKalvexDistributors> distributors() const = 0;
    virtual std::shared_ptr<IKalvexFileTypes> fileTypes() const = 0;
    virtual std::shared_ptr<IKalvexProdSites> productionSites() const = 0;
    virtual std::shared_ptr<IKalvexProdClasses> productClasses() const = 0;

    // The database's variable set; a new one is handed to every collection.
    virtual std::shared_ptr<IBrenloEnvirVars> envirVars() const = 0;
    virtual void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) = 0;

    // General parameters.
    virtual QString resetTriggerFile() const = 0;
    virtual void setResetTriggerFile(const QString& path) = 0;
    virtual QString objInitDate() const = 0;
    virtual void setObjInitDate(const QString& date) = 0;
    // Recorded by SET_DEFAULTS_OBJECT_FLAG.
    virtual bool defaultsObjectFlag() const = 0;

    // Empties every collection and resets the status; change count 0.
    virtual void initialize() = 0;
};

using IKalvexAdministratorPtr = std::shared_ptr<IKalvexAdministrator>;

} // namespace kalvex
