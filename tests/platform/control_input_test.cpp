// The controls as the user meets them: Enter and Space on buttons, clicks
// queued while a control was disabled, text set by the program, disabled text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QWindow>

#include "platform/VbCheckBox.h"
#include "platform/VbColors.h"
#include "platform/VbCommandButton.h"
#include "platform/VbForm.h"
#include "platform/VbIcons.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

// Previews keys and swallows every Enter, as the grid dialog does.
struct frmInput : VbForm {
    frmInput() : VbForm("frmInput")
    {
        setKeyPreview(true);
        picture->setPicture(vbIcon_browse());
        show();
        activateWindow();
    }
    void Form_KeyPress(int& keyAscii) override
    {
        entersSeen += keyAscii == 13 ? 1 : 0;
        keyAscii = keyAscii == 13 ? 0 : keyAscii;
    }
    VbCommandButton* cmdLoad = addControl(new VbCommandButton("Load", this), "cmdLoad");
    VbCommandButton* picture = addControl(new VbCommandButton(this), "browseFile");
    VbCheckBox* check = addControl(new VbCheckBox("Defaults", this), "CheckDefaults");
    VbTextBox* box = addControl(new VbTextBox(this), "textTransferDest");
    VbLabel* label = addControl(new VbLabel("Destination", this), "labelTransferDest");
    int entersSeen = 0;
};

// Right-clicks the box as a person does (through its window, so that the
// platform makes the context menu event) and clicks the menu's action whose
// text starts with `action`.
void chooseFromContextMenu(QWidget* box, const QString& action)
{
    QWindow* window = box->window()->windowHandle();
    const QPoint at = box->mapTo(box->window(), box->rect().center());
    QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, at);
    QMenu* menu = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    for (QAction* a : menu->actions())
        if (a->text().remove('&').startsWith(action)) {
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(a).center());
            break;
        }
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::activePopupWidget(); })) << action.toStdString();
}

} // namespace

TEST(VbControlInput, ButtonsTakeEnterAndSpaceAndDropClicksQueuedWhileDisabled)
{
    frmInput form;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (VbCommandButton* button : {form.cmdLoad, form.picture}) {
        QSignalSpy click(button, &VbCommandButton::Click);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier); // not a plain Enter
        EXPECT_EQ(click.count(), 3) << button->objectName().toStdString();
    }
    QTest::keyClick(form.box, Qt::Key_Return);
    EXPECT_EQ(form.entersSeen, 1) << "elsewhere the form still sees Enter";

    for (QAbstractButton* control : std::initializer_list<QAbstractButton*>{form.cmdLoad, form.check}) {
        SCOPED_TRACE(control->objectName().toStdString());
        const QPoint at(8, control->height() / 2);
        QSignalSpy clicked(control, &QAbstractButton::clicked);
        QElapsedTimer sinceClick;
        sinceClick.start();
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
        const qint64 clickedAt = lastClickMadeAt();
        // Busy with that click and disabled, it is clicked again: the click
        // waits in the queue.
        control->setEnabled(false);
        queueClick(control, at, clickedAt + 2);
        QThread::msleep(30);
        control->setEnabled(true);
        // Clicked again just after the enabling, before the event loop has
        // run: this click is delivered while the stale one is still being
        // dropped, and it acts. (The window system's clock has run on since
        // the first click by at most what the timer measured.)
        queueClick(control, at, clickedAt + sinceClick.elapsed() + 2);
        QTest::qWait(20);
        EXPECT_EQ(clicked.count(), 2) << "the stale click dropped, the one made once enabled acted";
        queueClick(control, at, QTest::lastMouseTimestamp);
        QTest::qWait(20);
        EXPECT_EQ(clicked.count(), 3) << "later clicks act";
    }
}

TEST(VbControlInput, TextBoxShowsTheStartOfProgramTextKeepsTheEditingCursorAndGreysWhenDisabled)
{
    frmInput form;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    VbTextBox* box = form.box;
    form.resize(320, 120);
    box->setGeometry(10, 60, 160, 24); // clear of the others, where a person can click it
    const QString path = "\\\\fileserver\\outgoing\\${KVX_PSITE_NAME}";
    box->setText(path);
    EXPECT_EQ(box->cursorPosition(), 0) << "text set by the program shows its start";
    // The person clicks to the end; the program sets the same text again.
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(box->width() - 3, box->height() / 2));
    ASSERT_GT(box->cursorPosition(), 0);
    box->setText(path);
    EXPECT_EQ(box->cursorPosition(), 0) << "also when the text is the one the box holds";
    box->setProperty("text", "\\\\other");
    EXPECT_EQ(box->cursorPosition(), 0) << "through the property too";

    // The person's typing, Undo and Redo from the box's own menu keep their
    // cursor.
    box->setText("abc");
    typeInto(box, "XYZ", false);
    EXPECT_EQ(box->cursorPosition(), 6);
    chooseFromContextMenu(box, "Undo");
    EXPECT_EQ(box->text(), "abc");
    EXPECT_EQ(box->cursorPosition(), 3) << "Undo leaves the cursor where the undone typing was";
    chooseFromContextMenu(box, "Redo");
    EXPECT_EQ(box->text(), "abcXYZ");
    EXPECT_EQ(box->cursorPosition(), 6);

    // A rule rewriting the text: the person's typing goes on where it was,
    // text the program set shows its start.
    QObject::connect(box, &VbTextBox::Change, box, [box] {
        if (box->text().contains("E2E"))
            box->rewriteText(box->text().remove("E2E"));
    });
    typeInto(box, "aE2Eb");
    EXPECT_EQ(box->text(), "ab");
    EXPECT_EQ(box->cursorPosition(), 2);
    box->setText("loaded\\E2Ename");
    EXPECT_EQ(box->text(), "loaded\\name");
    EXPECT_EQ(box->cursorPosition(), 0);

    // Disabled, text writes in grey whatever its colour, and gets it back.
    const QColor red(255, 0, 0);
    vb::setForeColor(box, VbColor::Red);
    vb::setForeColor(form.label, VbColor::Red);
    for (const bool on : {false, true}) {
        vb::setEnabled(box, on);
        vb::setEnabled(form.label, on);
        EXPECT_EQ(box->palette().color(QPalette::Text),
                  on ? red : QApplication::palette(box).color(QPalette::Disabled, QPalette::Text)) << on;
        EXPECT_EQ(form.label->palette().color(QPalette::WindowText),
                  on ? red : QApplication::palette(form.label).color(QPalette::Disabled, QPalette::WindowText)) << on;
    }
}
