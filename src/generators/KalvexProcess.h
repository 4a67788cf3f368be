// A process of the administration database.
#pragma once
#include "foundation/KalvexAdmEntryImpl.h"
#include "foundation/KalvexOwnerImpl.h"
#include "interfaces/IKalvexProcess.h"

namespace kalvex {

class KalvexProcess : public KalvexOwnerImpl<KalvexAdmEntryImpl<IKalvexProcess>> {
public:
    QString className() const override { return QStringLiteral("KalvexProcess"); }
    QString objectKind() const override { return QStringLiteral("PROCESS"); }

    QString distribName() const override { return m_distribName; }
    void setDistribName(const QString& name) override { upd(m_distribName, name, QStringLiteral("distribName")); }
    int processType() const override { return m_processType; }
    void setProcessType(int type) override { upd(m_processType, type, QStringLiteral("processType")); }
    // Made on first use.
    IKalvexProcessOrderKeyPtr orderKey() const override;
    int layerType() const override { return m_layerType; }
    void setLayerType(int type) override { upd(m_layerType, type, QStringLiteral("layerType")); }
    int layerFrom() const override { return m_layerFrom; }
    void setLayerFrom(int layer) override { upd(m_layerFrom, layer, QStringLiteral("layerFrom")); }
    int layerTo() const override { return m_layerTo; }
    void setLayerTo(int layer) override { upd(m_layerTo, layer, QStringLiteral("layerTo")); }
    bool shareData() const override { return m_shareData; }
    void setShareData(bool on) override { upd(m_shareData, on, QStringLiteral("shareData")); }
    bool regenForVariant() const override { return m_regenForVariant; }
    void setRegenForVariant(bool on) override { upd(m_regenForVariant, on, QStringLiteral("regenForVariant")); }
    int processUse() const override { return m_processUse; }
    void setProcessUse(int use) override { upd(m_processUse, use, QStringLiteral("processUse")); }

    std::shared_ptr<IKalvexProcess> processParent() const override { return m_parentProcess.lock(); }
    void setProcessParent(const std::shared_ptr<IKalvexProcess>& process) override;
    std::shared_ptr<IKalvexProcess> processPrereq() const override { return m_prereq.lock(); }
    void setProcessPrereq(const std::shared_ptr<IKalvexProcess>& process) override;
    std::shared_ptr<IKalvexFileType> fileType() const override { return m_fileType.lock(); }
    void setFileType(const std::shared_ptr<IKalvexFileType>& type) override
    {
        updRef(m_fileType, type, QStringLiteral("fileType"));
    }
    std::shared_ptr<IKalvexProdClass> productClass() const override { return m_productClass.lock(); }
    void setProductClass(const std::shared_ptr<IKalvexProdClass>& cls) override
    {
        updRef(m_productClass, cls, QStringLiteral("productClass"));
    }
    // Made on first use, with the variable set of the process collection.
    std::shared_ptr<IKalvexGenAssignments> generatorAssignments() const override;
    // The assignments when made already, or null (no object is made).
    const std::shared_ptr<IKalvexGenAssignments>& assignmentsIfMade() const { return m_assignments; }

    void clone(const std::shared_ptr<IKalvexProcess>& other) override;
    void initialize() override;

    static std::shared_ptr<KalvexProcess> create();

protected:
    std::vector<std::shared_ptr<IKalvexObject>> ownedParts() const override { return {m_orderKey, m_assignments}; }

private:
    QString m_distribName;
    int m_processType = PROC_SINGLE;
    mutable IKalvexProcessOrderKeyPtr m_orderKey;
    int m_layerType = 0;
    int m_layerFrom = 0;
    int m_layerTo = 0;
    bool m_shareData = false;
    bool m_regenForVariant = false;
    int m_processUse = PROCESS_USE_MASTER | PROCESS_USE_VARIANT;
    std::weak_ptr<IKalvexProcess> m_parentProcess;
    std::weak_ptr<IKalvexProcess> m_prereq;
    std::weak_ptr<IKalvexFileType> m_fileType;
    std::weak_ptr<IKalvexProdClass> m_productClass;
    mutable std::shared_ptr<IKalvexGenAssignments> m_assignments;
};

std::shared_ptr<IKalvexProcess> classCreate_KalvexProcess();

} // namespace kalvex
