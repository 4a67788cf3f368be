// Shared implementation of the collection contract (IKalvexItemsOf): keys
// matched without regard to letter case through an index, sorted views rebuilt when the model generation
// moved, quiet adds and clears for readers, reserved entries kept on remove.
#pragma once
#include <QHash>
#include <algorithm>
#include <map>

#include "foundation/IKalvexIdOwner.h"
#include "foundation/KalvexCollection.h"
#include "foundation/KalvexKeyIndex.h"
#include "foundation/modelGeneration.h"
#include "interfaces/IKalvexItemsOf.h"
#include "interfaces/IKalvexNamedItem.h"

namespace kalvex {

template <typename IItem, typename IColl>
class KalvexItemsImpl : public KalvexCollection<IItem>, public IColl, public IKalvexIdOwner {
    using Base = KalvexCollection<IItem>;

public:
    using ItemPtr = std::shared_ptr<IItem>;

    int count() const override { return Base::count(); }

    ItemPtr item(int position, int sortOrder) const override
    {
        if (sortOrder == SORT_COLLECTION || !sortSupported(sortOrder))
            return Base::itemAt(position);
        const auto& view = sortedView(sortOrder);
        if (position < 1 || position > static_cast<int>(view.size()))
            return nullptr;
        return view[static_cast<size_t>(position - 1)];
    }
    ItemPtr item(int position) const override { return item(position, defaultSortOrder()); }
    ItemPtr item(const QString& key) const override
    {
        const int pos = positionOfKey(key);
        return pos ? Base::itemAt(pos) : nullptr;
    }
    bool exists(const QString& key) const override { return positionOfKey(key) > 0; }

    ItemPtr add(const ItemPtr& it) override
    {
        const QString key = admit(it);
        if (key.isEmpty())
            return nullptr;
        prepare(it);
        noteAppended(key);
        Base::insertItem(it);
        return it;
    }
    bool addQuietly(const ItemPtr& it) override
    {
        const QString key = admit(it);
        if (key.isEmpty())
            return false;
        prepare(it);
        noteAppended(key);
        Base::appendQuietly(it);
        return true;
    }
    int remove(const QString& key) override { return remove(positionOfKey(key)); }
    int remove(int position) override
    {
        auto it = Base::itemAt(position);
        if (!it || !removable(it))
            return 0;
        m_index.invalidate();
        m_sorted.reset();
        bumpModelGeneration();
        Base::removeItemAt(position);
        return 1;
    }
    void clear() override
    {
        Base::clearItems();
        m_index.invalidate();
        m_sorted.reset();
        bumpModelGeneration();
    }
    void initialize() override
    {
        clear();
        this->setModified(0);
    }

    bool idTaken(const QString& id, const IKalvexObject* except) const override
    {
        const int pos = positionOfKey(id);
        return pos && static_cast<const IKalvexObject*>(Base::itemAt(pos).get()) != except;
    }
    void keyChanged() override { bumpKeyGeneration(); }

protected:
    // The key an item is found by; empty when it has none.
    virtual QString keyOf(const ItemPtr& it) const = 0;
    // Gives a keyless item a key before it joins; false when it cannot.
    virtual bool makeKey(const ItemPtr&) { return false; }
    virtual int defaultSortOrder() const { return SORT_COLLECTION; }
    virtual bool sortSupported(int) const { return false; }
    virtual bool sortLess(int, const ItemPtr&, const ItemPtr&) const { return false; }
    // Orders a view; a collection with costly comparisons may decorate first.
    virtual void sortView(int sortOrder, std::vector<ItemPtr>& view) const
    {
        std::stable_sort(view.begin(), view.end(),
                         [&](const ItemPtr& a, const ItemPtr& b) { return sortLess(sortOrder, a, b); });
    }
    // Called before an item joins (environment variables and the like).
    virtual void prepare(const ItemPtr&) {}
    virtual bool removable(const ItemPtr& it) const
    {
        auto* named = dynamic_cast<const IKalvexNamedItem*>(it.get());
        return !named || named->reservedItem() == NOT_RESERVED;
    }

    bool takesItemsWhole() const override { return true; }
    void itemsTakenOver(Base& from) override
    {
        // Same class (takeItemsOf checked): positions and keys are unchanged,
        // so the index moves with the items.
        auto& other = static_cast<KalvexItemsImpl&>(from);
        m_index = std::move(other.m_index);
        other.m_index.invalidate();
        m_sorted.reset();
        other.m_sorted.reset();
        for (const auto& it : Base::items())
            prepare(it);
        bumpModelGeneration();
    }

    int positionOfKey(const QString& key) const
    {
        const auto& items = Base::items();
        return m_index.find(key, static_cast<qsizetype>(items.size()),
                            [&](qsizetype i) { return keyOf(items[static_cast<size_t>(i)]); });
    }

private:
    // The key the item joins under; empty when it may not join.
    QString admit(const ItemPtr& it)
    {
        // An item in a collection (this one included) has that collection as parent.
        if (!it || it->parent())
            return {};
        QString key = keyOf(it);
        if (key.isEmpty()) {
            if (!makeKey(it))
                return {};
            key = keyOf(it);
        }
        return positionOfKey(key) == 0 ? key : QString();
    }
    void noteAppended(const QString& key)
    {
        // Called before the item is stored: it takes the next position.
        m_index.appended(key, Base::count() + 1);
        bumpModelGeneration();
    }
    const std::vector<ItemPtr>& sortedView(int sortOrder) const
    {
        if (!m_sorted)
            m_sorted = std::make_unique<std::map<int, SortCache>>();
        auto& cache = (*m_sorted)[sortOrder];
        if (cache.generation != modelGeneration()) {
            cache.items = Base::items();
            sortView(sortOrder, cache.items);
            cache.generation = modelGeneration();
        }
        return cache.items;
    }

    struct SortCache {
        std::uint64_t generation = 0;
        std::vector<ItemPtr> items;
    };
    KalvexIdIndex m_index;
    // Made on the first sorted look-up: most collections are never sorted.
    mutable std::unique_ptr<std::map<int, SortCache>> m_sorted;
};

} // namespace kalvex
