#include "dialogs/morvObj_optionGroup.h"

#include "dialogs/morvObj_parmBinding.h"
#include "platform/VbControl.h"

namespace kalvex {

int morvObjs_optGroupLoad(const IKalvexGenParmsPtr& parms, const QString& key, const QString& defaultWord,
                          const QStringList& words, QObject* leadingControl, QString* valueRead)
{
    if (!parms)
        return -1;
    QString value = defaultWord;
    int type = PARM_TYPE_SYSTEM;
    morvObjs_parms_getParm(parms, key, value, type, true);
    vb::setTag(leadingControl, value);
    if (valueRead)
        *valueRead = value;
    const QString lower = value.toLower();
    for (int i = 0; i < words.size(); ++i)
        if (words[i].toLower() == lower)
            return i;
    return -1;
}

int morvObjs_optGroupPersist(const IKalvexGenParmsPtr& parms, const QString& key, const QString& word,
                             QObject* leadingControl)
{
    if (!parms || !leadingControl || word == vb::tag(leadingControl))
        return 0;
    QString value = word;
    int type = PARM_TYPE_SYSTEM;
    IKalvexGenParmPtr parm = morvObjs_parms_getParm(parms, key, value, type, true);
    if (!parm)
        return 0;
    parm->setValue(false, word);
    vb::setTag(leadingControl, word);
    return 1;
}

} // namespace kalvex
