#include "generators/KalvexProcessEnumerator.h"

#include "foundation/KalvexEnumObjectList.h"
#include "foundation/modelGeneration.h"
#include "generators/KalvexProcessOrderKey.h"

namespace kalvex {

namespace {

enum Section { REGULAR, MASTER_INIT, VARIANT_INIT };

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
    bumpModelGeneration();
}

void KalvexProcessEnumParms::initialize()
{
    m_sites->clear();
    m_mustGenerate = false;
    m_regular = m_masterInit = m_variantInit = true;
    m_use = ENUM_USE_ANY;
    bumpModelGeneration();
}

KalvexProcessEnumerator::KalvexProcessEnumerator(const std::shared_ptr<IKalvexProcesses>& processes)
    : m_processes(processes), m_parms(std::make_shared<KalvexProcessEnumParms>())
{
}

void KalvexProcessEnumerator::initialize()
{
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

bool KalvexProcessEnumerator::passes(const IKalvexProcess& p) const
{
    const int use = m_parms->processUse();
    if ((use == ENUM_USE_MASTER || use == ENUM_USE_VARIANT) && !(p.processUse() & use))
        return false;
    // Groups and headers stay, so the enumeration keeps the tree's shape.
    if (!isSingle(p.processType()))
        return true;
    if (m_parms->mustGenerateDatafile() && !p.fileType())
        return false;
    auto sites = m_parms->productionSites();
    if (sites->count() == 0)
        return true;
    auto assignments = p.generatorAssignments();
    for (int i = 1; i <= sites->count(); ++i) {
        auto site = std::dynamic_pointer_cast<IKalvexProdSite>(sites->item(i));
        if (!site)
            continue;
        auto a = assignments->item(site->id());
        if (a && a->inUse() && a->productionSite() == site)
            return true;
    }
    return false;
}

void KalvexProcessEnumerator::refresh() const
{
    if (m_builtAt == modelGeneration() && !m_processes.expired())
        return;
    m_result.clear();
    auto processes = m_processes.lock();
    if (processes) {
        // Walk the tree in order-key order, keeping the chain of open
        // ancestors: a process belongs to the section of the header above it.
        struct Open {
            IKalvexProcessOrderKeyPtr key;
            Section section;
        };
        std::vector<Open> open;
        for (int i = 1; i <= processes->count(); ++i) {
            auto p = processes->item(i, SORT_ORDER_KEY);
            auto key = p->orderKey();
            while (!open.empty() && !orderKeyContains(*open.back().key, *key))
                open.pop_back();
            Section section = open.empty() ? REGULAR : open.back().section;
            if (p->processType() == PROC_HDR_MASTER_INIT)
                section = MASTER_INIT;
            else if (p->processType() == PROC_HDR_VAR_INIT)
                section = VARIANT_INIT;
            open.push_back({key, section});

            const bool included = section == MASTER_INIT    ? m_parms->includeMasterInit()
                                  : section == VARIANT_INIT ? m_parms->includeVariantInit()
                                                            : m_parms->includeRegular();
            if (included && passes(*p))
                m_result.push_back(p);
        }
    }
    m_builtAt = modelGeneration();
}

} // namespace kalvex
