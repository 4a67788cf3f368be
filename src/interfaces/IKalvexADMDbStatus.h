// The administration database's status: version and the date of the last
// change of each object category.
#pragma once
#include "interfaces/IKalvexObject.h"

namespace kalvex {

// Object-type codes (morvObjs_objTypeToStr).
enum KalvexObjType {
    OBJ_ADMIN_DB = 1,
    OBJ_PROCESS = 2,
    OBJ_FILE_TYPE = 3,
    OBJ_PRODUCT_CLASS = 4,
    OBJ_PRODUCTION_SITE = 5,
    OBJ_ERROR_FILTER = 6,
    OBJ_DISTRIBUTOR = 7,
    OBJ_GENERATOR = 8,
    OBJ_JOB_VIACOUNT = 9,
    OBJ_LOCAL_ADMIN_DB_STATUS = 10,
};

class IKalvexADMDbStatus : public virtual IKalvexObject {
public:
    virtual int dbVersion() const = 0;
    virtual void setDbVersion(int v) = 0;
    virtual int dbRevision() const = 0;
    virtual void setDbRevision(int v) = 0;
    virtual int dbSubRevision() const = 0;
    virtual void setDbSubRevision(int v) = 0;
    virtual int dbType() const = 0;
    virtual void setDbType(int v) = 0;
    virtual int maxLayers() const = 0;
    virtual void setMaxLayers(int v) = 0;
    // "d mmm yyyy h:mm:ss" of the last change of that category; empty when none.
    virtual QString modificationDate(int objType) const = 0;
    // Counted change (readers suspend tracking).
    virtual void setModificationDate(int objType, const QString& date) = 0;
    // The codes that carry a date, ascending.
    virtual QList<int> modificationDateTypes() const = 0;
    virtual void clone(const std::shared_ptr<IKalvexADMDbStatus>& other) = 0;
    virtual void initialize() = 0;
};

} // namespace kalvex
