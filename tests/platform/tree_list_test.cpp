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
    // Below a, shown in front of b; b keeps its index.
    EXPECT_EQ(t.AddItem("a1", 1), 3);
    return &t;
}

void collect(const TList& t, QTreeWidgetItem* item, QStringList& out)
{
    out << t.ItemText(t.rowOf(item));
    for (int i = 0; i < item->childCount(); ++i)
        collect(t, item->child(i), out);
}

// Row texts in the order shown (rows expanded or not).
QStringList shown(const TList& t)
{
    QStringList out;
    for (int i = 0; i < t.topLevelItemCount(); ++i)
        collect(t, t.topLevelItem(i), out);
    return out;
}

} // namespace

TEST(TreeList, RowIndicesStayWithTheirRowsWhereverRowsAreAdded)
{
    TList t;
    buildTree(t);
    EXPECT_EQ(shown(t), QStringList({"root", "a", "a1", "b"}));
    EXPECT_EQ(t.ListCount(), 4);
    EXPECT_EQ(t.ItemText(2), "b");
    EXPECT_TRUE(t.ItemHasChildren(0));
    EXPECT_TRUE(t.ItemHasChildren(1));
    EXPECT_FALSE(t.ItemHasChildren(3));
    EXPECT_EQ(t.LastRowBelow(0), 2);
    EXPECT_EQ(t.LastRowBelow(1), 3);
    EXPECT_EQ(t.LastRowBelow(2), 2);
    EXPECT_EQ(t.LastRowBelow(9), -1);
    EXPECT_TRUE(t.RowIsBelow(3, 0));
    EXPECT_TRUE(t.RowIsBelow(3, 1));
    EXPECT_FALSE(t.RowIsBelow(2, 1));
    EXPECT_FALSE(t.RowIsBelow(1, 1));
    EXPECT_FALSE(t.RowIsBelow(0, 3));
    EXPECT_FALSE(t.RowIsBelow(-1, 0));

    // Inserted in front of a1: shown there, indexed after every other row.
    EXPECT_EQ(t.InsertItem("a0", 3), 4);
    EXPECT_EQ(shown(t), QStringList({"root", "a", "a0", "a1", "b"}));
    EXPECT_EQ(t.ItemText(3), "a1");
    EXPECT_EQ(t.LastRowBelow(1), 3);
    // Not a row: appended at the top level.
    EXPECT_EQ(t.InsertItem("z", 99), 5);
    EXPECT_EQ(shown(t).last(), "z");

    t.Clear();
    EXPECT_EQ(t.ListCount(), 0);
    EXPECT_EQ(t.ListIndex(), -1);
    EXPECT_EQ(t.AddItem("fresh"), 0);
}

TEST(TreeList, BreadthFirstFillKeepsEveryParentIndex)
{
    // Each level is added below rows of the level before, all of which are
    // shown above rows added earlier.
    TList t;
    t.setRedraw(false);
    std::vector<int> level{t.AddItem("r")};
    for (int depth = 1; depth <= 3; ++depth) {
        std::vector<int> next;
        for (int parent : level)
            for (int k = 0; k < 3; ++k) {
                const int row = t.AddItem(t.ItemText(parent) + QString::number(k), parent);
                ASSERT_EQ(t.ItemText(row), t.ItemText(parent) + QString::number(k));
                next.push_back(row);
            }
        level = next;
    }
    ASSERT_EQ(t.ListCount(), 1 + 3 + 9 + 27);
    const QStringList rows = shown(t);
    ASSERT_EQ(rows.size(), 40);
    EXPECT_EQ(rows.mid(0, 5), QStringList({"r", "r0", "r00", "r000", "r001"}));
    EXPECT_EQ(rows.last(), "r222");
    EXPECT_TRUE(t.RowIsBelow(39, 3));
}

