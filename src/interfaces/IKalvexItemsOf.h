// The collection contract shared by the model's collections. Positions are
// 1-based; a position out of range or an unknown key gives no object.
#pragma once
#include "interfaces/IKalvexObject.h"
#include "interfaces/renameResult.h"

namespace kalvex {

// Sort orders of item(position, sortOrder).
constexpr int SORT_COLLECTION = 100;     // the order items were added in
constexpr int SORT_ORDER_KEY = 1;        // processes: order key; error filters: filter order
constexpr int SORT_PRODUCTION_SITE = 5;  // tasks and assignments: production-site order

template <typename Item>
class IKalvexItemsOf : public virtual IKalvexObject {
public:
    using ItemPtr = std::shared_ptr<Item>;

    virtual int count() const = 0;
    // A sort order the collection does not know reads as collection order.
    virtual ItemPtr item(int position, int sortOrder) const = 0;
    // In the collection's default order (collection order unless stated).
    virtual ItemPtr item(int position) const = 0;
    // By key (the id; for assignments the production site's id), letter
    // case ignored; keys are unique in that sense.
    virtual ItemPtr item(const QString& key) const = 0;
    virtual bool exists(const QString& key) const = 0;

    // Adds at the end, counting one change and raising EV_ADD. No object when
    // the item is missing, already in a collection, or its key is taken (an
    // empty id is first replaced by getUniqueId where the collection has one).
    virtual ItemPtr add(const ItemPtr& item) = 0;
    // The same for readers: no change counted, no event raised.
    virtual bool addQuietly(const ItemPtr& item) = 0;
    // Number of items removed (0 or 1). Reserved entries are not removed.
    virtual int remove(const QString& key) = 0;
    virtual int remove(int position) = 0;
    // Empties the collection without counting or raising anything (readers).
    virtual void clear() = 0;
    // Empties the collection and resets its change count.
    virtual void initialize() = 0;
};

// The collections of named entries: generators' kin in the administration.
template <typename Item>
class IKalvexNamedItemsOf : public IKalvexItemsOf<Item> {
public:
    using typename IKalvexItemsOf<Item>::ItemPtr;

    // The first item whose name equals the text exactly.
    virtual ItemPtr itemByName(const QString& name) const = 0;
    // RENAME_* code; the new id is trimmed.
    virtual int renameId(const QString& oldId, const QString& newId) = 0;
    // base, or base's stem with " (n)" counting up until no item bears the name.
    virtual QString getUniqueName(const QString& base) const = 0;
    // The collection's prefix and the next free four-digit number ("site_0001").
    virtual QString getUniqueId() const = 0;

    virtual std::shared_ptr<IBrenloEnvirVars> envirVars() const = 0;
    virtual void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) = 0;
};

} // namespace kalvex
