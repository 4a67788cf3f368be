// A distributor's setting for one production site, and their collection.
#pragma once
#include "foundation/KalvexItemsImpl.h"
#include "foundation/KalvexModelObject.h"
#include "interfaces/IKalvexPsiteAssignment.h"

namespace kalvex {

class KalvexPsiteAssignment : public KalvexModelObject, public IKalvexPsiteAssignment {
public:
    QString className() const override { return QStringLiteral("KalvexPsiteAssignment"); }
    QString objectKind() const override { return QStringLiteral("PSITE_ASSIGNMENT"); }

    IKalvexProdSitePtr productionSite() const override { return m_site.lock(); }
    void setProductionSite(const IKalvexProdSitePtr& site) override;
    bool inUse() const override { return m_inUse; }
    void setInUse(bool on) override { upd(m_inUse, on, QStringLiteral("inUse")); }
    QString additionalParms() const override { return m_parms; }
    void setAdditionalParms(const QString& text) override { upd(m_parms, text, QStringLiteral("additionalParms")); }
    void clone(const std::shared_ptr<IKalvexPsiteAssignment>& other) override;
    void initialize() override;

private:
    std::weak_ptr<IKalvexProdSite> m_site;
    bool m_inUse = false;
    QString m_parms;
};

class KalvexPsiteAssignments : public KalvexItemsImpl<IKalvexPsiteAssignment, IKalvexPsiteAssignments> {
public:
    QString className() const override { return QStringLiteral("KalvexPsiteAssignments"); }
    QString objectKind() const override { return QStringLiteral("PSITE_ASSIGNMENTS"); }
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

std::shared_ptr<IKalvexPsiteAssignment> classCreate_KalvexPsiteAssignment();
std::shared_ptr<IKalvexPsiteAssignments> classCreate_KalvexPsiteAssignments();

} // namespace kalvex
