#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/TList.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

// root
//   a
//     a1
//   b
TList* buildTree(TList& t)
{
    EXPECT_EQ(t.AddItem("root"), 0);
    EXPECT_EQ(t.AddItem("a", 0), 1);
    EXPECT_EQ(t.AddItem("b", 0), 2);
    // Below a, after its last row: b moves down one.
    EXPECT_EQ(t.AddItem("a1", 1), 2);
    return &t;
}

QStringList texts(const TList& t)
{
    QStringList out;
    for (int i = 0; i < t.ListCount(); ++i)
        out << t.ItemText(i);
    return out;
}

} // namespace

TEST(TreeList, RowsAreNumberedInDisplayOrderAcrossNesting)
{
    TList t;
    buildTree(t);
    EXPECT_EQ(texts(t), QStringList({"root", "a", "a1", "b"}));
    EXPECT_EQ(t.ListCount(), 4);
    EXPECT_TRUE(t.ItemHasChildren(0));
    EXPECT_TRUE(t.ItemHasChildren(1));
    EXPECT_FALSE(t.ItemHasChildren(2));
    EXPECT_EQ(t.LastRowBelow(0), 3);
    EXPECT_EQ(t.LastRowBelow(1), 2);
    EXPECT_EQ(t.LastRowBelow(3), 3);
    EXPECT_EQ(t.LastRowBelow(9), -1);

    // A row inserted in front of a1 shifts everything after it.
    EXPECT_EQ(t.InsertItem("a0", 2), 2);
    EXPECT_EQ(texts(t), QStringList({"root", "a", "a0", "a1", "b"}));
    EXPECT_EQ(t.LastRowBelow(1), 3);
    // Not a row: appended at the top level.
    EXPECT_EQ(t.InsertItem("z", 99), 5);

    t.Clear();
    EXPECT_EQ(t.ListCount(), 0);
    EXPECT_EQ(t.ListIndex(), -1);
    EXPECT_EQ(t.AddItem("fresh"), 0);
}

TEST(TreeList, KeysValuesAndSelectionStayWithTheirRow)
{
    TList t;
    buildTree(t);
    t.setItemKey(2, "#1#42");
    t.setItemValue(2, "SortKey_Objects", "0102");
    t.setItemData(2, 7);
    t.setItemMode(2, 1);
    EXPECT_EQ(t.ListIndex(), -1);
    t.setListIndex(2);
    EXPECT_EQ(t.ListIndex(), 2);
    t.InsertItem("first", 0);
    // The selected row moved down with its key.
    EXPECT_EQ(t.ListIndex(), 3);
    EXPECT_EQ(t.ItemKey(3), "#1#42");
    EXPECT_EQ(t.ItemValue(3, "SortKey_Objects").toString(), "0102");
    EXPECT_EQ(t.ItemData(3).toInt(), 7);
    EXPECT_EQ(t.ItemMode(3), 1);
    t.setListIndex(-1);
    EXPECT_EQ(t.ListIndex(), -1);
    // Rows that are not there read as empty and take nothing.
    t.setItemKey(50, "x");
    EXPECT_EQ(t.ItemKey(50), QString());
}

TEST(TreeList, SortingByANamedValueWaitsForRedrawAndKeepsState)
{
    TList t;
    t.setRedraw(false);
    t.setSortValueName("SortKey_Objects");
    t.AddItem("root");
    const int c = t.AddItem("c", 0);
    t.setItemValue(c, "SortKey_Objects", "03");
    const int a = t.AddItem("a", 0);
    t.setItemValue(a, "SortKey_Objects", "01");
    const int a1 = t.AddItem("a1", a);
    t.setItemValue(a1, "SortKey_Objects", "01.01");
    const int b = t.AddItem("b", 0);
    t.setItemValue(b, "SortKey_Objects", "02");
    // Indices handed out while filling stay valid until redraw is back on.
    EXPECT_EQ(texts(t), QStringList({"root", "c", "a", "a1", "b"}));
    t.setItemExpanded(a, true);
    t.setListIndex(a1);

    t.setRedraw(true);
    EXPECT_EQ(texts(t), QStringList({"root", "a", "a1", "b", "c"}));
    EXPECT_TRUE(t.ItemExpanded(1));
    EXPECT_EQ(t.ListIndex(), 2);
    EXPECT_TRUE(t.Redraw());
}

TEST(TreeList, ExpandedStateForOneRowOrAllRows)
{
    TList t;
    buildTree(t);
    t.setItemExpanded(0, true);
    t.setItemExpanded(1, true);
    EXPECT_TRUE(t.ItemExpanded(0));
    t.setItemExpanded(-1, false);
    EXPECT_FALSE(t.ItemExpanded(0));
    EXPECT_FALSE(t.ItemExpanded(1));
}

TEST(TreeList, ColourCodesResolveToSystemOrPlainColours)
{
    TList t;
    buildTree(t);
    t.setItemForeColor(1, 255); // red as 0x00BBGGRR
    EXPECT_EQ(t.rowItem(1)->foreground(0).color(), QColor(255, 0, 0));
    EXPECT_EQ(t.ItemForeColor(1), 255u);
    t.setItemForeColor(2, 0x80000013u);
    EXPECT_EQ(t.rowItem(2)->foreground(0).color(),
              t.palette().color(QPalette::Disabled, QPalette::WindowText));
    t.setItemForeColor(2, 0); // not set: back to the list's colour
    EXPECT_EQ(t.rowItem(2)->foreground(0).style(), Qt::NoBrush);
    t.setForeColor(0x8000000Fu);
    EXPECT_EQ(t.ForeColor(), 0x8000000Fu);
    EXPECT_EQ(t.palette().color(QPalette::Active, QPalette::Text), QPalette().color(QPalette::Button));
}

TEST(TreeList, CellSeparatorSplitsRowTextIntoColumns)
{
    TList t;
    t.setCellSeparator('^');
    t.AddItem("name^value");
    EXPECT_EQ(t.columnCount(), 2);
    EXPECT_EQ(t.rowItem(0)->text(1), "value");
    EXPECT_EQ(t.ItemText(0), "name^value");
}

TEST(TreeList, MousePressComesBeforeTheSelectionAndClickAfter)
{
    TList t;
    buildTree(t);
    t.setItemExpanded(-1, true);
    t.resize(200, 200);
    t.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));

    QStringList order;
    int rowAtPress = -2;
    QObject::connect(&t, &TList::MouseDown, [&] {
        order << "down";
        rowAtPress = t.ListIndex();
    });
    QObject::connect(&t, &TList::SelChange, [&] { order << "sel"; });
    QObject::connect(&t, &TList::Click, [&] { order << "click"; });

    const QRect r = t.visualItemRect(t.rowItem(3));
    QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(order, QStringList({"down", "sel", "click"}));
    EXPECT_EQ(rowAtPress, -1);
    EXPECT_EQ(t.ListIndex(), 3);

    // Selecting by code raises only the selection change.
    order.clear();
    t.setListIndex(1);
    EXPECT_EQ(order, QStringList({"sel"}));
}

TEST(TreeList, TopRowScrollsTheRowToTheTop)
{
    TList t;
    t.AddItem("root");
    for (int i = 0; i < 60; ++i)
        t.AddItem(QString("row %1").arg(i), 0);
    t.setItemExpanded(0, true);
    t.resize(200, 120);
    t.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));
    t.setTopIndex(30);
    QTest::qWait(10);
    EXPECT_EQ(t.TopIndex(), 30);
}
