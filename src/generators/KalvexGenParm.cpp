#include "generators/KalvexGenParm.h"

#include "foundation/modelGeneration.h"
#include "foundation/objectCast.h"
#include "interfaces/IKalvexGenParms.h"

namespace kalvex {

void KalvexGenParm::setName(const QString& name)
{
    // The name is the parameter's key in its set.
    if (propUpdString(m_name, name.trimmed(), QStringLiteral("name")) && hasParent())
        bumpKeyGeneration();
}

QString KalvexGenParm::value(bool expanded) const
{
    if (expanded) {
        if (auto vars = envirVars())
            return vars->expand(m_value, true, true);
    }
    return m_value;
}

void KalvexGenParm::setValue(bool collapse, const QString& value)
{
    QString v = value;
    if (collapse) {
        if (auto vars = envirVars())
            v = vars->collapse(v, true, QString());
    }
    propUpdString(m_value, v, QStringLiteral("Value"));
}

void KalvexGenParm::setParmType(int type)
{
    propUpdInt(m_parmType, type, QStringLiteral("parmType"));
}

std::shared_ptr<IBrenloEnvirVars> KalvexGenParm::envirVars() const
{
    auto set = objectCast<IKalvexGenParms>(parent());
    return set ? set->envirVars() : nullptr;
}

void KalvexGenParm::clone(const std::shared_ptr<IKalvexGenParm>& other)
{
    if (!other || other.get() == this)
        return;
    setName(other->name());
    setValue(false, other->value(false));
    setParmType(other->parmType());
}

void KalvexGenParm::initialize()
{
    setModified(MODIFIED_SUSPEND);
    m_name.clear();
    m_value.clear();
    m_parmType = PARM_TYPE_USER;
    setModified(MODIFIED_RESUME);
    setModified(0);
}

std::shared_ptr<KalvexGenParm> KalvexGenParm::create(const QString& trimmedName, const QString& value, int parmType)
{
    try {
        auto parm = std::make_shared<KalvexGenParm>();
        parm->m_name = trimmedName;
        parm->m_value = value;
        parm->m_parmType = parmType;
        return parm;
    } catch (...) {
        return nullptr;
    }
}

std::shared_ptr<IKalvexGenParm> classCreate_KalvexGenParm()
{
    try {
        return std::make_shared<KalvexGenParm>();
    } catch (...) {
        return nullptr;
    }
}

} // namespace kalvex
