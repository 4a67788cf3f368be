// Loads go into an object of their own and are taken over only when the
// whole file was read. These helpers move a loaded object's entries into the
// target and copy a target into a fresh object when a load keeps what the
// target holds.
#pragma once
#include <vector>

#include "foundation/KalvexCollection.h"
#include "interfaces/IKalvexGenerators.h"
#include "interfaces/IKalvexItemsOf.h"
#include "store/kalvexRUV_handler.h"

namespace kalvex {

// Empties `to`, then moves every entry of `from` into it in collection order,
// quietly (no change counted, no event raised). The entries stay the same
// objects, so references between them hold. Collections of the same class
// hand over their storage at once; others move entry by entry.
template <class Coll>
void ruvMoveItems(const std::shared_ptr<Coll>& to, const std::shared_ptr<Coll>& from)
{
    using Item = typename decltype(from->item(1, SORT_COLLECTION))::element_type;
    auto* whole = dynamic_cast<KalvexCollection<Item>*>(to.get());
    auto* part = dynamic_cast<KalvexCollection<Item>*>(from.get());
    if (whole && part && whole->takeItemsOf(*part))
        return;
    std::vector<decltype(from->item(1, SORT_COLLECTION))> items;
    items.reserve(static_cast<size_t>(from->count()));
    for (int i = 1; i <= from->count(); ++i)
        items.push_back(from->item(i, SORT_COLLECTION));
    from->clear();
    to->clear();
    for (const auto& it : items)
        to->addQuietly(it);
}

// The same for a generator collection; `to` is expected to have tracking
// suspended, since generators of a collection of another class join it
// through add.
void ruvMoveGenerators(const IKalvexGeneratorsPtr& to, const IKalvexGeneratorsPtr& from);

// Copies `from` into the empty object `to` through the handler's own writer
// and reader, in memory. False when the copy could not be read back.
bool ruvCopyThroughMemory(const KalvexRUVHandler& handler, const IKalvexObjectPtr& from, const IKalvexObjectPtr& to);

} // namespace kalvex
