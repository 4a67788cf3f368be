// The Gerber dialog's header and trailer grids: set-up, fill, row access,
// writing the changed lines back, and which of the two shows.
#include "dialogs/frmGerberParms.h"

#include "platform/VbColors.h"
#include "platform/VbOptionButton.h"
#include "platform/vaSpread.h"

namespace kalvex {

void frmGerberParms::headTrailGrid_layout(vaSpread* g)
{
    const bool painting = g->reDraw();
    if (painting)
        g->setReDraw(false);
    g->setMaxRows(400);
    g->setBlockMode(true);
    g->setCol(0);
    g->setRow(0);
    g->setCol2(-1);
    g->setRow2(-1);
    g->setRowHidden(-1, false);
    g->clearBlock();
    g->setBlockMode(false);
    g->setMaxCols(ColCount);
    // Four rows before colouring: no need to colour the 396 that go.
    g->setMaxRows(LineCount);
    g->setCol(-1);
    g->setRow(-1);
    g->setBackColor(locked() ? VbColor::ButtonFace : VbColor::WindowBackground);
    g->setForeColor(locked() ? VbColor::GrayText : VbColor::WindowText);
    g->setColHidden(ColName, true);
    g->setColHidden(ColOrgText, true);
    g->setColWidth(0, RowHeaderWidth);
    vb::setHeight(g, LineCount * g->rowHeight(1) + 80);
    if (painting)
        g->setReDraw(true);
}

int frmGerberParms::headTailGrid_fill(vaSpread* grid, const IKalvexGenParmsPtr& parms, const QString& prefix)
{
    if (!parms)
        return 0;
    for (int r = 1; r <= LineCount; ++r) {
        const QString name = prefix + QString::number(r);
        const IKalvexGenParmPtr parm = parms->item(name);
        headTailGrid_fillRow(grid, r, name, parm ? parm->value(false) : QString());
    }
    return 0;
}

void frmGerberParms::headTailGrid_fillRow(vaSpread* g, int row, const QString& name, const QString& value)
{
    g->setBlockMode(false);
    g->setRow(row);
    g->setCol(ColText);
    g->setText(value);
    g->setCol(ColName);
    g->setText(name);
    g->setCol(ColOrgText);
    g->setText(value);
}

void frmGerberParms::headTailGrid_getRowData(vaSpread* g, int row, QString& name, QString& value,
                                             QString& orgValue)
{
    g->setBlockMode(false);
    g->setRow(row);
    g->setCol(ColText);
    value = g->text();
    g->setCol(ColOrgText);
    orgValue = g->text();
    g->setCol(ColName);
    name = g->text();
}

int frmGerberParms::headTrailGrid_persist(const IKalvexGenParmsPtr& parms, vaSpread* grid)
{
    if (!parms)
        return 0;
    int count = 0;
    for (int row = 1; row <= grid->maxRows(); ++row) {
        QString name, value, orgValue;
        headTailGrid_getRowData(grid, row, name, value, orgValue);
        // Lines are stored as typed: blanks at either end belong to the line.
        if (name.isEmpty() || value == orgValue)
            continue;
        if (IKalvexGenParmPtr parm = parms->item(name)) {
            parm->setValue(false, value);
        } else {
            parm = parms->add(name, value, PARM_TYPE_SYSTEM);
            if (!parm)
                return -1;
            parm->setModified(1);
        }
        headTailGrid_fillRow(grid, row, name, value);
        ++count;
    }
    return count;
}

void frmGerberParms::switch_HeadTrailGrids()
{
    vb::setVisible(listHeaderLines, false);
    vb::setVisible(listTrailerLines, false);
    vb::setVisible(optionHeaders->value() ? listHeaderLines : listTrailerLines, true);
}

} // namespace kalvex
