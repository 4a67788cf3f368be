#include "platform/tlist_procs.h"

#include <QHeaderView>

#include "platform/TList.h"
#include "platform/VbTwips.h"

namespace kalvex {

void tlist_addRow(TList* tree, tlist_rowRec& rec)
{
    if (!tree)
        return;
    if (rec.mode.compare(QLatin1String("INSERT"), Qt::CaseInsensitive) == 0) {
        rec.itemIndex = tree->InsertItem(rec.text, rec.itemIndex);
        tlist_applyRow(tree, rec.itemIndex, rec);
        return;
    }
    // Filled before it is shown: the list hears of the row once.
    rec.itemIndex = tree->NewItem(rec.text);
    tlist_applyRow(tree, rec.itemIndex, rec);
    tree->PlaceItem(rec.itemIndex, rec.parentIndex >= 0 ? rec.parentIndex : -1);
}

void tlist_applyRow(TList* tree, int row, const tlist_rowRec& rec)
{
    if (!tree || !tree->rowItem(row))
        return;
    if (!rec.picture1.isNull())
        tree->setItemPicture(row, rec.picture1, 1);
    if (!rec.picture2.isNull())
        tree->setItemPicture(row, rec.picture2, 2);
    tree->setItemData(row, rec.useVariantData ? rec.variantData : QVariant(rec.data));
    // A new row reads 0 for each of these already.
    if (rec.itemMode != 0)
        tree->setItemMode(row, rec.itemMode);
    if (rec.value2 != 0)
        tree->setItemValue2(row, rec.value2);
    if (rec.longValue != 0)
        tree->setItemLong(row, rec.longValue);
    // The list's font unless the record asks for another face or style.
    if (!rec.fontName.isEmpty() || rec.fontSize > 0 || rec.fontBold || rec.fontItalic || rec.fontStrikethrough
        || rec.fontUnderline) {
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
    }
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
    // Item mode 0 for every row needs no step: the list is empty now, and
    // rows start in mode 0.
}

void tlist_setTopRow(TList* tree, int row, int option1, int option2)
{
    Q_UNUSED(option1)
    Q_UNUSED(option2)
    if (tree)
        tree->setTopIndex(row);
}

} // namespace kalvex
