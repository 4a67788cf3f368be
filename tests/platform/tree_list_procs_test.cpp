#include <gtest/gtest.h>

#include "platform/TList.h"
#include "platform/tlist_procs.h"
#include "support/qt_printers.h"

using namespace kalvex;

TEST(TreeListProcs, AddRowAppliesEverythingTheRecordCarries)
{
    TList t;
    tlist_rowRec root;
    root.text = "processes";
    tlist_addItem(&t, root);
    EXPECT_EQ(root.itemIndex, 0);

    tlist_rowRec rec;
    rec.parentIndex = 0;
    rec.text = "Gerber";
    QPixmap pic(16, 16);
    pic.fill(Qt::blue);
    rec.picture1 = pic;
    rec.fontBold = true;
    rec.fontUnderline = true;
    rec.fontSize = 10;
    rec.foreColor = 0x80000013u; // a system colour counts as set
    rec.itemMode = 1;
    rec.value2 = 5;
    rec.longValue = 77;
    rec.useVariantData = true;
    rec.variantData = QStringLiteral("payload");
    tlist_addItem(&t, rec);
    EXPECT_EQ(rec.itemIndex, 1);
    EXPECT_EQ(t.ItemText(1), "Gerber");
    EXPECT_FALSE(t.ItemPicture(1, 1).isNull());
    EXPECT_TRUE(t.ItemFont(1).bold());
    EXPECT_TRUE(t.ItemFont(1).underline());
    EXPECT_FALSE(t.ItemFont(1).italic());
    EXPECT_EQ(t.ItemForeColor(1), 0x80000013u);
    EXPECT_EQ(t.ItemMode(1), 1);
    EXPECT_EQ(t.ItemValue2(1), 5);
    EXPECT_EQ(t.ItemLong(1), 77);
    EXPECT_EQ(t.ItemData(1).toString(), "payload");

    // 32-bit data, no colour: the list's own colour stays.
    tlist_rowRec plain;
    plain.parentIndex = 0;
    plain.text = "Drill";
    plain.data = 12;
    tlist_addItem(&t, plain);
    EXPECT_EQ(t.ItemData(2).toInt(), 12);
    EXPECT_EQ(t.ItemForeColor(2), 0u);

    // Insert in front of row 1.
    tlist_rowRec ins;
    ins.mode = "INSERT";
    ins.itemIndex = 1;
    ins.text = "Before";
    tlist_addRow(&t, ins);
    // The new row's own index; the rows after it keep theirs.
    EXPECT_EQ(ins.itemIndex, 3);
    EXPECT_EQ(t.ItemText(3), "Before");
    EXPECT_EQ(t.ItemText(1), "Gerber");
    EXPECT_EQ(t.topLevelItem(0)->child(0), t.rowItem(3));
}

TEST(TreeListProcs, InitGridEmptiesTheListAndLeavesRedrawOff)
{
    TList t;
    t.AddItem("old");
    tlist_initGrid(nullptr, &t, tlist_gridSetup{"processes", {}}, {});
    EXPECT_EQ(t.ListCount(), 0);
    EXPECT_FALSE(t.Redraw());
    EXPECT_EQ(t.property("gridName").toString(), "processes");
    EXPECT_EQ(t.font().pointSize(), 8);
    // Null lists are ignored.
    tlist_initGrid(nullptr, nullptr, {}, {});
    tlist_setTopRow(nullptr, 3, -1, 1);
}
