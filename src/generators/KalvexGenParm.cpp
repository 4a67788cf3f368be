#include "generators/KalvexGenParm.h"

#include "foundation/makeOrNone.h"
#include "foundation/modelGeneration.h"
#include "foundation/objectCast.h"
#include "interfaces/IKalvexGenParms.h"

#include <utility>

namespace kalvex {

void KalvexGenParm::setName(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (QAnyStringView::equal(m_texts.first(), trimmed))
        return;
    const KalvexTextPair before = std::exchange(m_texts, KalvexTextPair(trimmed, m_texts.second()));
    // The name is the parameter's key in its set.
    if (hasParent())
        bumpKeyGeneration();
    changed(QStringLiteral("name"), before.first().toString(), trimmed);
}

QString KalvexGenParm::value(bool expanded) const
{
    const QString stored = m_texts.second().toString();
    if (expanded) {
        if (auto vars = envirVars())
            return vars->expand(stored, true, true);
    }
    return stored;
}

void KalvexGenParm::setValue(bool collapse, const QString& value)
{
    QString v = value;
    if (collapse) {
        if (auto vars = envirVars())
            v = vars->collapse(v, true, QString());
    }
    if (QAnyStringView::equal(m_texts.second(), v))
        return;
    const KalvexTextPair before = std::exchange(m_texts, KalvexTextPair(m_texts.first(), v));
    changed(QStringLiteral("Value"), before.second().toString(), v);
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
    m_texts = KalvexTextPair();
    m_parmType = PARM_TYPE_USER;
    setModified(MODIFIED_RESUME);
    setModified(0);
}

std::shared_ptr<KalvexGenParm> KalvexGenParm::create(QAnyStringView trimmedName, QAnyStringView value, int parmType)
{
    return makeOrNone([&] {
        auto parm = std::make_shared<KalvexGenParm>();
        parm->m_texts = KalvexTextPair(trimmedName, value);
        parm->m_parmType = parmType;
        return parm;
    });
}

std::shared_ptr<IKalvexGenParm> classCreate_KalvexGenParm()
{
    return makeOrNone([] { return std::make_shared<KalvexGenParm>(); });
}

} // namespace kalvex
