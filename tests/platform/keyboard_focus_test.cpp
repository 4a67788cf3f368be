// Keyboard alone: Tab through a grid and out of it, an option group as one stop, focus always shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "platform/CommonDialog.h"
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
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

// Tab order: box, 3 x 3 grid less column and row 2, button, options (last selected), check, picture, empty list.
struct frmKeys : VbForm {
    frmKeys() : VbForm("frmKeys")
    {
        grid->setMaxCols(3);
        grid->setMaxRows(3);
        grid->setColHidden(2, true);
        grid->setRowHidden(2, true);
        for (int i = 0; i < 3; ++i)
            optMode.append(addControl(new VbOptionButton(QString::number(i), frameMode), "optMode", i));
        optMode[2]->setValue(true); // before the controls after it are placed
        checkAfter = addControl(new VbCheckBox(QStringLiteral("After"), this), "checkAfter");
        browse = addControl(new VbCommandButton(this), "browseFile");
        browse->setPicture(vbIcon_browse());
        listEmpty = addControl(new VbListBox(this), "listEmpty");
        QObject::connect(grid, &vaSpread::leaveCell,
                         [this](int, int, int c, int r, bool& cancel) { cancel = QPoint(c, r) == refused; });
        show();
    }
    VbTextBox* textBefore = addControl(new VbTextBox(this), "textBefore");
    vaSpread* grid = addControl(new vaSpread(this), "gridLines");
    VbCommandButton* cmdAfter = addControl(new VbCommandButton(QStringLiteral("After"), this), "cmdAfter");
    VbFrame* frameMode = addControl(new VbFrame(this), "frameMode");
    VbOptionArray optMode;
    VbCheckBox* checkAfter;
    VbCommandButton* browse;
    VbListBox* listEmpty;
    QPoint refused{-1, -1}; // the cell the grid's guard refuses
};

struct KeyboardFocusTest : ::testing::Test {
    void SetUp() override { form.activateWindow(); ASSERT_TRUE(QTest::qWaitForWindowActive(&form)); }
    // Keys go where the focus is; Shift+Tab comes as the window system sends it.
    static void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(QApplication::focusWidget(), k, m); }
    static void backTab(Qt::KeyboardModifiers m = {}) { key(Qt::Key_Backtab, Qt::ShiftModifier | m); }
    // Where each of `presses` Tabs (Shift+Tabs) left the focus: a cell as "c,r", else the control's name.
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
    frmKeys form;
};

} // namespace

TEST_F(KeyboardFocusTest, TabWalksTheVisibleCellsLeavesAtBothEndsAndCommitsAnOpenEditorFirst)
{
    form.cmdAfter->setFocus();
    EXPECT_EQ(walk(5, true), QStringList({"3,3", "1,3", "3,1", "1,1", "textBefore"})) << "entered at the last cell";
    EXPECT_EQ(walk(5), QStringList({"1,1", "3,1", "1,3", "3,3", "cmdAfter"}));
    form.refused = {1, 3};
    EXPECT_EQ(walk(3, true), QStringList({"3,3", "3,1", "1,1"})) << "a refused cell is stepped over";
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.cmdAfter) << "Ctrl+Tab leaves from any cell";

    // What was typed is kept, whichever Tab ends the editor.
    backTab();
    QTest::keyClicks(QApplication::focusWidget(), "a"); // opens the editor at 1,1
    key(Qt::Key_Tab);
    EXPECT_EQ(form.grid->activeCol(), 3);
    EXPECT_FALSE(form.grid->isEditing()) << "the next cell is not opened for editing";
    QTest::keyClicks(QApplication::focusWidget(), "c");
    backTab(Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.textBefore);
    form.grid->setRow(1);
    for (const auto& [c, typed] : {std::pair{1, "a"}, std::pair{3, "c"}})
        EXPECT_EQ((form.grid->setCol(c), form.grid->text()), typed);
}

TEST_F(KeyboardFocusTest, AnOptionGroupIsOneTabStopOnItsSelectedOptionAndArrowsMoveRoundIt)
{
    QSignalSpy clicks(&form.optMode, &VbOptionArray::Click);
    form.cmdAfter->setFocus();
    EXPECT_EQ(walk(2), QStringList({"optMode_2", "checkAfter"}));
    EXPECT_EQ(walk(1, true), QStringList({"optMode_2"}));
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left})
        key(k);
    EXPECT_EQ(QApplication::focusWidget(), form.optMode[2]) << "round the ends of the group";
    EXPECT_EQ(clicks.count(), 4) << "each move selects, as a click";

    // The selected one while it can take the focus, else the first that can.
    form.cmdAfter->setFocus();
    form.optMode[2]->setEnabled(false);
    EXPECT_EQ(walk(1), QStringList({"optMode_0"}));
    key(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), form.optMode[1]) << "a disabled option is passed over";
}

TEST_F(KeyboardFocusTest, FocusShowsWhereverTheProgramPutItAndAPictureButtonDrawsIt)
{
    auto focusChangesTheLook = [](QWidget* w, QWidget* elsewhere) {
        elsewhere->setFocus();
        const QImage plain = w->grab().toImage();
        w->setFocus(Qt::OtherFocusReason);
        return w->hasFocus() && w->grab().toImage() != plain;
    };
    EXPECT_TRUE(focusChangesTheLook(form.checkAfter, form.textBefore));
    EXPECT_TRUE(focusChangesTheLook(form.listEmpty, form.textBefore)) << "also a list without lines";
    // The style's mark fades on a small square picture button: it rings itself.
    form.browse->setFocus();
    const QImage ringed = form.browse->grab().toImage();
    EXPECT_EQ(ringed.pixel(ringed.width() / 2, 1), form.browse->palette().color(QPalette::Highlight).darker(130).rgb());

    OpenDialogWindow open(nullptr);
    open.show();
    open.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&open));
    EXPECT_TRUE(focusChangesTheLook(open.item(ID_CMB1), open.item(ID_EDT1)));
    EXPECT_TRUE(focusChangesTheLook(open.items()->findChild<QWidget*>("sidebar"), open.item(ID_EDT1))) << "places";
    open.reject();
    bool plainPlaces = false;
    kalvex::test::whenModal([&](QWidget* w) {
        plainPlaces = QTest::qWaitForWindowActive(w)
            && focusChangesTheLook(w->findChild<QWidget*>("sidebar"), w->findChild<QWidget*>("fileNameEdit"));
        qobject_cast<QDialog*>(w)->reject();
    });
    CommonDialog().ShowOpen();
    EXPECT_TRUE(plainPlaces) << "the places of the plain Open dialog too";
}
