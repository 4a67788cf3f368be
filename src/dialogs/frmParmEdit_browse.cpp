// Browse buttons of frmParmEdit: a file for the selected value, or the batch
// file, through the file browser.
#include "dialogs/frmParmEdit.h"

#include "dialogs/morvObjs_parmGridFillRow.h"
#include "dialogs/morvObjs_pickers.h"
#include "generators/generatorAdminObj.h"
#include "platform/VbTextBox.h"
#include "platform/vaSpread.h"

namespace kalvex {

void frmParmEdit::cmdBrowse_Click()
{
    const auto adm = morvObjs_parmsGetAdminObj(contextParms());
    vaSpread* g = parmsGrid;
    g->commitEdit();
    g->setBlockMode(false);
    const int row = g->activeRow();
    g->setRow(row);
    g->setCol(ParmGridCol::Value);
    if (row < 1)
        return;
    const QString chosen =
        morvObjs_parmBrowseFile(g->text(), QStringLiteral("MORV_GEN_PARAMETER"), this, adm, true, true);
    if (chosen != PICKER_NODEF) {
        // Timers ran while the browser was open: address the cell again.
        g->setCol(ParmGridCol::Value);
        g->setRow(row);
        g->setText(chosen.trimmed());
        g->setActiveCell();
    }
    focusGridSoon(40);
}

void frmParmEdit::browseBatchFile_Click()
{
    const auto adm = morvObjs_parmsGetAdminObj(contextParms());
    const QString chosen = morvObjs_parmBrowseFile(textBatchfile->text().trimmed(),
                                                   QStringLiteral("MORV_GEN_BATCHFILE"), this, adm, true, false);
    if (chosen != PICKER_NODEF)
        textBatchfile->setText(chosen);
}

} // namespace kalvex
