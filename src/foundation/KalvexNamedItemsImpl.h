// Shared implementation of a collection of named administration entries
// (IKalvexNamedItemsOf): keyed by id, found by name, unique names and ids,
// the environment-variable set.
#pragma once
#include "foundation/KalvexItemsImpl.h"
#include "foundation/unique_id.h"
#include "foundation/unique_name.h"

namespace kalvex {

template <typename IItem, typename IColl>
class KalvexNamedItemsImpl : public KalvexItemsImpl<IItem, IColl> {
    using Base = KalvexItemsImpl<IItem, IColl>;

public:
    using ItemPtr = std::shared_ptr<IItem>;

    ItemPtr itemByName(const QString& name) const override
    {
        for (const auto& it : this->items())
            if (it->name() == name)
                return it;
        return nullptr;
    }

    int renameId(const QString& oldId, const QString& newId) override
    {
        const QString id = newId.trimmed();
        if (id == oldId && !id.isEmpty())
            return RENAME_SAME;
        if (id.isEmpty())
            return RENAME_EMPTY;
        auto it = Base::item(oldId);
        if (!it)
            return RENAME_NOT_FOUND;
        if (auto holder = Base::item(id); holder && holder != it)
            return RENAME_EXISTS;
        return it->setId(id) ? RENAME_OK : RENAME_EXISTS;
    }

    QString getUniqueName(const QString& base) const override
    {
        return makeUniqueName(base, [this](const QString& n) { return itemByName(n) != nullptr; });
    }
    QString getUniqueId() const override
    {
        return uniqueIdFor(idPrefix(), [this](const std::function<void(const QString&)>& visit) {
            for (const auto& it : this->items())
                visit(it->id());
        });
    }

    std::shared_ptr<IBrenloEnvirVars> envirVars() const override { return m_envirVars; }
    void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) override
    {
        m_envirVars = vars;
        for (const auto& it : this->items())
            applyEnvirVars(it);
    }

protected:
    virtual QString idPrefix() const = 0;
    // Hands the set to an item that passes it on (a distributor's parameters).
    virtual void applyEnvirVars(const ItemPtr&) {}

    QString keyOf(const ItemPtr& it) const override { return it->id(); }
    bool makeKey(const ItemPtr& it) override { return it->setId(getUniqueId()); }
    void prepare(const ItemPtr& it) override { applyEnvirVars(it); }

private:
    std::shared_ptr<IBrenloEnvirVars> m_envirVars;
};

} // namespace kalvex
