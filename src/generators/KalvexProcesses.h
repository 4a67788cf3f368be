// The processes of the administration database.
#pragma once
#include "foundation/KalvexNamedItemsImpl.h"
#include "generators/KalvexProcess.h"

namespace kalvex {

class KalvexProcesses : public KalvexNamedItemsImpl<IKalvexProcess, IKalvexProcesses> {
public:
    QString className() const override { return QStringLiteral("KalvexProcesses"); }
    QString objectKind() const override { return QStringLiteral("PROCESSES"); }
    std::shared_ptr<IKalvexProcessEnumerator> enumerator() const override { return m_enumerator; }

    static std::shared_ptr<KalvexProcesses> create();

protected:
    QString idPrefix() const override { return QStringLiteral("proc_"); }
    int defaultSortOrder() const override { return SORT_ORDER_KEY; }
    bool sortSupported(int sortOrder) const override { return sortOrder == SORT_ORDER_KEY; }
    bool sortLess(int, const ItemPtr& a, const ItemPtr& b) const override
    {
        return a->orderKey()->compare(*b->orderKey()) < 0;
    }
    // The keys' numbers read once per process, then compared as number lists.
    void sortView(int sortOrder, std::vector<ItemPtr>& view) const override;
    // Assignments not made yet take the set when they are made.
    void applyEnvirVars(const ItemPtr& it) override
    {
        auto* own = dynamic_cast<const KalvexProcess*>(it.get());
        if (const auto& a = own ? own->assignmentsIfMade() : it->generatorAssignments())
            a->setEnvirVars(envirVars());
    }

private:
    std::shared_ptr<IKalvexProcessEnumerator> m_enumerator;
};

std::shared_ptr<IKalvexProcesses> classCreate_KalvexProcesses();

} // namespace kalvex
