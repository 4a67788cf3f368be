#include "dialogs/morvObjs_parmGridFillRow.h"

#include "platform/VbColors.h"
#include "platform/vaSpread.h"

namespace kalvex {

int morvObjs_parmGridFillRow(vaSpread* grid, int row, const IKalvexGenParmPtr& parm, bool newFlag,
                             bool locked)
{
    if (!grid)
        return -1;
    if (!parm)
        return 0;
    const quint32 nameBack =
        (parm->parmType() == PARM_TYPE_SYSTEM || locked) ? VbColor::ButtonFace : VbColor::WindowBackground;
    const QString name = parm->name();
    const QString value = parm->value(false);
    grid->setBlockMode(false);
    grid->setRow(row);
    grid->setCol(ParmGridCol::Name);
    grid->setText(name);
    grid->setBackColor(nameBack);
    grid->setCol(ParmGridCol::OrgName);
    grid->setText(name);
    grid->setCol(ParmGridCol::Value);
    grid->setText(value);
    grid->setBackColor(locked ? VbColor::ButtonFace : VbColor::WindowBackground);
    grid->setCol(ParmGridCol::OrgValue);
    grid->setText(value);
    grid->setCol(ParmGridCol::ParmType);
    grid->setText(QString::number(parm->parmType()));
    grid->setCol(ParmGridCol::NewParm);
    grid->setText(newFlag ? QStringLiteral("1") : QStringLiteral("0"));
    return 1;
}

} // namespace kalvex
