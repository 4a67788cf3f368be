// The grid of frmParmEdit: set-up, widths, sort, row access, cell protection
// and highlighting, New and Delete.
#include "dialogs/frmParmEdit.h"

#include "dialogs/guiLib.h"
#include "dialogs/morvObjs_parmGridFillRow.h"
#include "generators/KalvexGenParm.h"
#include "platform/VbColors.h"
#include "platform/VbCommandButton.h"
#include "platform/VbTimer.h"
#include "platform/vaSpread.h"

namespace kalvex {

void frmParmEdit::layout_parmsGrid()
{
    vaSpread* g = parmsGrid;
    const bool painting = g->reDraw();
    g->setReDraw(false);
    // No caret survives a reload: the new rows decide where it goes.
    g->setMaxRows(0);
    g->setMaxRows(400);
    g->setCol(-1);
    g->setRow(-1);
    g->setCol2(-1);
    g->setRow2(-1);
    g->setBlockMode(true);
    g->clearBlock();
    g->setBlockMode(false);
    g->setMaxCols(ParmGridCol::Count);
    g->setCol(-1);
    g->setRow(-1);
    g->setBackColor(VbColor::ButtonFace);
    g->setForeColor(VbColor::WindowText);
    static const char* const headers[] = {"Name", "Value", "OrgName", "OrgValue", "parmType", "NewParm"};
    g->setRow(0);
    for (int c = 1; c <= ParmGridCol::Count; ++c) {
        g->setCol(c);
        g->setText(QString::fromLatin1(headers[c - 1]));
    }
    for (int c = ParmGridCol::OrgName; c <= ParmGridCol::NewParm; ++c)
        g->setColHidden(c, true);
    if (painting)
        g->setReDraw(true);
}

void frmParmEdit::setColWidths()
{
    const GuiMetrics& m = guiLib();
    const int nameWidth = parmsGrid->maxTextColWidth(ParmGridCol::Name) + 2 * m.gap;
    const double valueWidth = vb::width(parmsGrid) - nameWidth - 2.0 * m.margin - m.margin / 1.5;
    parmsGrid->setColWidth(ParmGridCol::Name, nameWidth);
    parmsGrid->setColWidth(ParmGridCol::Value, static_cast<int>(valueWidth));
}

void frmParmEdit::sortGrid()
{
    vaSpread* g = parmsGrid;
    const int rows = g->maxRows();
    const int activeRow = g->activeRow();
    const int activeCol = g->activeCol();
    if (rows < 1 || activeRow < 0 || activeCol < 0)
        return;
    g->setBlockMode(false);
    QString name;
    const bool remember = activeRow >= 1;
    if (remember) {
        g->setCol(ParmGridCol::Name);
        g->setRow(activeRow);
        name = g->text();
    }
    // System parameters first, each group by name.
    g->sortRows(1, rows, {ParmGridCol::ParmType, vaSpread::SortDescending},
                {ParmGridCol::Name, vaSpread::SortAscending});
    if (!remember)
        return;
    for (int r = 1; r <= rows; ++r) {
        g->setCol(ParmGridCol::Name);
        g->setRow(r);
        if (g->text() == name) {
            g->setCol(activeCol);
            g->setActiveCell();
            return;
        }
    }
}

int frmParmEdit::getParmType(int row)
{
    parmsGrid->setBlockMode(false);
    parmsGrid->setCol(ParmGridCol::ParmType);
    parmsGrid->setRow(row);
    return parmsGrid->text().trimmed().toInt();
}

void frmParmEdit::getRowData(int row, IKalvexGenParm& current, IKalvexGenParm& former, bool& newFlag)
{
    if (row <= 0) {
        for (IKalvexGenParm* p : {&current, &former}) {
            p->setName(QString());
            p->setValue(false, QString());
        }
        return;
    }
    vaSpread* g = parmsGrid;
    g->setBlockMode(false);
    g->setRow(row);
    auto cell = [g](int col) {
        g->setCol(col);
        return g->text();
    };
    current.setName(cell(ParmGridCol::Name));
    current.setValue(false, cell(ParmGridCol::Value));
    former.setName(cell(ParmGridCol::OrgName));
    former.setValue(false, cell(ParmGridCol::OrgValue));
    const int type = cell(ParmGridCol::ParmType).trimmed().toInt();
    current.setParmType(type);
    former.setParmType(type);
    newFlag = cell(ParmGridCol::NewParm).trimmed().toInt() == 1;
}

void frmParmEdit::setButVisibility(int col, int parmType, int row)
{
    if (parmType == -1)
        parmType = getParmType(row);
    // A read-only dialog keeps the buttons its lock disabled.
    const bool editable = !locked();
    vb::setEnabled(cmdBrowse, editable && col == ParmGridCol::Value);
    vb::setEnabled(cmdDelete, editable && parmType == PARM_TYPE_USER);
}

void frmParmEdit::parmsGrid_EditMode(int col, int row, int mode)
{
    if (row < 1 || (col != ParmGridCol::Name && col != ParmGridCol::Value))
        return;
    const int partner = col == ParmGridCol::Name ? ParmGridCol::Value : ParmGridCol::Name;
    const int type = getParmType(row);
    parmsGrid->setCol(partner);
    parmsGrid->setRow(row);
    if (mode == 1) {
        parmsGrid->setBackColor(VbColor::Highlight);
        parmsGrid->setForeColor(VbColor::HighlightText);
        setButVisibility(col, type, row);
        return;
    }
    const bool greyName = partner == ParmGridCol::Name && type == PARM_TYPE_SYSTEM;
    parmsGrid->setBackColor(greyName ? VbColor::ButtonFace : VbColor::WindowBackground);
    parmsGrid->setForeColor(VbColor::WindowText);
}

void frmParmEdit::parmsGrid_LeaveCell(int newCol, int newRow, bool& cancel)
{
    const int type = getParmType(newRow);
    if (type == PARM_TYPE_SYSTEM && newCol == ParmGridCol::Name) {
        // The name of a system parameter is never entered: the caret goes to its value.
        cancel = true;
        actCellTimer->setEnabled(false);
        m_pendingCol = ParmGridCol::Value;
        m_pendingRow = newRow;
        actCellTimer->setEnabled(true);
        return;
    }
    actCellTimer->setEnabled(false);
    setButVisibility(newCol, type, newRow);
}

void frmParmEdit::actCellTimer_Timer()
{
    if (m_pendingCol < 0 || m_pendingRow < 0)
        return;
    parmsGrid->setBlockMode(false);
    parmsGrid->setCol(m_pendingCol);
    parmsGrid->setRow(m_pendingRow);
    m_pendingCol = -1;
    m_pendingRow = -1;
    parmsGrid->setActiveCell();
}

// The new parameter joins the set whose rows the grid shows.
void frmParmEdit::cmdNew_Click()
{
    const IKalvexGenParmsPtr parms = shownParms();
    if (!parms)
        return;
    vaSpread* g = parmsGrid;
    g->commitEdit();
    g->setBlockMode(false);
    const IKalvexGenParmPtr scratch = classCreate_KalvexGenParm();
    if (g->maxRows() >= 1 && g->activeRow() >= 0)
        g->setRow(g->activeRow());
    const bool onRow = g->row() >= 1 && g->maxRows() >= 1 && g->row() <= g->maxRows();
    QString name;
    QString value;
    if (onRow) {
        g->setCol(ParmGridCol::Name);
        name = parms->getUniqueName(g->text());
        g->setCol(ParmGridCol::Value);
        value = g->text();
    } else {
        name = parms->getUniqueName(QStringLiteral("New Parameter"));
        value = QStringLiteral("<Parm_Value>");
    }
    scratch->setName(name);
    scratch->setValue(false, value);
    scratch->setParmType(PARM_TYPE_USER);
    const IKalvexGenParmPtr added = parms->add(scratch->name(), scratch->value(false), scratch->parmType());
    if (!added)
        return;
    added->setModified(1);
    const int row = g->row();
    g->setMaxRows(g->maxRows() + 1);
    if (onRow) {
        g->setRow(row);
        g->insertRow();
    } else {
        g->setRow(g->maxRows());
    }
    morvObjs_parmGridFillRow(g, g->row(), scratch, true, false);
    setColWidths();
    sortGrid();
    focusGridSoon(70);
}

void frmParmEdit::cmdDelete_Click()
{
    vaSpread* g = parmsGrid;
    g->commitEdit();
    const int row = g->activeRow();
    if (row < 1 || getParmType(row) == PARM_TYPE_SYSTEM)
        return;
    const int col = g->activeCol();
    g->setRowHidden(row, true);
    // The caret must not stay in a row nobody sees: the next visible row
    // (or the one above) takes it.
    int target = -1;
    for (int r = row + 1; r <= g->maxRows() && target < 0; ++r)
        if (!g->rowHidden(r))
            target = r;
    for (int r = row - 1; r >= 1 && target < 0; --r)
        if (!g->rowHidden(r))
            target = r;
    if (target > 0) {
        g->setCol(col);
        g->setRow(target);
        g->setActiveCell();
    }
    setColWidths();
    focusGridSoon(70);
}

} // namespace kalvex
