// A process: one kind of output to be produced, with its generator per site.
#pragma once
#include "interfaces/IKalvexFileType.h"
#include "interfaces/IKalvexGenAssignment.h"
#include "interfaces/IKalvexProcessOrderKey.h"
#include "interfaces/IKalvexProdClass.h"

namespace kalvex {

// Process types (the node types of morvObjs_treeNodeTypeStr).
enum KalvexProcessType {
    PROC_SINGLE = 1,
    PROC_PARENT = 2,  // a group of processes
    PROC_CHILD = 3,
    PROC_HDR_PROD_SITE = 10,
    PROC_EOL_MARKER = 11,
    PROC_HDR_VAR_INIT = 12,
    PROC_HDR_MASTER_INIT = 13,
    PROC_EMPTY_PARENT = 14,
    PROC_UNDEFINED = -1,
};

// Bits of a process's processUse: the designs it runs for.
constexpr int PROCESS_USE_MASTER = 1;
constexpr int PROCESS_USE_VARIANT = 2;

class IKalvexProcess : public IKalvexAdmEntry {
public:
    virtual QString distribName() const = 0;
    virtual void setDistribName(const QString& name) = 0;
    virtual int processType() const = 0;
    virtual void setProcessType(int type) = 0;
    // The same object on every call.
    virtual IKalvexProcessOrderKeyPtr orderKey() const = 0;
    // Layer codes shared with the job preferences.
    virtual int layerType() const = 0;
    virtual void setLayerType(int type) = 0;
    virtual int layerFrom() const = 0;
    virtual void setLayerFrom(int layer) = 0;
    virtual int layerTo() const = 0;
    virtual void setLayerTo(int layer) = 0;
    virtual bool shareData() const = 0;
    virtual void setShareData(bool on) = 0;
    virtual bool regenForVariant() const = 0;
    virtual void setRegenForVariant(bool on) = 0;
    // PROCESS_USE_* bits; 3 (both designs) for a new process.
    virtual int processUse() const = 0;
    virtual void setProcessUse(int use) = 0;

    // References, all weak: no object once the target is gone.
    virtual std::shared_ptr<IKalvexProcess> processParent() const = 0;
    virtual void setProcessParent(const std::shared_ptr<IKalvexProcess>& process) = 0;
    virtual std::shared_ptr<IKalvexProcess> processPrereq() const = 0;
    virtual void setProcessPrereq(const std::shared_ptr<IKalvexProcess>& process) = 0;
    virtual std::shared_ptr<IKalvexFileType> fileType() const = 0;
    virtual void setFileType(const std::shared_ptr<IKalvexFileType>& type) = 0;
    virtual std::shared_ptr<IKalvexProdClass> productClass() const = 0;
    virtual void setProductClass(const std::shared_ptr<IKalvexProdClass>& cls) = 0;

    virtual std::shared_ptr<IKalvexGenAssignments> generatorAssignments() const = 0;

    // Copies every value but the id: order key, references and assignments.
    virtual void clone(const std::shared_ptr<IKalvexProcess>& other) = 0;
};

using IKalvexProcessPtr = std::shared_ptr<IKalvexProcess>;

class IKalvexProcessEnumerator;

// item(position) is in order-key order (sort order 1).
class IKalvexProcesses : public IKalvexNamedItemsOf<IKalvexProcess> {
public:
    // The collection's enumerator, the same object on every call.
    virtual std::shared_ptr<IKalvexProcessEnumerator> enumerator() const = 0;
};

} // namespace kalvex
