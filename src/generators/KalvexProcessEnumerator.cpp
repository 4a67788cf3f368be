#include "generators/KalvexProcessEnumerator.h"

#include "foundation/KalvexEnumObjectList.h"
#include "foundation/modelGeneration.h"
#include "generators/KalvexProcessOrderKey.h"

namespace kalvex {

namespace {

bool isSingle(int processType) { return processType == PROC_SINGLE || processType == PROC_CHILD; }

} // namespace

KalvexProcessEnumParms::KalvexProcessEnumParms()
    : m_sites(classCreate_KalvexEnumObjectList<IKalvexProdSite>())
{
}

template <typename T>
void KalvexProcessEnumParms::set(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    // Only the enumeration hears of it: no sorted view elsewhere depends on it.
    ++m_revision;
}

void KalvexProcessEnumParms::initialize()
{
    // Emptying the site list counts as a model change; an empty one stays.
    if (m_sites->count() > 0)
        m_sites->clear();
    m_mustGenerate = false;
    m_regular = m_masterInit = m_variantInit = true;
    m_use = ENUM_USE_ANY;
    ++m_revision;
}

KalvexProcessEnumerator::KalvexProcessEnumerator(const std::shared_ptr<IKalvexProcesses>& processes)
    : m_processes(processes), m_parms(std::make_shared<KalvexProcessEnumParms>())
{
}

void KalvexProcessEnumerator::initialize()
{
    // The walk in key order stays: it depends on the processes alone.
    m_parms->initialize();
    m_result.clear();
    m_builtAt = 0;
}

int KalvexProcessEnumerator::count() const
{
    refresh();
    return static_cast<int>(m_result.size());
}

IKalvexProcessPtr KalvexProcessEnumerator::item(int position) const
{
    refresh();
    if (position < 1 || position > static_cast<int>(m_result.size()))
        return nullptr;
    return m_result[static_cast<size_t>(position - 1)].lock();
}

bool KalvexProcessEnumerator::passes(const IKalvexProcess& p, const std::vector<IKalvexProdSitePtr>& sites) const
{
    const int use = m_parms->processUse();
    if ((use == ENUM_USE_MASTER || use == ENUM_USE_VARIANT) && !(p.processUse() & use))
        return false;
    // Groups and headers stay, so the enumeration keeps the tree's shape.
    if (!isSingle(p.processType()))
        return true;
    if (m_parms->mustGenerateDatafile() && !p.fileType())
        return false;
    if (sites.empty())
        return true;
    auto assignments = p.generatorAssignments();
    for (const auto& site : sites) {
        auto a = assignments->item(site->id());
        if (a && a->inUse() && a->productionSite() == site)
            return true;
    }
    return false;
}

void KalvexProcessEnumerator::walk() const
{
    m_walk.clear();
    auto processes = m_processes.lock();
    if (!processes)
        return;
    // Walk the tree in order-key order, keeping the chain of open
    // ancestors: a process belongs to the section of the header above it.
    struct Open {
        IKalvexProcessOrderKeyPtr key;
        Section section;
    };
    std::vector<Open> open;
    const int n = processes->count();
    m_walk.reserve(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) {
        auto p = processes->item(i, SORT_ORDER_KEY);
        auto key = p->orderKey();
        while (!open.empty() && !orderKeyContains(*open.back().key, *key))
            open.pop_back();
        Section section = open.empty() ? REGULAR : open.back().section;
        if (p->processType() == PROC_HDR_MASTER_INIT)
            section = MASTER_INIT;
        else if (p->processType() == PROC_HDR_VAR_INIT)
            section = VARIANT_INIT;
        open.push_back({std::move(key), section});
        m_walk.push_back({p, section});
    }
}

void KalvexProcessEnumerator::refresh() const
{
    // The model generation moves with any change of the processes, their
    // keys or what the filters read; the parameters count their own.
    const std::uint64_t generation = modelGeneration();
    const auto list = m_parms->productionSites();
    if (m_builtAt == generation && m_builtForParms == m_parms->revision() && m_builtForSites == list->count()
        && !m_processes.expired())
        return;
    if (m_walkedAt != generation || m_processes.expired()) {
        walk();
        m_walkedAt = generation;
    }
    // The sites are read once per build, not once per process.
    std::vector<IKalvexProdSitePtr> sites;
    for (int i = 1; i <= list->count(); ++i)
        if (auto site = std::dynamic_pointer_cast<IKalvexProdSite>(list->item(i)))
            sites.push_back(std::move(site));

    m_result.clear();
    for (const Walked& w : m_walk) {
        const bool included = w.section == MASTER_INIT    ? m_parms->includeMasterInit()
                              : w.section == VARIANT_INIT ? m_parms->includeVariantInit()
                                                          : m_parms->includeRegular();
        if (!included)
            continue;
        auto p = w.process.lock();
        if (p && passes(*p, sites))
            m_result.push_back(p);
    }
    m_builtAt = generation;
    m_builtForParms = m_parms->revision();
    m_builtForSites = list->count();
}

} // namespace kalvex
