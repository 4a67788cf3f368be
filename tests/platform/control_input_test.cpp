// Keyboard, mouse and colours of the controls as the user meets them: Enter
// and Space on buttons, clicks queued while a control was disabled, text set
// by the program, disabled text boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QStyleOptionButton>
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

// A form that swallows every Enter it previews, as the grid dialog does.
class frmEnterSwallower : public VbForm {
public:
    frmEnterSwallower() : VbForm("frmEnterSwallower") { setKeyPreview(true); }
    int entersSeen = 0;

protected:
    void Form_KeyPress(int& keyAscii) override
    {
        if (keyAscii == 13) {
            ++entersSeen;
            keyAscii = 0;
        }
    }
};

void showActive(QWidget* form)
{
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
}

QPoint clickPoint(QAbstractButton* control)
{
    if (!qobject_cast<QCheckBox*>(control))
        return control->rect().center();
    QStyleOptionButton opt;
    opt.initFrom(control);
    return control->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, control).center();
}

// A click as the window system queues it: stamped when made, delivered when
// the event loop next runs.
void queueClick(QAbstractButton* control, qint64 stamp)
{
    const QPoint at = clickPoint(control);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        auto* e = new QMouseEvent(type, at, control->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        e->setTimestamp(static_cast<quint64>(stamp));
        QCoreApplication::postEvent(control, e);
    }
}

// The stamp of the last test click's release, in the test clicks' clock.
qint64 lastClickStamp() { return QTest::lastMouseTimestamp - QTest::mouseDoubleClickInterval; }

int countOf(const QImage& image, const QColor& colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
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
    showActive(&form);

    for (VbCommandButton* button : {text, picture}) {
        QSignalSpy click(button, &VbCommandButton::Click);
        button->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return button->hasFocus(); }));
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_EQ(click.count(), 1) << button->objectName().toStdString();
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(click.count(), 2);
        QTest::keyClick(button, Qt::Key_Space);
        EXPECT_EQ(click.count(), 3);
        QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier); // not a plain Enter
        EXPECT_EQ(click.count(), 3);
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
    showActive(&form);

    for (QAbstractButton* control : {static_cast<QAbstractButton*>(button), static_cast<QAbstractButton*>(check)}) {
        const std::string name = control->objectName().toStdString();
        int acted = 0;
        // Each click "loads" synchronously: disabled meanwhile, the user
        // clicks three more times, the clicks wait in the queue.
        const auto load = [&] {
            ++acted;
            control->setEnabled(false);
            const qint64 clickedAt = lastClickStamp();
            for (int i = 1; i <= 3; ++i)
                queueClick(control, clickedAt + 2 * i);
            QThread::msleep(30);
            control->setEnabled(true);
        };
        const auto connection = button == control
            ? QObject::connect(button, &VbCommandButton::Click, &form, load)
            : QObject::connect(check, &VbCheckBox::Click, &form, load);
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, clickPoint(control));
        QTest::qWait(20); // the queued clicks arrive
        EXPECT_EQ(acted, 1) << name;
        EXPECT_TRUE(control->isEnabled()) << name;

        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, clickPoint(control));
        QTest::qWait(20);
        EXPECT_EQ(acted, 2) << name << ": a click made once enabled acts";
        QObject::disconnect(connection);

        // Once what was queued is through, queued input acts again.
        QSignalSpy clicked(control, &QAbstractButton::clicked);
        queueClick(control, lastClickStamp() + 1);
        QTest::qWait(20);
        EXPECT_EQ(clicked.count(), 1) << name;
    }
}

TEST(VbControlInput, TextSetByTheProgramShowsItsStartTypingKeepsItsCursor)
{
    VbForm form("frmTextStart");
    auto* box = form.addControl(new VbTextBox(&form), "textTransferDest");
    box->resize(90, box->sizeHint().height());
    showActive(&form);
    const QString value = QStringLiteral("leserver\\outgoing\\${KVX_PSITE_NAME}");

    box->setText(value);
    (void)box->grab(); // lays the text out as on screen
    EXPECT_EQ(box->cursorPosition(), 0);
    const QRect cursor = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_LT(cursor.left(), box->width() / 4) << "the first characters are in sight";

    // The user's typing: the cursor follows it, also when a Change handler
    // rewrites the text while the user types.
    QObject::connect(box, &VbTextBox::Change, box, [box] {
        if (box->text().contains("E2E"))
            box->setText(box->text().replace("E2E", ""));
    });
    typeInto(box, "aE2Eb");
    EXPECT_EQ(box->text(), "ab");
    EXPECT_EQ(box->cursorPosition(), 2);
    box->setText(value + "E2E"); // by the program again: its start shows
    EXPECT_EQ(box->text(), value);
    EXPECT_EQ(box->cursorPosition(), 0);
}

TEST(VbControlInput, DisabledTextBoxWritesInGreyWhateverItsColourAndGetsItBack)
{
    VbForm form("frmGreyText");
    auto* box = form.addControl(new VbTextBox(&form), "textSourceDBCAE");
    auto* label = form.addControl(new VbLabel("Source db", &form), "labelSourceDBCAE");
    label->move(0, 40);
    showActive(&form);
    box->setText("WWWWWWWW");
    const QColor red(255, 0, 0);
    vb::setForeColor(box, VbColor::Red);
    vb::setForeColor(label, VbColor::Red);
    vb::setBackColor(box, VbColor::ButtonFace);
    const QColor grey = QApplication::palette(box).color(QPalette::Disabled, QPalette::Text);
    ASSERT_NE(grey, red);

    for (bool on : {false, true, false, true}) {
        vb::setEnabled(box, on);
        vb::setEnabled(label, on);
        EXPECT_EQ(box->palette().color(QPalette::Text), on ? red : grey) << on;
        EXPECT_EQ(box->palette().color(QPalette::Base), vbl_color_resolve(VbColor::ButtonFace)) << on;
        EXPECT_EQ(countOf(box->grab().toImage(), red) > 0, on) << "red text on screen: " << on;
        EXPECT_EQ(countOf(label->grab().toImage(), red) > 0, on) << "red caption on screen: " << on;
        EXPECT_EQ(vb::foreColor(box), VbColor::Red) << "the code reads back as set";
    }
}
