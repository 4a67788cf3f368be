// A form used by keyboard alone: Tab through a grid and out of it at both
// ends, an open cell editor committing first, an option group as one Tab stop
// on its selected option, and focus that shows however it got there.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "platform/OpenDialogWindow.h"
#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbForm.h"
#include "platform/VbFrame.h"
#include "platform/VbIcons.h"
#include "platform/VbListBox.h"
#include "platform/VbOptionButton.h"
#include "platform/VbTextBox.h"
#include "platform/vaSpread.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

// In tab order: a box, a 3 x 3 grid with column 2 and row 2 hidden, a button,
// three options, a check box, a picture button and an empty list.
struct frmKeys : VbForm {
    frmKeys()
        : VbForm("frmKeys")
    {
        grid->setMaxCols(3);
        grid->setMaxRows(3);
        grid->setColHidden(2, true);
        grid->setRowHidden(2, true);
        for (int i = 0; i < 3; ++i)
            optMode.append(addControl(new VbOptionButton(QString::number(i), frameMode), "optMode", i));
        checkAfter = addControl(new VbCheckBox(QStringLiteral("After"), this), "checkAfter");
        browse = addControl(new VbCommandButton(this), "browseFile");
        browse->setPicture(vbIcon_browse());
        listEmpty = addControl(new VbListBox(this), "listEmpty");
        QObject::connect(grid, &vaSpread::leaveCell, [this](int, int, int c, int r, bool& cancel) {
            cancel = c == refusedCol && r == refusedRow;
        });
    }
    VbTextBox* textBefore = addControl(new VbTextBox(this), "textBefore");
    vaSpread* grid = addControl(new vaSpread(this), "gridLines");
    VbCommandButton* cmdAfter = addControl(new VbCommandButton(QStringLiteral("After"), this), "cmdAfter");
    VbFrame* frameMode = addControl(new VbFrame(this), "frameMode");
    VbOptionArray optMode;
    VbCheckBox* checkAfter;
    VbCommandButton* browse;
    VbListBox* listEmpty;
    int refusedCol = -1;
    int refusedRow = -1;
};

class KeyboardFocusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    // Keys go where the focus is; Shift+Tab comes as the window system sends it.
    static void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(QApplication::focusWidget(), k, m); }
    static void backTab(Qt::KeyboardModifiers m = {}) { key(Qt::Key_Backtab, Qt::ShiftModifier | m); }
    static void type(const QString& text)
    {
        for (QChar ch : text) // the first opens the cell editor
            QTest::keyClicks(QApplication::focusWidget(), QString(ch));
    }
    // Tab (or Shift+Tab) `presses` times; where each left the focus: a cell
    // as "c,r", else the control's name.
    QStringList walk(int presses, bool back = false)
    {
        QStringList seen;
        for (int i = 0; i < presses; ++i) {
            back ? backTab() : key(Qt::Key_Tab);
            QWidget* f = QApplication::focusWidget();
            seen << (f == form.grid->table() ? QStringLiteral("%1,%2").arg(form.grid->activeCol()).arg(form.grid->activeRow())
                                             : f->objectName());
        }
        return seen;
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

TEST_F(KeyboardFocusTest, TabWalksTheVisibleCellsLeavesAtBothEndsAndCommitsAnOpenEditorFirst)
{
    form.cmdAfter->setFocus();
    EXPECT_EQ(walk(5, true), QStringList({"3,3", "1,3", "3,1", "1,1", "textBefore"}))
        << "Shift+Tab into a grid without a caret starts at its last cell";
    EXPECT_EQ(walk(5), QStringList({"1,1", "3,1", "1,3", "3,3", "cmdAfter"}));

    form.refusedCol = 1;
    form.refusedRow = 3;
    EXPECT_EQ(walk(3, true), QStringList({"3,3", "3,1", "1,1"})) << "a refused cell is stepped over";
    EXPECT_EQ(walk(1), QStringList({"3,1"}));
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.cmdAfter) << "Ctrl+Tab leaves from any cell";

    // What was typed is kept, whichever Tab ends the editor.
    backTab();
    type("a");
    key(Qt::Key_Tab);
    EXPECT_EQ(text(3, 1), "a");
    EXPECT_EQ(form.grid->activeRow(), 3);
    EXPECT_FALSE(form.grid->isEditing()) << "the next cell is not opened for editing";
    type("b");
    key(Qt::Key_Tab);
    EXPECT_EQ(text(3, 3), "b");
    EXPECT_EQ(QApplication::focusWidget(), form.cmdAfter);
    backTab();
    type("c");
    backTab(Qt::ControlModifier);
    EXPECT_EQ(text(3, 3), "c");
    EXPECT_EQ(QApplication::focusWidget(), form.textBefore);
}

TEST_F(KeyboardFocusTest, AnOptionGroupIsOneTabStopOnItsSelectedOptionAndArrowsMoveRoundIt)
{
    QSignalSpy clicks(&form.optMode, &VbOptionArray::Click);
    form.optMode[2]->setValue(true);
    form.cmdAfter->setFocus();
    EXPECT_EQ(walk(3), QStringList({"optMode_2", "checkAfter", "browseFile"}));
    EXPECT_EQ(walk(2, true), QStringList({"checkAfter", "optMode_2"}));

    clicks.clear();
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    key(Qt::Key_Up);
    key(Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), form.optMode[2]) << "round the ends of the group";
    EXPECT_EQ(clicks.count(), 4) << "each move selects, as a click";

    // The selected one while it can take the focus, else the first that can.
    form.cmdAfter->setFocus();
    form.optMode[1]->setValue(true);
    EXPECT_EQ(walk(1), QStringList({"optMode_1"}));
    form.optMode[1]->setEnabled(false);
    form.cmdAfter->setFocus();
    EXPECT_EQ(walk(1), QStringList({"optMode_0"}));
    key(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), form.optMode[2]) << "a disabled option is passed over";
}

TEST_F(KeyboardFocusTest, FocusShowsWhereverTheProgramPutItAndAPictureButtonDrawsIt)
{
    auto focusChangesTheLook = [](QWidget* w, QWidget* elsewhere) {
        elsewhere->setFocus();
        const QImage plain = w->grab().toImage();
        w->setFocus(Qt::OtherFocusReason);
        return w->hasFocus() && w->grab().toImage() != plain;
    };
    for (QWidget* w : std::initializer_list<QWidget*>{form.checkAfter, form.optMode[0], form.listEmpty, form.browse,
                                                      form.cmdAfter})
        EXPECT_TRUE(focusChangesTheLook(w, form.textBefore)) << w->objectName().toStdString();

    // A picture button rings itself: the style's mark fades on a small square button.
    form.browse->setFocus();
    const QImage ringed = form.browse->grab().toImage();
    EXPECT_EQ(ringed.pixel(ringed.width() / 2, 1), form.browse->palette().color(QPalette::Highlight).darker(130).rgb());

    OpenDialogWindow open(nullptr);
    open.show();
    open.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&open));
    EXPECT_TRUE(focusChangesTheLook(open.item(ID_CMB1), open.item(ID_EDT1)));
}
