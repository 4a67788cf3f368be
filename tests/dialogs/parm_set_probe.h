// What a test reads back from a parameter set, and the dialog's write as the
// host asks for it.
#pragma once
#include <QString>
#include <QStringList>

#include "interfaces/IKalvexGenParms.h"
#include "interfaces/IKalvexParmForm.h"

namespace kalvex::test {

// A parameter's value; "<missing>" when the set has no such parameter.
inline QString parmValue(const IKalvexGenParmsPtr& parms, const QString& name)
{
    auto p = parms->item(name);
    return p ? p->value(false) : QStringLiteral("<missing>");
}

// Every parameter as "name=value|type", in set order.
inline QStringList parmSnapshot(const IKalvexGenParmsPtr& parms)
{
    QStringList all;
    for (int i = 1; i <= parms->count(); ++i) {
        const auto p = parms->item(i);
        all << QStringLiteral("%1=%2|%3").arg(p->name(), p->value(false)).arg(p->parmType());
    }
    return all;
}

// The form's own write; the number of parameters it wrote.
inline int persistForm(IKalvexParmForm* form)
{
    bool flag = false;
    return form->persistData(flag);
}

} // namespace kalvex::test
