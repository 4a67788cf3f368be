// A process's generator for one production site, and their collection.
#pragma once
#include "foundation/KalvexItemsImpl.h"
#include "foundation/KalvexModelObject.h"
#include "interfaces/IKalvexGenAssignment.h"

namespace kalvex {

class KalvexGenAssignment : public KalvexModelObject, public IKalvexGenAssignment {
public:
    QString className() const override { return QStringLiteral("KalvexGenAssignment"); }
    QString objectKind() const override { return QStringLiteral("GEN_ASSIGNMENT"); }

    IKalvexProdSitePtr productionSite() const override { return m_site.lock(); }
    void setProductionSite(const IKalvexProdSitePtr& site) override;
    std::shared_ptr<IKalvexGenerator> generator() const override { return m_generator.lock(); }
    void setGenerator(const std::shared_ptr<IKalvexGenerator>& generator) override
    {
        updRef(m_generator, generator, QStringLiteral("generator"));
    }
    bool inUse() const override { return m_inUse; }
    void setInUse(bool on) override { upd(m_inUse, on, QStringLiteral("inUse")); }
    QString additionalGenParms() const override { return m_parms; }
    void setAdditionalGenParms(const QString& text) override
    {
        upd(m_parms, text, QStringLiteral("additionalGenParms"));
    }
    void clone(const std::shared_ptr<IKalvexGenAssignment>& other) override;
    void initialize() override;

private:
    std::weak_ptr<IKalvexProdSite> m_site;
    std::weak_ptr<IKalvexGenerator> m_generator;
    bool m_inUse = false;
    QString m_parms;
};

class KalvexGenAssignments : public KalvexItemsImpl<IKalvexGenAssignment, IKalvexGenAssignments> {
public:
    QString className() const override { return QStringLiteral("KalvexGenAssignments"); }
    QString objectKind() const override { return QStringLiteral("GEN_ASSIGNMENTS"); }
    std::shared_ptr<IBrenloEnvirVars> envirVars() const override { return m_envirVars; }
    void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) override { m_envirVars = vars; }
    void updateSites(const std::shared_ptr<IKalvexProdSites>& sites) override;

protected:
    QString keyOf(const ItemPtr& it) const override;
    bool keysTracked() const override { return false; }
    bool sortSupported(int sortOrder) const override { return sortOrder == SORT_PRODUCTION_SITE; }
    bool sortLess(int, const ItemPtr& a, const ItemPtr& b) const override;

private:
    std::shared_ptr<IBrenloEnvirVars> m_envirVars;
};

std::shared_ptr<IKalvexGenAssignment> classCreate_KalvexGenAssignment();
std::shared_ptr<IKalvexGenAssignments> classCreate_KalvexGenAssignments();

} // namespace kalvex
