// A form used by keyboard alone: Tab through a grid and out of it at both
// ends, an open cell editor committing first, an option group as one Tab stop
// on its selected option, and a picture button showing its focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <utility>

#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbForm.h"
#include "platform/VbFrame.h"
#include "platform/VbIcons.h"
#include "platform/VbListBox.h"
#include "platform/OpenDialogWindow.h"
#include "platform/VbOptionButton.h"
#include "platform/VbTextBox.h"
#include "platform/vaSpread.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

// Controls in tab order: a box, a 3 x 3 grid with column 2 and row 2 hidden,
// a button, a group of three options, a check box, a picture button and an
// empty list.
struct frmKeys : VbForm {
    frmKeys()
        : VbForm("frmKeys")
    {
        textBefore->setGeometry(10, 10, 200, 24);
        grid->setGeometry(10, 40, 400, 130);
        grid->setMaxCols(3);
        grid->setMaxRows(3);
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c) {
                grid->setCol(c);
                grid->setRow(r);
                grid->setText(QStringLiteral("r%1c%2").arg(r).arg(c));
            }
        grid->setColHidden(2, true);
        grid->setRowHidden(2, true);
        cmdAfter->setGeometry(10, 180, 80, 26);
        frameMode->setGeometry(10, 210, 200, 100);
        for (int i = 0; i < 3; ++i) {
            auto* b = addControl(new VbOptionButton(QStringLiteral("Mode %1").arg(i), frameMode), "optMode", i);
            b->setGeometry(10, 20 + 25 * i, 150, 22);
            optMode.append(b);
        }
        checkAfter = addControl(new VbCheckBox(QStringLiteral("After"), this), "checkAfter");
        checkAfter->setGeometry(220, 210, 100, 22);
        browse = addControl(new VbCommandButton(this), "browseFile");
        browse->setPicture(vbIcon_browse());
        browse->setGeometry(330, 210, 21, 21);
        listEmpty = addControl(new VbListBox(this), "listEmpty");
        listEmpty->setGeometry(220, 240, 190, 70);
        resize(420, 320);
        QObject::connect(grid, &vaSpread::leaveCell, [this](int, int, int nc, int nr, bool& cancel) {
            cancel = std::pair(nc, nr) == refused;
        });
        QObject::connect(grid, &vaSpread::editMode, [this](int c, int r, int mode, bool changed) {
            edits.push_back({c, r, mode, changed ? 1 : 0});
        });
    }

    VbTextBox* textBefore = addControl(new VbTextBox(this), "textBefore");
    vaSpread* grid = addControl(new vaSpread(this), "gridLines");
    VbCommandButton* cmdAfter = addControl(new VbCommandButton(QStringLiteral("After"), this), "cmdAfter");
    VbFrame* frameMode = addControl(new VbFrame(QStringLiteral("Mode"), this), "frameMode");
    VbOptionArray optMode;
    VbCheckBox* checkAfter;
    VbCommandButton* browse;
    VbListBox* listEmpty;
    std::pair<int, int> refused{-1, -1};
    std::vector<std::vector<int>> edits;
};

class KeyboardFocusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    static QWidget* focused() { return QApplication::focusWidget(); }
    // Keys go where the focus is, as a person's do; Shift+Tab comes as the
    // window system sends it.
    static void tab() { QTest::keyClick(focused(), Qt::Key_Tab); }
    static void backTab() { QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier); }
    static void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(focused(), k, m); }
    // The first character opens the cell editor, the rest land in it.
    static void type(const QString& text)
    {
        for (QChar ch : text)
            QTest::keyClicks(focused(), QString(ch));
    }
    void setCaret(int c, int r)
    {
        form.grid->setCol(c);
        form.grid->setRow(r);
        form.grid->setActiveCell();
    }
    // Where the focus is: a grid cell as "c,r", else the control's name.
    QString at()
    {
        if (focused() == form.grid->table())
            return QStringLiteral("%1,%2").arg(form.grid->activeCol()).arg(form.grid->activeRow());
        return focused() ? focused()->objectName() : QStringLiteral("nothing");
    }
    QString text(int c, int r)
    {
        form.grid->setCol(c);
        form.grid->setRow(r);
        return form.grid->text();
    }

    frmKeys form;
};

} // namespace

TEST_F(KeyboardFocusTest, TabWalksTheVisibleCellsAndLeavesTheGridAtBothEnds)
{
    form.cmdAfter->setFocus();
    backTab();
    EXPECT_EQ(at(), "3,3") << "Shift+Tab into a grid without a caret starts at its last cell";
    QStringList walk;
    for (int i = 0; i < 3; ++i) {
        backTab();
        walk << at();
    }
    EXPECT_EQ(walk, QStringList({"1,3", "3,1", "1,1"})) << "hidden rows and columns are passed over";
    backTab();
    EXPECT_EQ(at(), "textBefore");

    walk.clear();
    for (int i = 0; i < 5; ++i) {
        tab();
        walk << at();
    }
    EXPECT_EQ(walk, QStringList({"1,1", "3,1", "1,3", "3,3", "cmdAfter"}));

    // A cell the program refuses is stepped over, in either direction.
    form.refused = {1, 3};
    setCaret(1, 1);
    form.textBefore->setFocus();
    tab();
    tab();
    EXPECT_EQ(at(), "3,1");
    tab();
    EXPECT_EQ(at(), "3,3");
    backTab();
    EXPECT_EQ(at(), "3,1");

    // Ctrl+Tab and Ctrl+Shift+Tab leave from any cell.
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(at(), "cmdAfter");
    backTab();
    EXPECT_EQ(at(), "3,1");
    key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(at(), "textBefore");
}

