// The spreadsheet grid driven the way the dialogs and their users drive it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "platform/vaSpread.h"
#include "support/qt_printers.h"

using kalvex::vaSpread;

namespace {

constexpr quint32 ButtonFace = 0x8000000F;
constexpr quint32 Highlight = 0x8000000D;

struct Notice {
    int col, row, a, b;
};

class SpreadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.resize(500, 300);
        grid.setMaxCols(3);
        grid.setMaxRows(4);
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 3; ++c) {
                grid.setCol(c);
                grid.setRow(r);
                grid.setText(QStringLiteral("r%1c%2").arg(r).arg(c));
            }
        QObject::connect(&grid, &vaSpread::editMode, [this](int c, int r, int mode, bool changed) {
            edits.push_back({c, r, mode, changed ? 1 : 0});
        });
        QObject::connect(&grid, &vaSpread::leaveCell, [this](int c, int r, int nc, int nr, bool& cancel) {
            leaves.push_back({c, r, nc, nr});
            if (nc == vetoCol && nr == vetoRow)
                cancel = true;
        });
    }

    void show()
    {
        grid.show();
        grid.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    }

    QString textAt(int c, int r)
    {
        grid.setCol(c);
        grid.setRow(r);
        return grid.text();
    }

    void clickCell(int c, int r)
    {
        QWidget* vp = grid.table()->viewport();
        QTest::mouseClick(vp, Qt::LeftButton, {}, grid.cellRect(c, r).center());
    }

    QWidget* focused() { return QApplication::focusWidget(); }

    // Each key goes where the focus is, as it would for a user: the first one
    // opens the cell editor, the rest land in it.
    void type(const QString& text)
    {
        for (QChar ch : text)
            QTest::keyClicks(focused(), QString(ch));
    }

    vaSpread grid;
    std::vector<Notice> edits;
    std::vector<Notice> leaves;
    int vetoCol = -2;
    int vetoRow = -2;
};

TEST_F(SpreadTest, CurrentCellAddressingWithMinusOneAndBlocks)
{
    EXPECT_EQ(textAt(2, 3), "r3c2");

    grid.setCol(-1);
    grid.setRow(2);
    grid.setText("row two");
    EXPECT_EQ(textAt(1, 2), "row two");
    EXPECT_EQ(textAt(3, 2), "row two");
    EXPECT_EQ(textAt(3, 1), "r1c3");

    grid.setCol(3);
    grid.setRow(-1);
    grid.setBackColor(ButtonFace);
    grid.setRow(4);
    EXPECT_EQ(grid.backColor(), ButtonFace);
    grid.setCol(2);
    EXPECT_EQ(grid.backColor(), 0x80000005u) << "an untouched cell has the window background";
    EXPECT_EQ(grid.foreColor(), 0x80000008u);

    grid.setCol(1);
    grid.setRow(3);
    grid.setCol2(2);
    grid.setRow2(4);
    grid.setBlockMode(true);
    grid.setForeColor(Highlight);
    grid.clearBlock();
    grid.setBlockMode(false);
    EXPECT_EQ(textAt(1, 3), "");
    EXPECT_EQ(textAt(2, 4), "");
    EXPECT_EQ(grid.foreColor(), 0x80000008u) << "clearing drops the colours too";
    EXPECT_EQ(textAt(3, 3), "r3c3");
    EXPECT_EQ(textAt(1, 1), "r1c1");

    grid.setCol(-1);
    grid.setRow(-1);
    grid.setBackColor(ButtonFace);
    grid.setCol(2);
    grid.setRow(1);
    EXPECT_EQ(grid.backColor(), ButtonFace);
    EXPECT_EQ(grid.table()->item(0, 1)->background().color(),
              grid.table()->palette().color(QPalette::Button));

    // Addresses outside the grid change nothing and read empty.
    grid.setCol(7);
    grid.setRow(9);
    grid.setText("lost");
    EXPECT_EQ(grid.text(), "");
}

