// The report writer's table list on a list box with check marks: one entry
// per table record, and the marked tables read back as "#"-joined text.
#pragma once
#include <QString>
#include <QVector>

#include "generators/bnrepTables.h"

namespace kalvex {

class VbListBox;

// Empties the list and adds each table record from index 1 in order, with
// the record index as the entry's item data, marked when its clear flag is
// set; no entry is current afterwards. Marking raises ItemCheck: callers
// that listen to it guard the refill.
void morvGens_bnrepTabClear_fillLBOX(VbListBox* list, const QVector<BnrepTableRec>& tables);

// The texts of the marked entries in list order joined by "#"; "" when none.
QString morvGens_bnrepTabClear_getActiveList(const VbListBox* list);

} // namespace kalvex
