// The controls as the user meets them: Enter and Space on buttons, clicks
// queued while a control was disabled, text set by the program, disabled text.
#include <gtest/gtest.h>

#include <QApplication>
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

// Swallows every Enter it previews, as the grid dialog does.
class frmEnterSwallower : public VbForm {
public:
    frmEnterSwallower() : VbForm("frmEnterSwallower") { setKeyPreview(true); }
    int entersSeen = 0;

protected:
    void Form_KeyPress(int& keyAscii) override
    {
        entersSeen += keyAscii == 13 ? 1 : 0;
        keyAscii = keyAscii == 13 ? 0 : keyAscii;
    }
};

bool showsColour(QWidget* w, const QColor& colour)
{
    const QImage image = w->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

TEST(VbControlInput, EnterAndSpaceOnAFocusedButtonPressIt)
{
    frmEnterSwallower form;
    auto* text = form.addControl(new VbCommandButton("Load", &form), "cmdLoad");
    auto* picture = form.addControl(new VbCommandButton(&form), "browseFile");
    picture->setPicture(vbIcon_browse());
    auto* box = form.addControl(new VbTextBox(&form), "textA");
    picture->move(0, 40);
    box->move(0, 80);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (VbCommandButton* button : {text, picture}) {
        QSignalSpy click(button, &VbCommandButton::Click);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier); // not a plain Enter
        EXPECT_EQ(click.count(), 3) << button->objectName().toStdString();
    }
    EXPECT_EQ(form.entersSeen, 0) << "the buttons took their Enter before the form";
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(form.entersSeen, 1) << "elsewhere the form still sees Enter";
}

TEST(VbControlInput, ClicksQueuedWhileDisabledDoNotActAFreshClickDoes)
{
    VbForm form("frmQueued");
    auto* button = form.addControl(new VbCommandButton("Load", &form), "cmdLoad");
    auto* check = form.addControl(new VbCheckBox("Defaults", &form), "CheckDefaults");
    check->move(0, 40);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (QAbstractButton* control : {static_cast<QAbstractButton*>(button), static_cast<QAbstractButton*>(check)}) {
        const std::string name = control->objectName().toStdString();
        const QPoint at = control == button ? button->rect().center() : QPoint(8, control->height() / 2);
        int loads = 0;
        // A click "loads" synchronously; meanwhile, disabled, it is clicked
        // three more times and the clicks wait in the queue.
        const auto connection = QObject::connect(control, &QAbstractButton::clicked, &form, [&] {
            ++loads;
            control->setEnabled(false);
            const qint64 clickedAt = lastClickMadeAt();
            for (int i = 1; i <= 3; ++i)
                queueClick(control, at, clickedAt + 2 * i);
            QThread::msleep(30);
            control->setEnabled(true);
        });
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
        QTest::qWait(20);
        EXPECT_EQ(loads, 1) << name;
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
        QTest::qWait(20);
        EXPECT_EQ(loads, 2) << name << ": a click made once enabled acts";
        QObject::disconnect(connection);

        QSignalSpy clicked(control, &QAbstractButton::clicked);
        queueClick(control, at, QTest::lastMouseTimestamp);
        QTest::qWait(20);
        EXPECT_EQ(clicked.count(), 1) << name << ": a queued click made since it was enabled acts";
    }
}

TEST(VbControlInput, TextSetByTheProgramShowsItsStartTypingKeepsItsCursor)
{
    VbForm form("frmTextStart");
    auto* box = form.addControl(new VbTextBox(&form), "textTransferDest");
    box->resize(90, box->sizeHint().height());
    form.show();
    const QString value = QStringLiteral("leserver\\outgoing\\${KVX_PSITE_NAME}");
    box->setText(value);
    (void)box->grab(); // lays the text out as on screen
    EXPECT_EQ(box->cursorPosition(), 0);
    EXPECT_LT(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), box->width() / 4)
        << "the first characters are in sight";

    // Typing keeps its cursor, also where a Change handler rewrites the text.
    QObject::connect(box, &VbTextBox::Change, box, [box] {
        if (box->text().contains("E2E"))
            box->setText(box->text().remove("E2E"));
    });
    typeInto(box, "aE2Eb");
    EXPECT_EQ(box->text(), "ab");
    EXPECT_EQ(box->cursorPosition(), 2);
    box->setText(value);
    EXPECT_EQ(box->cursorPosition(), 0);
}

TEST(VbControlInput, DisabledTextBoxWritesInGreyWhateverItsColourAndGetsItBack)
{
    VbForm form("frmGreyText");
    auto* box = form.addControl(new VbTextBox(&form), "textSourceDBCAE");
    auto* label = form.addControl(new VbLabel("Source db", &form), "labelSourceDBCAE");
    label->move(0, 40);
    form.show();
    box->setText("WWWWWWWW");
    const QColor red(255, 0, 0);
    vb::setForeColor(box, VbColor::Red);
    vb::setForeColor(label, VbColor::Red);
    vb::setBackColor(box, VbColor::ButtonFace);
    const QColor grey = QApplication::palette(box).color(QPalette::Disabled, QPalette::Text);
    for (const bool on : {false, true, false, true}) {
        vb::setEnabled(box, on);
        vb::setEnabled(label, on);
        EXPECT_EQ(box->palette().color(QPalette::Text), on ? red : grey) << on;
        EXPECT_EQ(box->palette().color(QPalette::Base), vbl_color_resolve(VbColor::ButtonFace)) << on;
        EXPECT_EQ(showsColour(box, red), on) << on;
        EXPECT_EQ(showsColour(label, red), on) << on;
        EXPECT_EQ(vb::foreColor(box), VbColor::Red) << "the code reads back as set";
    }
}
