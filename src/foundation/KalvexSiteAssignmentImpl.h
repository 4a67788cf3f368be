// Shared implementation of the per-site assignments (a distributor's and a
// process's): keyed by their production site, with an in-use flag and extra
// parameters, held in a collection kept in step with the sites.
#pragma once
#include "foundation/siteAssignments.h"
#include "foundation/KalvexItemsImpl.h"
#include "foundation/KalvexKeyedItemImpl.h"
#include "interfaces/IBrenloEnvirVars.h"

namespace kalvex {

template <typename IFace>
class KalvexSiteAssignmentImpl : public KalvexKeyedItemImpl, public IFace {
public:
    IKalvexProdSitePtr productionSite() const override { return m_site.lock(); }
    void setProductionSite(const IKalvexProdSitePtr& site) override
    {
        // The site is this assignment's key in its collection.
        if (site && keyTaken(site->id()))
            return;
        updRef(m_site, site, QStringLiteral("productionSite"));
        keyMoved();
    }
    bool inUse() const override { return m_inUse; }
    void setInUse(bool on) override { upd(m_inUse, on, QStringLiteral("inUse")); }

protected:
    // The extra parameters; each kind names the property its own way.
    QString parms() const { return m_parms; }
    void setParms(const QString& text, const QString& property) { upd(m_parms, text, property); }
    // The values of an assignment nobody holds yet, stored as given.
    void initSiteValues(const IKalvexProdSitePtr& site, bool inUse, const QString& parms)
    {
        m_site = site;
        m_inUse = inUse;
        m_parms = parms;
    }
    // Values of a new assignment; the site stays.
    void resetSiteValues()
    {
        m_inUse = false;
        m_parms.clear();
    }

private:
    std::weak_ptr<IKalvexProdSite> m_site;
    bool m_inUse = false;
    QString m_parms;
};

// Item is the concrete assignment class the collection adds for a new site.
template <typename IItem, typename IColl, typename Item>
class KalvexSiteAssignmentsImpl : public KalvexItemsImpl<IItem, IColl> {
public:
    using ItemPtr = std::shared_ptr<IItem>;

    std::shared_ptr<IBrenloEnvirVars> envirVars() const override { return m_envirVars; }
    void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) override { m_envirVars = vars; }
    void updateSites(const std::shared_ptr<IKalvexProdSites>& sites) override
    {
        updateSiteAssignments(*this, sites, [] { return ItemPtr(std::make_shared<Item>()); });
    }

protected:
    QString keyOf(const ItemPtr& it) const override
    {
        auto site = it->productionSite();
        return site ? site->id() : QString();
    }
    bool sortSupported(int sortOrder) const override { return sortOrder == SORT_PRODUCTION_SITE; }
    bool sortLess(int, const ItemPtr& a, const ItemPtr& b) const override { return siteOrderLess(a, b); }

private:
    std::shared_ptr<IBrenloEnvirVars> m_envirVars;
};

} // namespace kalvex
