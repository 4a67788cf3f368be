// Row procedures shared by the object tree views: name/value rows, node
// rows, the per-row item grid, reservation texts and colours, collection
// captions, and the frame (redraw switch, error trap) every view runs in.
//
// A name/value row is one tree row whose text "name^value" the list splits
// into two columns; see docs/tree-views.md.
#pragma once
#include <QString>
#include <QVariant>
#include <exception>
#include <memory>

#include "foundation/vbl_err.h"
#include "interfaces/IKalvexObject.h"

namespace kalvex {

class TList;
class IKalvexADMDbStatus;

// The character that splits a row text into its name and value columns.
constexpr int TLIST_CELL_SEPARATOR = '^';

// The fresh-fill set-up of the root views: tlist_initGrid, the cell
// separator "^" and two columns, name and value. The redraw switch is left
// as it was found.
void tlist_prepareGrid(TList* tlist);

// Adds the row "name^value" under parentIndex. Strings are used as they
// are, Booleans as "Yes"/"No", anything else as its trimmed text in the
// locale's number format.
void tlist_addNameVal(const QString& name, const QVariant& value, TList* tlist, int parentIndex);
// The text a value shows as in a name/value row.
QString tlist_valueText(const QVariant& value);
// Empty: no row carries a grid of its own to fit (the list's two columns
// are every row's cells), so the views do not call it.
void tlist_adjustItemGrid(TList* tlist, int row);

// "(code) label"; "(9) <???>" for codes outside 0 to 4.
QString getReservedStr(int code);
// The caption colour of a reservation code (0x00BBGGRR); 0 for none.
quint32 getReservedColor(int code);
// "label - Cnt:n - Mods:m - Mod on Coll:c" of one of the model's
// collections. With onlyModified only the items whose change count is not 0
// are counted. count and mods receive the counted items and the sum of
// their change counts (32-bit). No collection: counts 0.
QString getCollCounts(const IKalvexObjectPtr& collection, const QString& label, int& count, int& mods,
                      bool onlyModified);
// "name (id)" of a named object; "No reference set ! " for none.
QString getNameIdString(const IKalvexObjectPtr& object);
// Adds "Moddate <keyword>" with the status's date of objType; nothing when
// the date or the keyword is empty.
void tlist_showAdminDbStatusDate(int objType, const std::shared_ptr<IKalvexADMDbStatus>& status, TList* tlist,
                                 int parentIndex);

// getCollCounts for a collection of known type (count() and item(i)).
QString tlist_collCaption(int collModified, const QString& label, int count, int mods);
template <typename Coll>
QString getCollCountsOf(const Coll& collection, const QString& label, int& count, int& mods, bool onlyModified)
{
    count = 0;
    mods = 0;
    if (!collection)
        return tlist_collCaption(0, label, 0, 0);
    const int n = collection->count();
    for (int i = 1; i <= n; ++i) {
        const auto item = collection->item(i);
        if (!item)
            continue;
        const int m = item->modified();
        if (onlyModified && m == 0)
            continue;
        ++count;
        mods += m;
    }
    return tlist_collCaption(collection->modified(), label, count, mods);
}

// Adds a node row (an object's or a collection's caption): bold unless
// told otherwise, coloured when color is above 0. Answers its row.
int tlist_addNode(TList* tlist, int parentIndex, const QString& caption, bool bold = true, quint32 color = 0);
// Collapses a node row.
void tlist_collapse(TList* tlist, int row);

// A node row built out of sight: its rows and child nodes are added below
// it before the list shows it, so the list hears of the whole node once.
// close() (or the end of its life, an error included) shows it below its
// parent, collapsed.
class tlist_node {
public:
    tlist_node(TList* tlist, int parentIndex, const QString& caption, bool bold = true, quint32 color = 0);
    ~tlist_node() { close(); }
    tlist_node(const tlist_node&) = delete;
    tlist_node& operator=(const tlist_node&) = delete;

    int row() const { return m_row; }
    void close();

private:
    TList* m_tlist;
    int m_parent;
    int m_row = -1;
    bool m_open = true;
};

// Switches the list's redraw off while it lives, when it was on; only then
// is it switched on again at the end, so nested views leave it off.
class tlist_redrawOff {
public:
    explicit tlist_redrawOff(TList* tlist);
    ~tlist_redrawOff();
    tlist_redrawOff(const tlist_redrawOff&) = delete;
    tlist_redrawOff& operator=(const tlist_redrawOff&) = delete;

private:
    TList* m_tlist;
    bool m_wasOn;
};

// Runs a view's body with the redraw switched off. An error ends the view
// quietly (the dialogs' log); the rows it added stay.
template <typename Body>
void tlist_viewFrame(TList* tlist, Body&& body)
{
    tlist_redrawOff redraw(tlist);
    try {
        body();
    } catch (const std::exception&) {
        vbl_err_trapped(QStringLiteral("frmObjectTest_tlist_view"), VBL_LOG_DIALOGS);
    }
}

} // namespace kalvex
