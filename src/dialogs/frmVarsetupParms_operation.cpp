// The variant set-up dialog's operation: the upgrade of sets written for the
// older single report-writer operation, the option of the stored operation,
// the exclusion across both frames, the source rows it enables, and the
// write of the chosen operation.
#include "dialogs/frmVarsetupParms.h"
#include "foundation/vbl_err.h"

#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "platform/vbl_form.h"

namespace kalvex {

namespace {
const QString operationKey = QStringLiteral("operation");
// Never equal to an operation: a set loaded without a usable operation
// writes one at every persist.
const QString noOperation = QStringLiteral("XXXX");
const QString legacyOperation = QStringLiteral("VAR_CREATE_BNREP");

// The operation of each option, by index.
const QStringList optionOperations = {
    QStringLiteral("VAR_PCB_TO_MASTER"),    QStringLiteral("VAR_CREATE_SCHEMATIC"),
    QStringLiteral("VAR_CREATE_PCB"),       QStringLiteral("VAR_CREATE_BNREP_PCB"),
    QStringLiteral("VAR_CREATE_BNREP_CAE"), QStringLiteral("PERSIST_PCB_DATA"),
};

// Stored words and their options, in the order they are tried; the older
// single report-writer operation is the PCB one.
struct StoredOperation {
    QString word;
    int option;
};
const StoredOperation storedOperations[] = {
    {QStringLiteral("VAR_CREATE_SCHEMATIC"), 1}, {QStringLiteral("VAR_CREATE_PCB"), 2},
    {legacyOperation, 3},                        {QStringLiteral("VAR_CREATE_BNREP_PCB"), 3},
    {QStringLiteral("VAR_CREATE_BNREP_CAE"), 4}, {QStringLiteral("VAR_PCB_TO_MASTER"), 0},
    {QStringLiteral("PERSIST_PCB_DATA"), 5},
};
} // namespace

void frmVarsetupParms::buildOperationGroup()
{
    m_operation = OptionGroup({.key = operationKey,
                               .words = optionOperations,
                               .unmatched = 0,
                               .create = OptCreate::WhenChanged,
                               .marker = noOperation,
                               .mapValue = [](const QString& value) {
                                   for (const StoredOperation& s : storedOperations)
                                       if (value.compare(s.word, Qt::CaseInsensitive) == 0)
                                           return s.option;
                                   return -1;
                               }});
}

void frmVarsetupParms::loadAfterLock(const IKalvexGenParmsPtr& parms) { legacy_fixBNREPGen(parms); }

// The older operation becomes the PCB one, and its source database takes
// the PCB key. The set refuses a rename onto an existing name: an existing
// master_db_pcb then stays as it is, and so does master_db.
void frmVarsetupParms::legacy_fixBNREPGen(const IKalvexGenParmsPtr& parms)
{
    try {
        const IKalvexGenParmPtr operation = parms->itemByName(operationKey);
        if (!operation || operation->value(false).compare(legacyOperation, Qt::CaseInsensitive) != 0)
            return;
        operation->setValue(false, optionOperations[3]);
        if (parms->itemByName(QStringLiteral("master_db")))
            parms->rename(QStringLiteral("master_db"), QStringLiteral("master_db_pcb"));
    } catch (...) {
        // Dialogs trap their errors quietly; the set keeps what was already changed.
        vbl_err_trapped(QStringLiteral("frmVarsetupParms_legacy_fixBNREPGen"), VBL_LOG_DIALOGS);
    }
}

// Selects the option of the stored operation (none without a set) and
// applies its click rule.
void frmVarsetupParms::fill_variantMode(const IKalvexGenParmsPtr& parms)
{
    const int option = m_operation.load(parms, optVarsetup);
    if (option >= 0)
        optVarsetup_Click(option);
}

QString frmVarsetupParms::variantMode_fromGUI(int index) const
{
    if (index < 0)
        index = optVarsetup.selectedIndex();
    return index > 0 && index < optionOperations.size() ? optionOperations[index] : optionOperations[0];
}

void frmVarsetupParms::optVarsetup_Click(int index)
{
    try {
        VbOptionButton* clicked = optVarsetup[index];
        if (!clicked || !clicked->value())
            return;
        // Option 5 stands in another frame: the buttons exclude each other
        // only within their own frame.
        if (index == 5) {
            for (int i = 0; i <= 4; ++i)
                optVarsetup[i]->setValue(false);
        } else {
            optVarsetup[5]->setValue(false);
        }
        setSourceRowEnabled(labelSourceDBPCB, textSourceDBPCB, browseSourceDBPCB, index == 3 && !locked());
        setSourceRowEnabled(labelSourceDBCAE, textSourceDBCAE, browseSourceDBCAE, index == 4 && !locked());
    } catch (...) {
        // Dialogs trap their errors quietly.
        vbl_err_trapped(QStringLiteral("frmVarsetupParms_optVarsetup_Click"), VBL_LOG_DIALOGS);
    }
}

void frmVarsetupParms::setSourceRowEnabled(VbLabel* label, VbTextBox* text, VbCommandButton* browse, bool on)
{
    vb::setBackColor(text, vbl_getColorFromState(on));
    vb::setEnabled(text, on);
    vb::setEnabled(label, on);
    vb::setEnabled(browse, on);
}

void frmVarsetupParms::loadGroups() { fill_variantMode(parmsColl()); }

int frmVarsetupParms::persistGroups(const IKalvexGenParmsPtr& parms)
{
    return m_operation.persistWord(parms, variantMode_fromGUI(-1));
}

} // namespace kalvex
