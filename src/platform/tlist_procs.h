// Procedures that fill a tree list from row records.
#pragma once
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QVariant>

class QWidget;

namespace kalvex {

class TList;

// One row to add, and what the tree gave it.
struct tlist_rowRec {
    bool useVariantData = false; // data from variantData, else from data
    int parentIndex = -1;        // -1: top level
    QString text;
    QString mode = QStringLiteral("ADD"); // "ADD" or "INSERT"
    int itemIndex = -1;          // out: the row added; for "INSERT" the position
    QPixmap picture1;
    QPixmap picture2;
    QString fontName;
    bool fontBold = false;
    bool fontItalic = false;
    bool fontStrikethrough = false;
    bool fontUnderline = false;
    double fontSize = 0;
    quint32 foreColor = 0;       // a colour code; 0: the list's own colour
    int itemMode = 0;
    int value2 = 0;
    qint32 longValue = 0;
    QVariant variantData;
    qint32 data = 0;
    // Filled by morvObjs_tlistDecodeRowKey.
    QString key;
    int keyNumber = 0;
    qint64 objectHandle = -100;
};

// Set-up of a fresh fill: the grid's name, its column captions and widths
// (twips; the first column takes the rest when none is given).
struct tlist_gridSetup {
    QString gridName;
    QStringList captions;
};

// Adds (or inserts) the row and applies pictures, data, per-row values, font
// and a colour above 0. rec.itemIndex receives the new row.
void tlist_addRow(TList* tree, tlist_rowRec& rec);
// Applies the record's pictures, data, per-row values, font and colour to a
// row just added (text, mode and parent aside); per-row values of 0 and the
// plain font are what a new row has already and are not written.
void tlist_applyRow(TList* tree, int row, const tlist_rowRec& rec);
// tlist_addRow in mode "ADD".
void tlist_addItem(TList* tree, tlist_rowRec& rec);
// Prepares a fresh fill: redraw off (the caller switches it on again), the
// list emptied, font "Ms Sans Serif" 8, columns and widths, item mode 0.
void tlist_initGrid(QWidget* form, TList* tree, const tlist_gridSetup& setup, const QList<int>& widths);
// Scrolls the list so that row is its top row; the options are accepted and unused.
void tlist_setTopRow(TList* tree, int row, int option1, int option2);

} // namespace kalvex
