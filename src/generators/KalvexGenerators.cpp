#include "generators/KalvexGenerators.h"

#include "foundation/makeOrNone.h"
#include "foundation/unique_name.h"
#include "generators/KalvexGenerator.h"

namespace kalvex {

int KalvexGenerators::positionOfId(const QString& id) const
{
    const auto& all = items();
    return m_ids.find(id, static_cast<qsizetype>(all.size()),
                      [&](qsizetype i) { return all[static_cast<size_t>(i)]->id(); });
}

IKalvexGeneratorPtr KalvexGenerators::item(const QString& id) const
{
    return itemAt(positionOfId(id));
}

IKalvexGeneratorPtr KalvexGenerators::itemByName(const QString& name) const
{
    const auto& all = items();
    return itemAt(m_names.find(name, static_cast<qsizetype>(all.size()),
                               [&](qsizetype i) { return all[static_cast<size_t>(i)]->name(); }));
}

// Whether the generator is in this collection already: its parent is the
// collection, unless the collection is not held by a shared pointer.
bool KalvexGenerators::holds(const IKalvexGeneratorPtr& generator) const
{
    if (auto self = weak_from_this().lock())
        return generator->parent() == self;
    return indexOf(generator) > 0;
}

IKalvexGeneratorPtr KalvexGenerators::add(const QString& id, const QString& name)
{
    const QString key = id.trimmed();
    if (key.isEmpty() || exists(key))
        return nullptr;
    auto gen = classCreate_KalvexGenerator();
    if (!gen)
        return nullptr;
    gen->setModified(MODIFIED_SUSPEND);
    gen->setId(key);
    gen->setName(name);
    gen->setModified(MODIFIED_RESUME);
    if (!add(gen))
        return nullptr;
    return gen;
}

bool KalvexGenerators::add(const IKalvexGeneratorPtr& generator)
{
    if (!generator || generator->id().trimmed().isEmpty() || exists(generator->id()) || holds(generator))
        return false;
    insertItem(generator);
    m_ids.appended(generator->id(), count());
    m_names.appended(generator->name(), count());
    if (m_vars)
        generator->setEnvirVars(m_vars);
    return true;
}

void KalvexGenerators::itemsTakenOver(KalvexCollection& from)
{
    // Same class (takeItemsOf checked); positions, ids and names are unchanged.
    auto& other = static_cast<KalvexGenerators&>(from);
    m_ids = std::move(other.m_ids);
    m_names = std::move(other.m_names);
    other.m_ids.invalidate();
    other.m_names.invalidate();
    if (m_vars)
        for (const auto& g : items())
            g->setEnvirVars(m_vars);
}

int KalvexGenerators::remove(const QString& id)
{
    return remove(positionOfId(id));
}

int KalvexGenerators::remove(int position)
{
    if (!removeItemAt(position))
        return 0;
    m_ids.invalidate();
    m_names.invalidate();
    return 1;
}

int KalvexGenerators::renameId(const QString& oldId, const QString& newId)
{
    const QString id = newId.trimmed();
    if (id == oldId)
        return RENAME_SAME;
    if (id.isEmpty())
        return RENAME_EMPTY;
    auto gen = item(oldId);
    auto holder = item(id);
    // A change of letter case only is a rename of the same entry.
    if (holder && holder != gen)
        return RENAME_EXISTS;
    if (!gen)
        return RENAME_NOT_FOUND;
    gen->setId(id);
    return RENAME_OK;
}

QString KalvexGenerators::getUniqueName(const QString& base) const
{
    return makeUniqueName(base, [this](const QString& n) { return itemByName(n) != nullptr; });
}

QString KalvexGenerators::getUniqueId(const QString& base) const
{
    return makeUniqueName(base, [this](const QString& n) { return exists(n); });
}

void KalvexGenerators::setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars)
{
    m_vars = vars;
    for (const auto& g : items())
        g->setEnvirVars(vars);
}

void KalvexGenerators::initialize()
{
    setModified(MODIFIED_SUSPEND);
    clearItems();
    m_ids.invalidate();
    m_names.invalidate();
    setModified(MODIFIED_RESUME);
    setModified(0);
}

int KalvexGenerators::setInternalValue(const QString& key, const QVariant& value)
{
    if (key == SET_ENVIR_VARS) {
        setEnvirVars(value.value<std::shared_ptr<IBrenloEnvirVars>>());
        return 1;
    }
    return KalvexCollection::setInternalValue(key, value);
}

std::shared_ptr<IKalvexGenerators> classCreate_KalvexGenerators()
{
    return makeOrNone([] { return std::make_shared<KalvexGenerators>(); });
}

} // namespace kalvex