TEST_F(KeyboardFocusTest, AnOpenCellEditorCommitsBeforeTheFocusMoves)
{
    form.textBefore->setFocus();
    tab();
    type(QStringLiteral("abc"));
    ASSERT_TRUE(form.grid->isEditing());
    tab();
    EXPECT_EQ(text(1, 1), "abc");
    EXPECT_EQ(at(), "3,1");
    EXPECT_FALSE(form.grid->isEditing()) << "the next cell is not opened for editing";

    type(QStringLiteral("x"));
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(text(3, 1), "x");
    EXPECT_EQ(at(), "cmdAfter");

    backTab();
    setCaret(3, 3);
    type(QStringLiteral("last"));
    tab();
    EXPECT_EQ(text(3, 3), "last");
    EXPECT_EQ(at(), "cmdAfter") << "Tab from the last cell leaves with what was typed";

    backTab();
    type(QStringLiteral("y"));
    key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text(3, 3), "y");
    EXPECT_EQ(at(), "textBefore");
    const std::vector<std::vector<int>> expected{{1, 1, 1, 0}, {1, 1, 0, 1}, {3, 1, 1, 0}, {3, 1, 0, 1},
                                                 {3, 3, 1, 0}, {3, 3, 0, 1}, {3, 3, 1, 0}, {3, 3, 0, 1}};
    EXPECT_EQ(form.edits, expected) << "each editor reports its end, with the change";
}

TEST_F(KeyboardFocusTest, AnOptionGroupIsOneTabStopOnItsSelectedOptionAndArrowsMoveRoundIt)
{
    QSignalSpy clicks(&form.optMode, &VbOptionArray::Click);
    form.optMode[2]->setValue(true);
    form.cmdAfter->setFocus();
    tab();
    EXPECT_EQ(at(), "optMode_2");
    tab();
    EXPECT_EQ(at(), "checkAfter") << "the other options are no Tab stops";
    backTab();
    EXPECT_EQ(at(), "optMode_2");

    clicks.clear();
    key(Qt::Key_Down);
    EXPECT_EQ(at(), "optMode_0") << "round the end of the group";
    EXPECT_EQ(form.optMode.selectedIndex(), 0);
    key(Qt::Key_Right);
    EXPECT_EQ(at(), "optMode_1");
    key(Qt::Key_Up);
    key(Qt::Key_Left);
    EXPECT_EQ(at(), "optMode_2");
    EXPECT_EQ(form.optMode.selectedIndex(), 2);
    ASSERT_EQ(clicks.count(), 4) << "each move selects, as a click";
    EXPECT_EQ(clicks.at(3).at(0).toInt(), 2);

    // Tab comes back to the option selected while the focus was away, and
    // to the first usable one while the selected one is disabled.
    form.cmdAfter->setFocus();
    form.optMode[1]->setValue(true);
    tab();
    EXPECT_EQ(at(), "optMode_1");
    form.optMode[1]->setEnabled(false);
    form.cmdAfter->setFocus();
    tab();
    EXPECT_EQ(at(), "optMode_0");
    key(Qt::Key_Down);
    EXPECT_EQ(at(), "optMode_2") << "a disabled option is passed over";
}

TEST_F(KeyboardFocusTest, FocusShowsHoweverItGotItAndAPictureButtonDrawsIt)
{
    // Focus put there by the program, no key pressed in this window yet.
    for (QWidget* w : std::initializer_list<QWidget*>{form.checkAfter, form.optMode[0], form.listEmpty}) {
        form.textBefore->setFocus();
        const QImage plain = w->grab().toImage();
        w->setFocus(Qt::OtherFocusReason);
        EXPECT_NE(w->grab().toImage(), plain) << w->objectName().toStdString();
    }

    form.textBefore->setFocus();
    const QImage plain = form.browse->grab().toImage();
    form.browse->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(form.browse->hasFocus());
    EXPECT_NE(form.browse->grab().toImage(), plain);

    const QImage plainButton = form.cmdAfter->grab().toImage();
    form.cmdAfter->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(form.cmdAfter->hasFocus());
    EXPECT_NE(form.cmdAfter->grab().toImage(), plainButton) << "a clicked button shows its focus too";
}

TEST(OpenDialogFocus, TheFocusShowsFromTheStartThoughTheProgramMovesIt)
{
    OpenDialogWindow wnd(nullptr);
    wnd.show();
    wnd.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&wnd));
    QWidget* types = wnd.item(ID_CMB1);
    ASSERT_TRUE(types);
    wnd.item(ID_EDT1)->setFocus();
    const QImage plain = types->grab().toImage();
    types->setFocus(Qt::OtherFocusReason);
    EXPECT_NE(types->grab().toImage(), plain);
}
