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
    // number, a parent (a prefix) before its children. The numbers of all
    // keys sit in one buffer, read once.
    struct Decorated {
        size_t first;
        size_t count;
        ItemPtr item;
    };
    std::vector<qint64> numbers;
    std::vector<Decorated> decorated;
    decorated.reserve(view.size());
    numbers.reserve(view.size() * 2);
    for (auto& p : view) {
        const auto key = p->orderKey();
        const int levels = key->indentLevel();
        const size_t first = numbers.size();
        for (int level = 1; level <= levels; ++level)
            numbers.push_back(key->numberAtLevel(level));
        decorated.push_back({first, numbers.size() - first, std::move(p)});
    }
    std::stable_sort(decorated.begin(), decorated.end(), [&numbers](const Decorated& a, const Decorated& b) {
        const auto* pa = numbers.data() + a.first;
        const auto* pb = numbers.data() + b.first;
        return std::lexicographical_compare(pa, pa + a.count, pb, pb + b.count);
    });
    for (size_t i = 0; i < view.size(); ++i)
        view[i] = std::move(decorated[i].item);
}

std::shared_ptr<IKalvexProcesses> classCreate_KalvexProcesses() { return KalvexProcesses::create(); }

} // namespace kalvex
