#include "generators/KalvexProcesses.h"

#include <algorithm>

#include "generators/KalvexProcessEnumerator.h"

namespace kalvex {

std::shared_ptr<KalvexProcesses> KalvexProcesses::create()
{
    auto p = std::make_shared<KalvexProcesses>();
    p->m_enumerator = std::make_shared<KalvexProcessEnumerator>(p);
    return p;
}

void KalvexProcesses::sortView(int sortOrder, std::vector<ItemPtr>& view) const
{
    if (sortOrder != SORT_ORDER_KEY)
        return KalvexNamedItemsImpl::sortView(sortOrder, view);
    // Lexicographic order of the number lists is the key order: number by
    // number, a parent (a prefix) before its children.
    std::vector<std::pair<std::vector<qint64>, ItemPtr>> decorated;
    decorated.reserve(view.size());
    for (auto& p : view) {
        auto key = p->orderKey();
        std::vector<qint64> numbers(static_cast<size_t>(key->indentLevel()));
        for (size_t level = 0; level < numbers.size(); ++level)
            numbers[level] = key->numberAtLevel(static_cast<int>(level) + 1);
        decorated.emplace_back(std::move(numbers), std::move(p));
    }
    std::stable_sort(decorated.begin(), decorated.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < view.size(); ++i)
        view[i] = std::move(decorated[i].second);
}

std::shared_ptr<IKalvexProcesses> classCreate_KalvexProcesses() { return KalvexProcesses::create(); }

} // namespace kalvex
