// The process enumerator and its parameters.
#pragma once
#include <cstdint>
#include <vector>

#include "interfaces/IKalvexProcessEnumerator.h"

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

private:
    template <typename T>
    void set(T& field, T value);

    std::shared_ptr<IKalvexEnumObjectList> m_sites;
    bool m_mustGenerate = false;
    bool m_regular = true;
    bool m_masterInit = true;
    bool m_variantInit = true;
    int m_use = ENUM_USE_ANY;
};

class KalvexProcessEnumerator : public IKalvexProcessEnumerator {
public:
    explicit KalvexProcessEnumerator(const std::shared_ptr<IKalvexProcesses>& processes);
    void initialize() override;
    std::shared_ptr<IKalvexProcessEnumParms> enumParms() const override { return m_parms; }
    int count() const override;
    IKalvexProcessPtr item(int position) const override;

private:
    void refresh() const;
    bool passes(const IKalvexProcess& p) const;

    std::weak_ptr<IKalvexProcesses> m_processes;
    std::shared_ptr<KalvexProcessEnumParms> m_parms;
    mutable std::vector<std::weak_ptr<IKalvexProcess>> m_result;
    mutable std::uint64_t m_builtAt = 0;
};

} // namespace kalvex
