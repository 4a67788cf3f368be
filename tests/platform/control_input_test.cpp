// The controls as the user meets them: Enter and Space on buttons, clicks
// queued while a control was disabled, text set by the program, disabled text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

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
        // One made just after the enabling comes in the same pass, and acts (the
        // window system's clock has run on by at most what the timer measured).
        queueClick(control, at, clickedAt + sinceClick.elapsed() + 2);
        QTest::qWait(20);
        EXPECT_EQ(clicked.count(), 2) << "the stale click dropped, the one made once enabled acted";
    }
}

TEST(VbControlInput, TextBoxShowsTheStartOfProgramTextKeepsTheEditingCursorAndGreysWhenDisabled)
{
    frmInput form;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    VbTextBox* box = form.box;
    // The person's typing, its Undo and a rule rewriting it keep the cursor.
    box->setText("abc");
    typeInto(box, "XYZ", false);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box->cursorPosition(), 3) << "Undo leaves it where the undone typing was";
    QObject::connect(box, &VbTextBox::Change, box, [box] {
        if (box->text().contains("E2E"))
            box->rewriteText(box->text().remove("E2E"));
    });
    typeInto(box, "aE2Eb");
    EXPECT_EQ(box->text(), "ab");
    EXPECT_EQ(box->cursorPosition(), 2);
    // Text set by the program shows its start, also the text the box holds.
    QTest::keyClick(box, Qt::Key_End);
    box->setText("ab");
    EXPECT_EQ(box->cursorPosition(), 0);
    box->setProperty("text", "loaded\\E2Ename");
    EXPECT_EQ(box->text(), "loaded\\name");
    EXPECT_EQ(box->cursorPosition(), 0) << "through the property too, rewritten";

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
