// The NC drill dialog's option groups: the operation with its check-in kind,
// the summary units, the drill data units and the sweep axis. Read without
// creating anything; written at persist.
#include "dialogs/frmDrillParms.h"

namespace kalvex {

namespace {
const QString kOperation = QStringLiteral("operation");

// A unit or axis group: the first word when the stored value contains
// `needle` (or is missing), else the second; the reference is that word, so
// an unchanged choice keeps the stored letter case. Missing parameters are
// added at persist with the word shown, the addition not counted.
OptionGroupRule unitRule(const QString& key, const QString& first, const QString& second, const QString& needle)
{
    return {.key = key,
            .words = {first, second},
            .defaultWord = first,
            .create = OptCreate::AtPersistUncounted,
            .rewriteLetterCase = false,
            .mapValue = [needle](const QString& v) { return v.toLower().contains(needle) ? 0 : 1; }};
}
} // namespace

frmDrillParms::Groups::Groups()
    : sumUnits(unitRule(QStringLiteral("sum_units"), QStringLiteral("English"), QStringLiteral("Metric"),
                        QStringLiteral("english")))
    , units(unitRule(QStringLiteral("units"), QStringLiteral("th"), QStringLiteral("mm"), QStringLiteral("th")))
    , sweep(unitRule(QStringLiteral("sweep_axis"), QStringLiteral("Horizontal"), QStringLiteral("Vertical"),
                     QStringLiteral("horizontal")))
    // The kind by containment, "sum" tested first; anything else is a data file.
    , checkIn({.key = kOperation,
               .words = {QStringLiteral("check_in_data"), QStringLiteral("check_in_sum"),
                         QStringLiteral("check_in_map")},
               .match = OptMatch::LowerContains,
               .containsOrder = {{QStringLiteral("check_in_sum"), 1},
                                 {QStringLiteral("check_in_data"), 0},
                                 {QStringLiteral("check_in_map"), 2}},
               .unmatched = 0,
               .create = OptCreate::WhenChanged})
    // The mode: Generate when the value contains "generate" (or is missing).
    // The reference is the value as stored, so "Generate" is rewritten.
    , mode({.key = kOperation,
            .words = {QStringLiteral("generate")},
            .match = OptMatch::LowerContains,
            .unmatched = 1,
            .defaultWord = QStringLiteral("generate"),
            .create = OptCreate::WhenChanged,
            .countCreated = true})
{
}

void frmDrillParms::loadGroups()
{
    const IKalvexGenParmsPtr parms = parmsColl();
    loadData_checkin(parms);
    loadData_drillGen(parms);
    loadData_setMenuMode(parms);
}

int frmDrillParms::loadData_checkin(const IKalvexGenParmsPtr& parms)
{
    m_groups.checkIn.load(parms, optCheckIn);
    return 1;
}

int frmDrillParms::loadData_drillGen(const IKalvexGenParmsPtr& parms)
{
    m_groups.sumUnits.load(parms, OptSum);
    m_groups.units.load(parms, OptDrillData);
    m_groups.sweep.load(parms, OptSweep);
    return 1;
}

int frmDrillParms::loadData_setMenuMode(const IKalvexGenParmsPtr& parms)
{
    const int index = m_groups.mode.load(parms, OptOperations);
    // Also when the button was selected already: the frames and the current
    // operation follow the loaded mode, whatever the buttons showed before.
    OptOperations_Click(index);
    return 1;
}

int frmDrillParms::persistGroups(const IKalvexGenParmsPtr& parms)
{
    // The second word only when its button is selected.
    auto shown = [](const VbOptionArray& group) { return group[1] && group[1]->value() ? 1 : 0; };
    int count = m_groups.mode.persistWord(parms, m_curOperation);
    count += m_groups.sumUnits.persist(parms, shown(OptSum));
    count += m_groups.units.persist(parms, shown(OptDrillData));
    count += m_groups.sweep.persist(parms, shown(OptSweep));
    return count;
}

} // namespace kalvex