TEST_F(SpreadTest, HeaderRowAndRowCount)
{
    grid.setRow(0);
    grid.setCol(2);
    grid.setText("Value");
    EXPECT_EQ(grid.table()->horizontalHeaderItem(1)->text(), "Value");
    EXPECT_EQ(textAt(2, 0), "Value");

    grid.setMaxRows(6);
    EXPECT_EQ(textAt(1, 4), "r4c1");
    EXPECT_EQ(textAt(1, 6), "");
    grid.setMaxRows(2);
    grid.setMaxRows(4);
    EXPECT_EQ(textAt(1, 3), "") << "rows cut off lose their content";
    grid.setMaxRows(-3);
    EXPECT_EQ(grid.maxRows(), 0);
}

TEST_F(SpreadTest, InsertRowKeepsCountAndHiddenFlags)
{
    grid.setRowHidden(3, true);
    grid.setRow(2);
    grid.insertRow();
    EXPECT_EQ(grid.maxRows(), 4);
    EXPECT_EQ(textAt(1, 1), "r1c1");
    EXPECT_EQ(textAt(1, 2), "");
    EXPECT_EQ(textAt(1, 3), "r2c1");
    EXPECT_EQ(textAt(1, 4), "r3c1") << "the last row fell off";
    EXPECT_FALSE(grid.rowHidden(3));
    EXPECT_TRUE(grid.rowHidden(4)) << "the hidden flag moved with its row";

    grid.setRow(0);
    grid.insertRow();
    EXPECT_EQ(textAt(1, 1), "r1c1") << "no insert before the header";
}

TEST_F(SpreadTest, SortByTwoKeysMovesWholeRows)
{
    const QStringList type{"0", "1", "0", "1"};
    const QStringList name{"beta", "Zeta", "Alpha", "alpha"};
    for (int r = 1; r <= 4; ++r) {
        grid.setRow(r);
        grid.setCol(1);
        grid.setText(name[r - 1]);
        grid.setCol(3);
        grid.setText(type[r - 1]);
    }
    grid.setRowHidden(1, true);
    grid.sortRows(1, 4, {3, vaSpread::SortDescending}, {1, vaSpread::SortAscending});
    EXPECT_EQ(QStringList({textAt(1, 1), textAt(1, 2), textAt(1, 3), textAt(1, 4)}),
              QStringList({"alpha", "Zeta", "Alpha", "beta"}));
    EXPECT_EQ(textAt(2, 1), "r4c2") << "the other columns travel with the row";
    EXPECT_TRUE(grid.rowHidden(4));
    EXPECT_FALSE(grid.rowHidden(1));

    grid.sortRows(2, 3, {1, vaSpread::SortDescending}, {1, vaSpread::SortDescending});
    EXPECT_EQ(textAt(1, 1), "alpha") << "rows outside the block stay";
    EXPECT_EQ(textAt(1, 2), "Zeta");
}

TEST_F(SpreadTest, WidthsInTwips)
{
    grid.setColWidth(1, 1500);
    EXPECT_EQ(grid.colWidth(1), 1500);
    EXPECT_EQ(grid.table()->columnWidth(0), 100);
    grid.setColWidth(0, 300);
    EXPECT_EQ(grid.colWidth(0), 300);

    const int before = grid.maxTextColWidth(1);
    EXPECT_GT(before, 0);
    grid.setCol(1);
    grid.setRow(2);
    grid.setText("a much longer parameter name");
    const int wide = grid.maxTextColWidth(1);
    EXPECT_GT(wide, before);
    EXPECT_EQ(wide % 15, 0);
    grid.setRowHidden(2, true);
    EXPECT_EQ(grid.maxTextColWidth(1), before) << "hidden rows do not count";

    grid.setColHidden(2, true);
    EXPECT_TRUE(grid.colHidden(2));
    EXPECT_TRUE(grid.table()->isColumnHidden(1));

    grid.setReDraw(false);
    EXPECT_FALSE(grid.reDraw());
    EXPECT_FALSE(grid.table()->updatesEnabled());
    grid.setReDraw(true);
    EXPECT_TRUE(grid.table()->updatesEnabled());
}

