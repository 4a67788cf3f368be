// Taking and restoring the contents of a parameter set.
#include "parm_snapshot.h"

#include <QSet>

namespace kalvex::edit {

ParmSnapshot takeSnapshot(const IKalvexGenParmsPtr& parms)
{
    ParmSnapshot s;
    if (!parms)
        return s;
    s.reserve(static_cast<size_t>(parms->count()));
    for (int i = 1; i <= parms->count(); ++i)
        if (const auto p = parms->item(i))
            s.push_back({p->name(), p->value(false), p->parmType()});
    return s;
}

void restoreSnapshot(const IKalvexGenParmsPtr& parms, const ParmSnapshot& snapshot)
{
    if (!parms || takeSnapshot(parms) == snapshot)
        return;
    QSet<QString> kept;
    kept.reserve(static_cast<qsizetype>(snapshot.size()));
    for (const ParmState& s : snapshot)
        kept.insert(s.name);
    for (int i = parms->count(); i >= 1; --i)
        if (const auto p = parms->item(i); p && !kept.contains(p->name()))
            parms->remove(i);
    for (const ParmState& s : snapshot) {
        const auto p = parms->item(s.name);
        if (!p) {
            parms->add(s.name, s.value, s.type);
            continue;
        }
        if (p->value(false) != s.value)
            p->setValue(false, s.value);
        if (p->parmType() != s.type)
            p->setParmType(s.type);
    }
}

} // namespace kalvex::edit
