// Shared implementation of a collection that owns its items. Items are kept
// in collection order; positions are 1-based. Adding makes the collection the
// item's parent (through which it reaches the collection's event raisers) and
// hands it the collection's message object; adding and removing count one
// change and raise EV_ADD / EV_REMOVE.
#pragma once
#include <typeinfo>
#include <vector>

#include "foundation/KalvexObjectBase.h"

namespace kalvex {

template <typename Item>
class KalvexCollection : public KalvexObjectBase {
public:
    using ItemPtr = std::shared_ptr<Item>;

    int count() const { return static_cast<int>(m_items.size()); }
    ItemPtr itemAt(int position) const
    {
        if (position < 1 || position > count())
            return nullptr;
        return m_items[static_cast<size_t>(position - 1)];
    }
    const std::vector<ItemPtr>& items() const { return m_items; }
    int indexOf(const ItemPtr& item) const
    {
        for (size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i] == item)
                return static_cast<int>(i) + 1;
        return 0;
    }

    void setMessagesObj(QObject* sink) override
    {
        KalvexObjectBase::setMessagesObj(sink);
        for (auto& it : m_items)
            it->setMessagesObj(sink);
    }

    // Empties this collection and takes over every item of `from`, a
    // collection of the same class, in its order, quietly: the storage moves
    // at once and the items are re-parented in one pass, instead of joining
    // one by one (a load hands over what it read this way). False, nothing
    // moved, when `from` is of another class or the class keeps state beside
    // its items that it does not move.
    bool takeItemsOf(KalvexCollection& from)
    {
        if (&from == this || typeid(*this) != typeid(from) || !takesItemsWhole())
            return false;
        clearItems();
        m_items = std::move(from.m_items);
        from.m_items.clear();
        const auto self = weak_from_this().lock();
        QObject* sink = messagesObj();
        for (auto& it : m_items) {
            it->setParent(self);
            if (sink)
                it->setMessagesObj(sink);
        }
        itemsTakenOver(from);
        return true;
    }

protected:
    // Adds an item at the end (or before a 1-based position): parent and
    // message object are set, one change counted, EV_ADD raised.
    void insertItem(const ItemPtr& item, int beforePosition = 0)
    {
        adoptItem(item);
        if (beforePosition >= 1 && beforePosition <= count())
            m_items.insert(m_items.begin() + (beforePosition - 1), item);
        else
            m_items.push_back(item);
        setModified(1);
        raiseEvent(EV_ADD, QString(), QVariant(), QVariant());
    }
    // Adds an item without counting a change or raising events (readers).
    void appendQuietly(const ItemPtr& item)
    {
        adoptItem(item);
        m_items.push_back(item);
    }
    bool removeItemAt(int position)
    {
        if (position < 1 || position > count())
            return false;
        auto item = m_items[static_cast<size_t>(position - 1)];
        m_items.erase(m_items.begin() + (position - 1));
        item->setParent(nullptr);
        setModified(1);
        raiseEvent(EV_REMOVE, QString(), QVariant(), QVariant());
        return true;
    }
    void clearItems()
    {
        for (auto& it : m_items)
            it->setParent(nullptr);
        m_items.clear();
    }
    // Whether the class moves in itemsTakenOver all it keeps beside the
    // items (key indexes); only then does takeItemsOf move items wholesale.
    virtual bool takesItemsWhole() const { return false; }
    // After takeItemsOf: moves what a subclass keeps beside the items from
    // `from`, which is of the same class, and readies the items.
    virtual void itemsTakenOver(KalvexCollection& /*from*/) {}

private:
    void adoptItem(const ItemPtr& item)
    {
        // Most collections hold a handful of items: room for four at once
        // spares the first doublings.
        if (m_items.capacity() == 0)
            m_items.reserve(4);
        item->setParent(weak_from_this().lock()); // no parent when not held by a shared_ptr
        if (QObject* sink = messagesObj())
            item->setMessagesObj(sink);
    }

    std::vector<ItemPtr> m_items;
};

} // namespace kalvex