TEST(TreeList, RowsBuiltOutOfSightAreShownWhenPlaced)
{
    TList t;
    t.setCellSeparator('^');
    const int root = t.AddItem("root");
    int inserted = 0;
    QObject::connect(t.model(), &QAbstractItemModel::rowsInserted, [&] { ++inserted; });
    const int node = t.NewItem("node");
    const int a = t.AddItem("a^1", node);
    const int b = t.AddItem("b^2", node);
    t.setItemForeColor(node, 255);
    EXPECT_EQ(inserted, 0);
    EXPECT_EQ(t.ItemText(a), "a^1");
    EXPECT_TRUE(t.RowIsBelow(b, node));
    EXPECT_EQ(shown(t), QStringList({"root"}));
    // Not below itself or its own rows.
    t.PlaceItem(node, a);
    EXPECT_EQ(inserted, 0);
    t.PlaceItem(node, root);
    EXPECT_EQ(inserted, 1);
    EXPECT_EQ(shown(t), QStringList({"root", "node", "a^1", "b^2"}));
    EXPECT_EQ(t.rowItem(node)->foreground(0).color(), QColor(255, 0, 0));
    // Placing again changes nothing.
    t.PlaceItem(node, -1);
    EXPECT_EQ(t.topLevelItemCount(), 1);

    // Rows never placed go with the next clearing (or the list).
    const int lost = t.NewItem("lost");
    t.AddItem("below lost", lost);
    // The index a new row is about to get is no row yet: top level.
    EXPECT_EQ(t.AddItem("top", 6), 6);
    EXPECT_EQ(t.ListCount(), 7);
    EXPECT_EQ(t.InsertItem("in front of lost", lost), 7);
    EXPECT_EQ(shown(t).last(), "in front of lost");
    t.Clear();
    EXPECT_EQ(t.ListCount(), 0);
    t.NewItem("left to the destructor");
}

TEST(TreeList, RowColoursFollowThePalette)
{
    TList t;
    t.AddItem("a");
    t.AddItem("b");
    t.setItemForeColor(0, 0x80000008u); // window text
    QPalette pal = t.palette();
    pal.setColor(QPalette::Text, QColor(1, 2, 3));
    t.setPalette(pal);
    t.setItemForeColor(1, 0x80000008u);
    EXPECT_EQ(t.rowItem(1)->foreground(0).color(), QColor(1, 2, 3));
}

TEST(TreeList, KeysValuesAndSelectionStayWithTheirRow)
{
    TList t;
    buildTree(t);
    t.setItemKey(3, "#1#42");
    t.setItemValue(3, "SortKey_Objects", "0102");
    t.setItemData(3, 7);
    t.setItemMode(3, 1);
    EXPECT_EQ(t.ListIndex(), -1);
    t.setListIndex(3);
    EXPECT_EQ(t.ListIndex(), 3);
    t.InsertItem("first", 0);
    // Shown lower now, the selected row keeps its index and values.
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
    EXPECT_EQ(shown(t), QStringList({"root", "c", "a", "a1", "b"}));
    t.setItemExpanded(a, true);
    t.setListIndex(a1);

    t.setRedraw(true);
    EXPECT_EQ(shown(t), QStringList({"root", "a", "a1", "b", "c"}));
    // Sorting moves rows, not their indices.
    EXPECT_EQ(t.ItemText(c), "c");
    EXPECT_TRUE(t.ItemExpanded(a));
    EXPECT_EQ(t.ListIndex(), a1);
    EXPECT_TRUE(t.Redraw());
}

