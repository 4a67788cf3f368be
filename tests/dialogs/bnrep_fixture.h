// The report writer dialog opened on a generator's set, and a user choosing
// the database type and marking tables.
#pragma once
#include <QStyle>
#include <QStyleOptionViewItem>

#include "dialogs/dedicated_dialog_fixture.h"
#include "dialogs/frmBNREPParms.h"
#include "platform/VbCheckBox.h"
#include "platform/VbColors.h"
#include "platform/VbCommandButton.h"
#include "platform/VbListBox.h"

namespace kalvex::test {

class BnrepTest : public DedicatedDialogTest<frmBNREPParms> {
protected:
    BnrepTest()
        : DedicatedDialogTest(QStringLiteral("(INTERNAL)Kalvex Report Writer Generator"))
    {
    }

    VbListBox* list() { return form->tableList; }
    void chooseType(int index) { clickIndicator(form->OptDBType[index]); }
    int shownType() { return form->OptDBType.selectedIndex(); }

    int entryOf(const QString& table)
    {
        for (int i = 0; i < list()->ListCount(); ++i)
            if (list()->List(i) == table)
                return i;
        return -1;
    }
    QStringList marked()
    {
        QStringList names;
        for (int i = 0; i < list()->ListCount(); ++i)
            if (list()->Selected(i))
                names << list()->List(i);
        return names;
    }
    // Clicks the check mark of a table's entry, as a user does.
    void clickMark(const QString& table)
    {
        const int entry = entryOf(table);
        ASSERT_GE(entry, 0) << table.toStdString();
        QListWidgetItem* item = list()->item(entry);
        list()->scrollToItem(item);
        QStyleOptionViewItem opt;
        opt.initFrom(list());
        opt.rect = list()->visualItemRect(item);
        opt.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
        opt.text = item->text();
        opt.checkState = item->checkState();
        const QRect mark = list()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, list());
        const bool before = list()->Selected(entry);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, mark.center());
        EXPECT_NE(list()->Selected(entry), before) << "the click reached the mark of " << table.toStdString();
    }
};

} // namespace kalvex::test
