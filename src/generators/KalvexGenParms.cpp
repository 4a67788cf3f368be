#include "generators/KalvexGenParms.h"

#include "foundation/makeOrNone.h"
#include "foundation/unique_name.h"
#include "generators/KalvexGenParm.h"
#include "generators/KalvexGenParmsEditor.h"

#include <type_traits>

namespace kalvex {

int KalvexGenParms::positionOf(QAnyStringView name) const
{
    // Every parameter of a set is made by add(), as a KalvexGenParm.
    const auto& all = items();
    return m_names.find(name, static_cast<qsizetype>(all.size()), [&](qsizetype i) {
        return static_cast<const KalvexGenParm&>(*all[static_cast<size_t>(i)]).storedName();
    });
}

IKalvexGenParmPtr KalvexGenParms::itemByName(const QString& name) const
{
    return itemAt(positionOf(name));
}

IKalvexGenParmPtr KalvexGenParms::add(const QString& name, const QString& value, int parmType)
{
    // A parameter name is always stored trimmed; an empty one cannot be found again.
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return nullptr;
    if (auto existing = itemByName(trimmed)) {
        existing->setValue(false, value);
        existing->setParmType(parmType);
        return existing;
    }
    // The set counts the addition.
    return join(trimmed, value, parmType, true);
}

bool KalvexGenParms::addQuietly(QAnyStringView name, QAnyStringView value, int parmType)
{
    // Latin-1 text (what a reader hands in) is trimmed without a copy.
    QString held;
    QAnyStringView trimmed;
    name.visit([&](auto v) {
        if constexpr (std::is_same_v<decltype(v), QLatin1StringView>) {
            trimmed = v.trimmed();
        } else {
            held = QAnyStringView(v).toString().trimmed();
            trimmed = held;
        }
    });
    if (trimmed.isEmpty() || positionOf(trimmed))
        return false;
    return join(trimmed, value, parmType, false) != nullptr;
}

IKalvexGenParmPtr KalvexGenParms::join(QAnyStringView trimmedName, QAnyStringView value, int parmType, bool counted)
{
    IKalvexGenParmPtr parm = KalvexGenParm::create(trimmedName, value, parmType);
    if (!parm)
        return nullptr;
    if (counted)
        insertItem(parm);
    else
        appendQuietly(parm);
    m_names.appended(trimmedName, count());
    return parm;
}

int KalvexGenParms::remove(const QString& name)
{
    return remove(positionOf(name));
}

int KalvexGenParms::remove(int position)
{
    if (!removeItemAt(position))
        return 0;
    m_names.invalidate();
    return 1;
}

int KalvexGenParms::rename(const QString& oldName, const QString& newName)
{
    const QString name = newName.trimmed();
    if (name == oldName)
        return RENAME_SAME;
    if (name.isEmpty())
        return RENAME_EMPTY;
    if (itemByName(name))
        return RENAME_EXISTS;
    auto parm = itemByName(oldName);
    if (!parm)
        return RENAME_NOT_FOUND;
    parm->setName(name);
    return RENAME_OK;
}

QString KalvexGenParms::getUniqueName(const QString& base) const
{
    return makeUniqueName(base, [this](const QString& n) { return exists(n); });
}

void KalvexGenParms::initialize()
{
    setModified(MODIFIED_SUSPEND);
    clearItems();
    m_names.invalidate();
    setModified(MODIFIED_RESUME);
    setModified(0);
}

std::shared_ptr<IKalvexGenParmsEditor> KalvexGenParms::editor()
{
    if (!m_editor) {
        auto ed = classCreate_KalvexGenParmsEditor();
        if (!ed)
            return nullptr;
        m_editor = ed;
        m_editor->setParent(std::dynamic_pointer_cast<IKalvexGenParms>(weak_from_this().lock()));
    }
    return m_editor;
}

int KalvexGenParms::setInternalValue(const QString& key, const QVariant& value)
{
    if (key == SET_ENVIR_VARS) {
        setEnvirVars(value.value<std::shared_ptr<IBrenloEnvirVars>>());
        return 1;
    }
    return KalvexCollection::setInternalValue(key, value);
}

void copyParameters(IKalvexGenParms& mine, const IKalvexGenParmsPtr& theirs)
{
    while (mine.count() > 0)
        mine.remove(mine.count());
    if (!theirs)
        return;
    for (int i = 1; i <= theirs->count(); ++i)
        if (auto p = theirs->item(i))
            mine.add(p->name(), p->value(false), p->parmType());
}

std::shared_ptr<IKalvexGenParms> classCreate_KalvexGenParms()
{
    return makeOrNone([] { return std::make_shared<KalvexGenParms>(); });
}

} // namespace kalvex