TEST(TreeList, SortComparesNumbersAsNumbersAndTextsAsTexts)
{
    TList t;
    t.setRedraw(false);
    t.setSortValueName("k");
    const QList<QVariant> keys{QStringLiteral("10"), 9, 2.5, QVariant()};
    for (const QVariant& key : keys)
        t.setItemValue(t.AddItem(key.toString().isEmpty() ? "none" : key.toString()), "k", key);
    t.setRedraw(true);
    // A text on one side: both compare as texts; no value reads as "".
    EXPECT_EQ(shown(t), QStringList({"none", "10", "2.5", "9"}));

    // The name may come after the values.
    TList n;
    n.setRedraw(false);
    for (const QVariant& key : {QVariant(10), QVariant(9), QVariant(2.5)})
        n.setItemValue(n.AddItem(key.toString()), "k", key);
    n.setSortValueName("k");
    n.setRedraw(true);
    EXPECT_EQ(shown(n), QStringList({"2.5", "9", "10"}));
    // Values stay readable whichever name sorts.
    n.setItemValue(0, "other", "x");
    EXPECT_EQ(n.ItemValue(0, "k").toInt(), 10);
    n.setSortValueName("other");
    EXPECT_EQ(n.ItemValue(0, "k").toInt(), 10);
    EXPECT_EQ(n.ItemValue(0, "other").toString(), "x");
    n.setSortValueName(QString());
    EXPECT_EQ(n.ItemValue(0, "other").toString(), "x");
    EXPECT_EQ(n.ItemValue(1, "k").toInt(), 9);
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
    // A row of one cell reads across the columns, once in sight.
    const int caption = t.AddItem("a long caption", 0);
    EXPECT_FALSE(t.rowItem(caption)->isFirstColumnSpanned());
    t.setItemExpanded(0, true);
    EXPECT_TRUE(t.rowItem(caption)->isFirstColumnSpanned());
    EXPECT_TRUE(t.rowItem(t.AddItem("top caption"))->isFirstColumnSpanned());
    EXPECT_FALSE(t.rowItem(0)->isFirstColumnSpanned());
    // Cells given as they are, separators and all.
    const int cells = t.AddItemCells({"a^b", "c^d"}, 0);
    EXPECT_EQ(t.rowItem(cells)->text(0), "a^b");
    EXPECT_EQ(t.rowItem(cells)->text(1), "c^d");
    EXPECT_EQ(t.columnCount(), 2);
    EXPECT_FALSE(t.rowItem(cells)->isFirstColumnSpanned());
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

TEST(TreeList, SortReordersOnlyTheRowsOutOfOrderAtAnyDepth)
{
    TList t;
    t.setRedraw(false);
    t.setSortValueName("k");
    const int top = t.AddItem("top");
    t.setItemValue(top, "k", "1");
    const int g = t.AddItem("g", top);
    t.setItemValue(g, "k", "1.1");
    for (const char* leaf : {"z", "x", "y"})
        t.setItemValue(t.AddItem(leaf, g), "k", QString("1.1.") + leaf);
    t.setItemExpanded(-1, true);
    t.setListIndex(g);
    t.setRedraw(true);
    EXPECT_EQ(shown(t), QStringList({"top", "g", "x", "y", "z"}));
    EXPECT_TRUE(t.ItemExpanded(g));
    EXPECT_EQ(t.ListIndex(), g);

    // All in order: rows, state and selection stay as they are.
    t.setRedraw(false);
    t.setItemValue(top, "k", "1");
    t.setRedraw(true);
    EXPECT_EQ(shown(t), QStringList({"top", "g", "x", "y", "z"}));
    EXPECT_EQ(t.ListIndex(), g);
}

TEST(TreeList, PicturesAndColoursAreTheRowsOwn)
{
    TList t;
    const int a = t.AddItem("a");
    const int b = t.AddItem("b", a);
    QPixmap closed(16, 16);
    closed.fill(Qt::blue);
    QPixmap open(16, 16);
    open.fill(Qt::red);
    t.setItemPicture(a, closed, 1);
    t.setItemPicture(a, open, 2);
    t.setItemPicture(b, closed, 1);
    EXPECT_EQ(t.ItemPicture(a, 2).cacheKey(), open.cacheKey());
    const auto shownColour = [&](int row) {
        return t.rowItem(row)->icon(0).pixmap(16, 16).toImage().pixelColor(0, 0);
    };
    EXPECT_EQ(shownColour(a), QColor(Qt::blue));
    // Picture 2 while expanded.
    t.setItemExpanded(a, true);
    EXPECT_EQ(shownColour(a), QColor(Qt::red));
    t.setItemExpanded(a, false);
    EXPECT_EQ(shownColour(a), QColor(Qt::blue));
    EXPECT_EQ(shownColour(b), QColor(Qt::blue));

    // A colour set on a row in sight reaches the view.
    t.setItemForeColor(b, 0x0000FFu);
    EXPECT_EQ(t.model()->data(t.model()->index(0, 0, t.model()->index(0, 0)), Qt::ForegroundRole).value<QBrush>().color(),
              QColor(255, 0, 0));
    t.setItemForeColor(b, 0);
    EXPECT_EQ(t.rowItem(b)->foreground(0).style(), Qt::NoBrush);
}

TEST(TreeList, TheViewReadsEveryCellOfARow)
{
    TList t;
    t.setCellSeparator('^');
    t.setColumnCount(2);
    const int one = t.AddItem("caption");
    const int two = t.AddItem("name^value", one);
    const int three = t.AddItem("a^b^c", one);
    t.setItemExpanded(one, true);
    const QAbstractItemModel* m = t.model();
    const QModelIndex top = m->index(0, 0);
    const auto cellOf = [&](int r, int c) { return m->data(m->index(r, c, top), Qt::DisplayRole); };
    EXPECT_EQ(m->data(top, Qt::DisplayRole).toString(), "caption");
    EXPECT_FALSE(m->data(m->index(0, 1), Qt::DisplayRole).isValid());
    EXPECT_EQ(cellOf(0, 0).toString(), "name");
    EXPECT_EQ(cellOf(0, 1).toString(), "value");
    ASSERT_EQ(t.columnCount(), 3);
    EXPECT_EQ(cellOf(1, 2).toString(), "c");
    EXPECT_EQ(t.ItemText(three), "a^b^c");

    // A new text replaces every cell of the row, and the view hears of it.
    QSignalSpy changed(m, &QAbstractItemModel::dataChanged);
    t.setItemText(three, "x^y");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(cellOf(1, 1).toString(), "y");
    EXPECT_FALSE(cellOf(1, 2).isValid());
    EXPECT_EQ(t.ItemText(three), "x^y");
    // Set through the item, one cell at a time.
    t.rowItem(two)->setText(2, "more");
    EXPECT_EQ(t.ItemText(two), "name^value^more");
    t.rowItem(two)->setText(0, "");
    EXPECT_EQ(t.ItemText(two), "^value^more");
}

namespace {
// A double click as the window system delivers it: the second press comes
// with the double click, stamped alike.
void doubleClick(QWidget* viewport, QPoint pos)
{
    const std::pair<QEvent::Type, quint64> events[] = {{QEvent::MouseButtonPress, 0}, {QEvent::MouseButtonRelease, 40},
        {QEvent::MouseButtonPress, 120}, {QEvent::MouseButtonDblClick, 120}, {QEvent::MouseButtonRelease, 160}};
    for (const auto& [type, after] : events) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, pos, viewport->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
        e.setTimestamp(1000000 + after);
        QApplication::sendEvent(viewport, &e);
    }
}
} // namespace

