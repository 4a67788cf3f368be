// A filtered view of the processes in order-key order.
#pragma once
#include "interfaces/IKalvexEnumObjectList.h"
#include "interfaces/IKalvexProcess.h"

namespace kalvex {

// Values of IKalvexProcessEnumParms::processUse.
constexpr int ENUM_USE_ANY = 0;
constexpr int ENUM_USE_MASTER = 1;
constexpr int ENUM_USE_VARIANT = 2;
constexpr int ENUM_USE_INIT = 3;

class IKalvexProcessEnumParms {
public:
    virtual ~IKalvexProcessEnumParms() = default;
    // Sites a single process must have a generator in use for (any of them);
    // empty: no site filter.
    virtual std::shared_ptr<IKalvexEnumObjectList> productionSites() const = 0;
    // Single processes only when they produce a data file (have a file type).
    virtual bool mustGenerateDatafile() const = 0;
    virtual void setMustGenerateDatafile(bool on) = 0;
    // The three sections of the tree: regular processes, the master
    // initialisation header (type 13) with what is nested below it, the
    // variant initialisation header (type 12) with what is below it.
    virtual bool includeRegular() const = 0;
    virtual void setIncludeRegular(bool on) = 0;
    virtual bool includeMasterInit() const = 0;
    virtual void setIncludeMasterInit(bool on) = 0;
    virtual bool includeVariantInit() const = 0;
    virtual void setIncludeVariantInit(bool on) = 0;
    // ENUM_USE_*: master or variant keep the processes whose processUse has
    // that bit; any and initialisation keep every process.
    virtual int processUse() const = 0;
    virtual void setProcessUse(int use) = 0;
    // Everything included, no filter.
    virtual void initialize() = 0;
};

class IKalvexProcessEnumerator {
public:
    virtual ~IKalvexProcessEnumerator() = default;
    // Resets the enumeration and its parameters.
    virtual void initialize() = 0;
    virtual std::shared_ptr<IKalvexProcessEnumParms> enumParms() const = 0;
    // Built at first use and again whenever the model or the parameters changed.
    virtual int count() const = 0;
    // 1 to count, in order-key order; no object out of range.
    virtual IKalvexProcessPtr item(int position) const = 0;
};

} // namespace kalvex
