// The process enumerator and its parameters.
#pragma once
#include <cstdint>
#include <vector>

#include "interfaces/IKalvexProcessEnumerator.h"
#include "interfaces/IKalvexProdSite.h"

namespace kalvex {

class KalvexProcessEnumParms : public IKalvexProcessEnumParms {
public:
    KalvexProcessEnumParms();
    std::shared_ptr<IKalvexEnumObjectList> productionSites() const override { return m_sites; }
    bool mustGenerateDatafile() const override { return m_mustGenerate; }
    void setMustGenerateDatafile(bool on) override { set(m_mustGenerate, on); }
    bool includeRegular() const override { return m_regular; }
    void setIncludeRegular(bool on) override { set(m_regular, on); }
    bool includeMasterInit() const override { return m_masterInit; }
    void setIncludeMasterInit(bool on) override { set(m_masterInit, on); }
    bool includeVariantInit() const override { return m_variantInit; }
    void setIncludeVariantInit(bool on) override { set(m_variantInit, on); }
    int processUse() const override { return m_use; }
    void setProcessUse(int use) override { set(m_use, use); }
    void initialize() override;
    // Counts changes of the parameters above; the site list counts its own
    // changes as model changes.
    std::uint64_t revision() const { return m_revision; }

private:
    template <typename T>
    void set(T& field, T value);

    std::shared_ptr<IKalvexEnumObjectList> m_sites;
    bool m_mustGenerate = false;
    bool m_regular = true;
    bool m_masterInit = true;
    bool m_variantInit = true;
    int m_use = ENUM_USE_ANY;
    std::uint64_t m_revision = 1;
};

class KalvexProcessEnumerator : public IKalvexProcessEnumerator {
public:
    explicit KalvexProcessEnumerator(const std::shared_ptr<IKalvexProcesses>& processes);
    void initialize() override;
    std::shared_ptr<IKalvexProcessEnumParms> enumParms() const override { return m_parms; }
    int count() const override;
    IKalvexProcessPtr item(int position) const override;

private:
    enum Section : unsigned char { REGULAR, MASTER_INIT, VARIANT_INIT };
    struct Walked {
        std::weak_ptr<IKalvexProcess> process;
        Section section;
    };

    void refresh() const;
    // The processes in order-key order with their sections, sorted once
    // per model generation.
    void walk() const;
    bool passes(const IKalvexProcess& p, const std::vector<IKalvexProdSitePtr>& sites) const;

    std::weak_ptr<IKalvexProcesses> m_processes;
    std::shared_ptr<KalvexProcessEnumParms> m_parms;
    mutable std::vector<Walked> m_walk;
    mutable std::uint64_t m_walkedAt = 0;
    mutable std::vector<std::weak_ptr<IKalvexProcess>> m_result;
    mutable std::uint64_t m_builtAt = 0;
    mutable std::uint64_t m_builtForParms = 0;
    // Sites held weakly can go without a model change.
    mutable int m_builtForSites = 0;
};

} // namespace kalvex
