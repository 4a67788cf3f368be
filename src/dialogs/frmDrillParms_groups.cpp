// The NC drill dialog's option groups: the operation with its check-in kind,
// the summary units, the drill data units and the sweep axis. Read without
// creating anything; written at persist.
#include "dialogs/frmDrillParms.h"

#include "dialogs/morvObj_parmBinding.h"

namespace kalvex {

namespace {
// The stored value lower-cased; false when the parameter does not exist.
bool readLower(const IKalvexGenParmsPtr& parms, const QString& name, QString& lower)
{
    QString value;
    int type = PARM_TYPE_SYSTEM;
    if (!morvObjs_parms_getParm(parms, name, value, type, false))
        return false;
    lower = value.toLower();
    return true;
}

void select(VbOptionArray& group, int index)
{
    if (VbOptionButton* button = group[index])
        button->setValue(true);
}

// Sets an existing parameter, or adds it as a system parameter marked
// modified; false when none could be added.
bool writeParm(const IKalvexGenParmsPtr& parms, const QString& name, const QString& value)
{
    if (IKalvexGenParmPtr parm = parms->item(name)) {
        parm->setValue(false, value);
        return true;
    }
    IKalvexGenParmPtr added = parms->add(name, value, PARM_TYPE_SYSTEM);
    if (!added)
        return false;
    added->setModified(1);
    return true;
}

struct UnitGroup {
    QString key;
    VbOptionArray* buttons;
    QString words[2];
    const QString* loaded;
};
} // namespace

void frmDrillParms::loadGroups()
{
    const IKalvexGenParmsPtr parms = parmsColl();
    loadData_checkin(parms);
    loadData_drillGen(parms);
    loadData_setMenuMode(parms);
}

int frmDrillParms::loadData_checkin(const IKalvexGenParmsPtr& parms)
{
    int index = 0;
    QString op;
    if (readLower(parms, QStringLiteral("operation"), op)) {
        if (op.contains(QLatin1String("check_in_sum")))
            index = 1;
        else if (op.contains(QLatin1String("check_in_data")))
            index = 0;
        else if (op.contains(QLatin1String("check_in_map")))
            index = 2;
    }
    select(optCheckIn, index);
    return 1;
}

int frmDrillParms::loadData_drillGen(const IKalvexGenParmsPtr& parms)
{
    // Each group: the first word when the stored value contains its search
    // text (or the parameter is missing), else the second.
    auto load = [&parms](const QString& key, const QString& search, VbOptionArray& group, const QString& first,
                         const QString& second, QString& loaded) {
        int index = 0;
        QString value;
        if (readLower(parms, key, value) && !value.contains(search))
            index = 1;
        loaded = index == 0 ? first : second;
        select(group, index);
    };
    load(QStringLiteral("sum_units"), QStringLiteral("english"), OptSum, QStringLiteral("English"),
         QStringLiteral("Metric"), m_loadedSumUnits);
    load(QStringLiteral("units"), QStringLiteral("th"), OptDrillData, QStringLiteral("th"), QStringLiteral("mm"),
         m_loadedUnits);
    load(QStringLiteral("sweep_axis"), QStringLiteral("horizontal"), OptSweep, QStringLiteral("Horizontal"),
         QStringLiteral("Vertical"), m_loadedSweep);
    return 1;
}

int frmDrillParms::loadData_setMenuMode(const IKalvexGenParmsPtr& parms)
{
    int index = 0;
    m_loadedOperation = QStringLiteral("generate");
    QString value;
    int type = PARM_TYPE_SYSTEM;
    if (morvObjs_parms_getParm(parms, QStringLiteral("operation"), value, type, false)) {
        index = value.toLower().contains(QLatin1String("generate")) ? 0 : 1;
        m_loadedOperation = value;
    }
    select(OptOperations, index);
    // Also when the button was selected already: the frames and the current
    // operation follow the loaded mode, whatever the buttons showed before.
    OptOperations_Click(index);
    return 1;
}

int frmDrillParms::persistGroups()
{
    const IKalvexGenParmsPtr parms = parmsColl();
    if (!parms)
        return 0;
    int count = 0;
    if (m_curOperation != m_loadedOperation) {
        ++count;
        writeParm(parms, QStringLiteral("operation"), m_curOperation);
    }
    const UnitGroup groups[] = {
        {QStringLiteral("sum_units"), &OptSum, {QStringLiteral("English"), QStringLiteral("Metric")}, &m_loadedSumUnits},
        {QStringLiteral("units"), &OptDrillData, {QStringLiteral("th"), QStringLiteral("mm")}, &m_loadedUnits},
        {QStringLiteral("sweep_axis"), &OptSweep, {QStringLiteral("Horizontal"), QStringLiteral("Vertical")},
         &m_loadedSweep},
    };
    for (const UnitGroup& g : groups) {
        VbOptionButton* second = (*g.buttons)[1];
        const QString& value = g.words[second && second->value() ? 1 : 0];
        // A missing parameter is added with the value shown; that addition
        // alone is not counted.
        IKalvexGenParmPtr parm = parms->item(g.key);
        if (!parm) {
            parm = parms->add(g.key, value, PARM_TYPE_SYSTEM);
            if (parm)
                parm->setModified(1);
        }
        if (parm && value != *g.loaded) {
            ++count;
            parm->setValue(false, value);
        }
    }
    return count;
}

} // namespace kalvex
