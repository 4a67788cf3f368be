#include "platform/tlist_procs.h"

#include <QHeaderView>

#include "platform/TList.h"
#include "platform/VbTwips.h"

namespace kalvex {

void tlist_addRow(TList* tree, tlist_rowRec& rec)
{
    if (!tree)
        return;
    const int row = rec.mode.compare(QLatin1String("INSERT"), Qt::CaseInsensitive) == 0
        ? tree->InsertItem(rec.text, rec.itemIndex)
        : tree->AddItem(rec.text, rec.parentIndex >= 0 ? rec.parentIndex : -1);
    rec.itemIndex = row;
    if (!rec.picture1.isNull())
        tree->setItemPicture(row, rec.picture1, 1);
    if (!rec.picture2.isNull())
        tree->setItemPicture(row, rec.picture2, 2);
    tree->setItemData(row, rec.useVariantData ? rec.variantData : QVariant(rec.data));
    tree->setItemMode(row, rec.itemMode);
    tree->setItemValue2(row, rec.value2);
    tree->setItemLong(row, rec.longValue);
    QFont font = tree->ItemFont(row);
    if (!rec.fontName.isEmpty())
        font.setFamily(rec.fontName);
    if (rec.fontSize > 0)
        font.setPointSizeF(rec.fontSize);
    font.setBold(rec.fontBold);
    font.setItalic(rec.fontItalic);
    font.setStrikeOut(rec.fontStrikethrough);
    font.setUnderline(rec.fontUnderline);
    tree->setItemFont(row, font);
    // Colour codes are unsigned: system colours (&H800000nn) count as set.
    if (rec.foreColor > 0)
        tree->setItemForeColor(row, rec.foreColor);
}

void tlist_addItem(TList* tree, tlist_rowRec& rec)
{
    rec.mode = QStringLiteral("ADD");
    tlist_addRow(tree, rec);
}

void tlist_initGrid(QWidget* form, TList* tree, const tlist_gridSetup& setup, const QList<int>& widths)
{
    Q_UNUSED(form)
    if (!tree)
        return;
    tree->setRedraw(false);
    tree->Clear();
    QFont font(QStringLiteral("Ms Sans Serif"));
    font.setPointSize(8);
    tree->setFont(font);
    if (!setup.gridName.isEmpty())
        tree->setProperty("gridName", setup.gridName);
    const int columns = int(qMax(setup.captions.size(), qMax<qsizetype>(widths.size(), 1)));
    tree->setColumnCount(columns);
    if (!setup.captions.isEmpty()) {
        tree->setHeaderLabels(setup.captions);
        tree->setHeaderHidden(false);
    }
    for (int c = 0; c < widths.size(); ++c)
        if (widths[c] > 0)
            tree->setColumnWidth(c, twipsToPixelsX(widths[c]));
    // Every row starts in item mode 0 (the list is empty now; rows added
    // later start there too).
    for (int r = 0; r < tree->ListCount(); ++r)
        tree->setItemMode(r, 0);
}

int tlist_fillGrid(const tlist_gridRec& grid)
{
    TList* tree = grid.tlist;
    if (!tree)
        return -1;
    tree->setCellSeparator('^');
    const int columns = int(qMax<qsizetype>(grid.columnCount, grid.columns.size()));
    if (tree->columnCount() < columns)
        tree->setColumnCount(columns);
    const int row = tree->AddItem(grid.text, grid.parentIndex);
    QStringList captions;
    for (int c = 0; c < tree->columnCount(); ++c)
        captions << (c < grid.columns.size() ? grid.columns[c].caption : QString());
    tree->setHeaderLabels(captions);
    for (int c = 0; c < grid.columns.size(); ++c) {
        if (grid.columns[c].width > 0)
            tree->setColumnWidth(c, twipsToPixelsX(grid.columns[c].width));
        tree->resizeColumnToContents(c);
    }
    return row;
}

void tlist_setTopRow(TList* tree, int row, int option1, int option2)
{
    Q_UNUSED(option1)
    Q_UNUSED(option2)
    if (tree)
        tree->setTopIndex(row);
}

} // namespace kalvex
