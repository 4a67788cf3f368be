// Row procedures shared by the object tree views: name/value rows, the
// per-row item grid, reservation texts and colours, collection captions.
#pragma once
#include <QString>
#include <QVariant>
#include <memory>

#include "interfaces/IKalvexObject.h"

namespace kalvex {

class TList;
class IKalvexADMDbStatus;

// The character that splits a row text into its name and value columns.
constexpr int TLIST_CELL_SEPARATOR = '^';

// The fresh-fill set-up of the root views: tlist_initGrid, the cell
// separator "^" and the grid switches (two columns, name and value).
void tlist_prepareGrid(TList* tlist);

// Adds the row "name^value" under parentIndex. Strings are used as they
// are, Booleans as "Yes"/"No", anything else as its trimmed text in the
// locale's number format.
void tlist_addNameVal(const QString& name, const QVariant& value, TList* tlist, int parentIndex);
// Fits the item grid of row (the node whose name/value rows are complete).
void tlist_adjustItemGrid(TList* tlist, int row);
// Adds an empty row with a two-column "Name"/"Value" grid under parentIndex.
void tlist_addItemGrid(TList* tlist, int parentIndex);

// "(code) label"; "(9) <???>" for codes outside 0 to 4.
QString getReservedStr(int code);
// The caption colour of a reservation code (0x00BBGGRR); 0 for none.
quint32 getReservedColor(int code);
// "label - Cnt:n - Mods:m - Mod on Coll:c". With onlyModified only the items
// whose change count is not 0 are counted. count and mods receive the
// counted items and the sum of their change counts (32-bit).
QString getCollCounts(const IKalvexObjectPtr& collection, const QString& label, int& count, int& mods,
                      bool onlyModified);
// "name (id)" of a named object; "No reference set ! " for none.
QString getNameIdString(const IKalvexObjectPtr& object);
// Adds "Moddate <keyword>" with the status's date of objType; nothing when
// the date or the keyword is empty.
void tlist_showAdminDbStatusDate(int objType, const std::shared_ptr<IKalvexADMDbStatus>& status, TList* tlist,
                                 int parentIndex);

} // namespace kalvex