TEST_F(SpreadTest, ActiveCellMovesAndVetoes)
{
    EXPECT_EQ(grid.activeRow(), -1);
    EXPECT_EQ(grid.activeCol(), -1);
    grid.setCol(2);
    grid.setRow(3);
    grid.setActiveCell();
    EXPECT_EQ(grid.activeRow(), 3);
    EXPECT_EQ(grid.activeCol(), 2);

    vetoCol = 1;
    vetoRow = 4;
    grid.setCol(1);
    grid.setRow(4);
    grid.setActiveCell();
    EXPECT_EQ(grid.activeRow(), 3);
    EXPECT_EQ(grid.activeCol(), 2);
    ASSERT_FALSE(leaves.empty());
    EXPECT_EQ(leaves.back().col, 2);
    EXPECT_EQ(leaves.back().row, 3);
    EXPECT_EQ(leaves.back().a, 1);
    EXPECT_EQ(leaves.back().b, 4);
}

TEST_F(SpreadTest, UserTypesIntoCellsWithEnterAndTab)
{
    show();
    clickCell(2, 2);
    EXPECT_EQ(grid.activeRow(), 2);
    EXPECT_EQ(grid.activeCol(), 2);

    type("new text");
    ASSERT_TRUE(grid.isEditing());
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0].a, 1);
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !grid.isEditing(); }));
    EXPECT_EQ(textAt(2, 2), "new text");
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(edits[1].col, 2);
    EXPECT_EQ(edits[1].row, 2);
    EXPECT_EQ(edits[1].a, 0);
    EXPECT_EQ(edits[1].b, 1) << "leaving edit mode reports the change";

    // Tab commits and moves the caret on, editing the next cell.
    type("x");
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid.activeCol() == 3; }));
    EXPECT_EQ(textAt(2, 2), "x");
    EXPECT_EQ(grid.activeRow(), 2);

    // Escape leaves the cell as it was and reports no change.
    clickCell(1, 1);
    type("gone");
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !grid.isEditing(); }));
    EXPECT_EQ(textAt(1, 1), "r1c1");
    EXPECT_EQ(edits.back().a, 0);
    EXPECT_EQ(edits.back().b, 0);
}

TEST_F(SpreadTest, VetoedClickLeavesNoEditorInThatCell)
{
    show();
    clickCell(2, 1);
    vetoCol = 1;
    vetoRow = 3;
    clickCell(1, 3);
    EXPECT_EQ(grid.activeRow(), 1);
    EXPECT_EQ(grid.activeCol(), 2);
    QTest::mouseDClick(grid.table()->viewport(), Qt::LeftButton, {}, grid.cellRect(1, 3).center());
    EXPECT_FALSE(grid.isEditing()) << "a double-click on a refused cell opens no editor";
    type("typed");
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !grid.isEditing(); }));
    EXPECT_EQ(textAt(1, 3), "r3c1");
    EXPECT_EQ(textAt(2, 1), "typed");
}

} // namespace

namespace {

TEST_F(SpreadTest, TextTypedBeforeASortOrRowChangeStaysWithItsRow)
{
    show();
    clickCell(1, 1);
    type("zz");
    ASSERT_TRUE(grid.isEditing());
    grid.sortRows(1, 4, {1, vaSpread::SortDescending}, {2, vaSpread::SortAscending});
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(textAt(1, 1), "zz");
    EXPECT_EQ(textAt(2, 1), "r1c2") << "the typed name moved with its own row";

    clickCell(2, 2);
    type("typed");
    grid.setMaxRows(1);
    EXPECT_FALSE(grid.isEditing());
    clickCell(1, 1);
    type("again");
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !grid.isEditing(); }));
    EXPECT_EQ(textAt(1, 1), "again") << "editing still works after rows went away under an editor";
}

} // namespace
