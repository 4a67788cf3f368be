#include "dialogs/morvGens_bnrepTabClear.h"

#include <QStringList>

#include "platform/VbListBox.h"

namespace kalvex {

void morvGens_bnrepTabClear_fillLBOX(VbListBox* list, const QVector<BnrepTableRec>& tables)
{
    if (!list)
        return;
    list->Clear();
    for (int i = 1; i < tables.size(); ++i) {
        const BnrepTableRec& rec = tables[i];
        // The spare record at the end holds no table.
        if (rec.name.isEmpty())
            continue;
        const int entry = list->AddItem(rec.name);
        list->setItemData(entry, i);
        if (rec.clear)
            list->setSelected(entry, true);
    }
    list->setListIndex(-1);
}

QString morvGens_bnrepTabClear_getActiveList(const VbListBox* list)
{
    if (!list)
        return QString();
    QStringList marked;
    for (int i = 0; i < list->ListCount(); ++i)
        if (list->Selected(i))
            marked << list->List(i);
    return marked.join(QLatin1Char('#'));
}

} // namespace kalvex
