// The table list of the report writer: which tables it clears before writing.
#pragma once
#include <QString>
#include <QVector>

namespace kalvex {

struct BnrepTableRec {
    QString name;
    bool clear = false;
};

// Rebuilds tables as one record per "#"-separated name of allTables, from
// index 1 in list order; index 0 and one spare record at the end hold no
// table. Tables named in the "#"-separated clearList (letter case ignored)
// get their clear flag. Blank names are skipped.
void morvGens_bnrep_fillTableArray(QVector<BnrepTableRec>& tables, const QString& allTables,
                                   const QString& clearList);

} // namespace kalvex