TEST(TreeList, DoubleClickOpensAndClosesARowWithChildren)
{
    TList t;
    buildTree(t);
    t.setItemExpanded(0, true);
    t.resize(200, 200);
    t.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));
    doubleClick(t.viewport(), t.visualItemRect(t.rowItem(2)).center());
    EXPECT_FALSE(t.ItemExpanded(2)) << "a row without children stays as it is";
    const QPoint a = t.visualItemRect(t.rowItem(1)).center();
    // Also where a click handler opens and closes the row on each press, as
    // the check-out trees do.
    for (const bool handler : {false, true}) {
        if (handler)
            QObject::connect(&t, &TList::MouseDown, [&] { t.setItemExpanded(1, !t.ItemExpanded(1)); });
        doubleClick(t.viewport(), a);
        EXPECT_TRUE(t.ItemExpanded(1)) << handler;
        doubleClick(t.viewport(), a);
        EXPECT_FALSE(t.ItemExpanded(1)) << handler;
    }
}

TEST(TreeList, TheFocusFrameWithoutACurrentRowStaysInsideTheFirstRow)
{
    TList t;
    t.show();
    t.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t));
    buildTree(t)->setFocus(); // filled with the focus in it, as a reload does: no row current
    t.setItemExpanded(-1, true);
    const QImage focused = t.viewport()->grab().toImage();
    t.clearFocus();
    const QImage plain = t.viewport()->grab().toImage();
    const QRect first = t.visualItemRect(t.rowItem(0)), below(0, first.bottom() + 1, plain.width(), first.height());
    EXPECT_FALSE(focused.copy(first) == plain.copy(first)) << "the frame marks the first row";
    EXPECT_TRUE(focused.copy(below) == plain.copy(below)) << "and nothing of the row below";
}
