// The shared form procedures: read-only lock, help topics, geometry keeper,
// focus, tab order, message lines, the message box.
#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "platform/VbCheckBox.h"
#include "platform/VbColors.h"
#include "platform/VbComboBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbForm.h"
#include "platform/VbFrame.h"
#include "platform/VbLabel.h"
#include "platform/VbListBox.h"
#include "platform/VbOptionButton.h"
#include "platform/VbPanel3D.h"
#include "platform/VbPictureBox.h"
#include "platform/VbTextBox.h"
#include "platform/VbTimer.h"
#include "platform/morvObjs_lockForm.h"
#include "platform/vbl_form.h"
#include "platform/vbl_msgBox.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {
// One control of every kind the shared procedures tell apart.
struct KindsForm : VbForm {
    KindsForm()
        : VbForm("frmKinds")
    {
        panel = addControl(new VbPanel3D(this), "parmsPanel");
        frame = addControl(new VbFrame("f", panel), "frameParms");
        text = addControl(new VbTextBox(frame), "textA");
        check = addControl(new VbCheckBox("c", frame), "checkA");
        option = addControl(new VbOptionButton("o", frame), "optA", 0);
        combo = addControl(new VbComboBox(frame), "comboA");
        list = addControl(new VbListBox(frame), "listA");
        label = addControl(new VbLabel("l", frame), "labelA");
        button = addControl(new VbCommandButton("b", frame), "cmdA");
        timer = addControl(new VbTimer(this, 10), "timerA");
        grid = addControl(new QWidget(frame), "gridA", VbKind::SpreadGrid);
        tree = addControl(new QWidget(frame), "treeA", VbKind::TreeList);
        tabs = addControl(new QTabWidget(this), "SSTabMain", VbKind::TabControl);
        cDialog = addControl(new QObject(this), "cDialog", VbKind::CommonDialog);
    }
    VbPanel3D* panel;
    VbFrame* frame;
    VbTextBox* text;
    VbCheckBox* check;
    VbOptionButton* option;
    VbComboBox* combo;
    VbListBox* list;
    VbLabel* label;
    VbCommandButton* button;
    VbTimer* timer;
    QWidget* grid;
    QWidget* tree;
    QTabWidget* tabs;
    QObject* cDialog;
};
} // namespace

TEST(LockForm, ReadOnlyStatesDisableAllButSkippedKindsAndExemptNames)
{
    KindsForm f;
    vb::setEnabled(f.cDialog, true);
    f.timer->setEnabled(true);
    for (int state : {3, 4}) {
        int s = state;
        EXPECT_TRUE(morvObjs_lockForm(&f, s, "#cmda#", false));
        EXPECT_FALSE(vb::enabled(f.text));
        EXPECT_FALSE(vb::enabled(f.panel)); // the panel is not skipped by kind
        EXPECT_FALSE(vb::enabled(f.grid));
        EXPECT_FALSE(vb::enabled(f.tree));
        EXPECT_TRUE(vb::enabled(f.button)); // exempt, compared lower-cased
        EXPECT_TRUE(vb::enabled(f.tabs));
        EXPECT_TRUE(vb::enabled(f.cDialog));
        EXPECT_TRUE(f.timer->isEnabled());
        EXPECT_EQ(vb::foreColor(f.text), VbColor::InactiveCaptionText);
        EXPECT_EQ(vb::backColor(f.text), VbColor::ButtonFace);
        EXPECT_EQ(vb::foreColor(f.grid), VbColor::InactiveCaptionText);
        EXPECT_EQ(vb::backColor(f.grid), VbColor::ButtonFace);
        // Other kinds are not coloured.
        EXPECT_EQ(vb::backColor(f.check), VbColor::ButtonFace);
        EXPECT_FALSE(f.check->property("vbBackColor").isValid());
    }
    for (int state : {0, 1, 2}) {
        int s = state;
        EXPECT_FALSE(morvObjs_lockForm(&f, s, "", true));
        EXPECT_TRUE(vb::enabled(f.text));
        EXPECT_TRUE(vb::enabled(f.button));
        EXPECT_EQ(vb::foreColor(f.text), VbColor::WindowText);
        EXPECT_EQ(vb::backColor(f.grid), VbColor::WindowBackground);
    }
    // The empty name list "#" exempts nothing.
    int s = 3;
    morvObjs_lockForm(&f, s, "#", false);
    EXPECT_FALSE(vb::enabled(f.button));
    EXPECT_FALSE(morvObjs_lockForm(nullptr, s, "", false));
}

TEST(HelpTopics, OnlyTheNamedKindsGetTheTopic)
{
    KindsForm f;
    morvHelp_initControlTopics(&f, 14);
    EXPECT_EQ(vb::helpContextID(&f), 14);
    for (QObject* c : QList<QObject*>{f.combo, f.check, f.list, f.option, f.text, f.frame, f.grid, f.tree, f.tabs})
        EXPECT_EQ(vb::helpContextID(c), 14) << vb::name(c).toStdString();
    for (QObject* c : QList<QObject*>{f.button, f.label, f.panel, f.timer, f.cDialog})
        EXPECT_EQ(vb::helpContextID(c), 0) << vb::name(c).toStdString();
}

TEST(FormSize, StoresAndRestoresButNotWhileMinimized)
{
    VbForm f("frmSize");
    vb::move(&f, 1500, 1200, 6000, 4500);
    f.show();
    vbl_form_size(&f, "STORE_VALUES");
    EXPECT_DOUBLE_EQ(f.last_left, vb::left(&f));
    EXPECT_DOUBLE_EQ(f.last_width, vb::width(&f));
    EXPECT_DOUBLE_EQ(f.last_height, vb::height(&f));

    bool setSizeDuringRestore = false;
    struct Watch : QObject {
        VbForm* form;
        bool* seen;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Resize)
                *seen = *seen || form->form_set_size;
            return false;
        }
    } watch;
    watch.form = &f;
    watch.seen = &setSizeDuringRestore;
    f.installEventFilter(&watch);

    f.resize(200, 100);
    vbl_form_size(&f, "RESTORE_LAST");
    EXPECT_DOUBLE_EQ(vb::width(&f), f.last_width);
    EXPECT_FALSE(f.form_set_size);
    EXPECT_TRUE(setSizeDuringRestore);

    f.resize(200, 100);
    f.setVbWindowState(1);
    vbl_form_size(&f, "RESTORE_LAST");
    f.setVbWindowState(0);
    EXPECT_EQ(f.width(), 200);
    vbl_form_size(&f, "OTHER");
    vbl_form_size(nullptr, "STORE_VALUES");
}

TEST(CtrlFocus, OnlyVisibleEnabledControlsOfAShownFormTakeTheFocus)
{
    KindsForm f;
    EXPECT_EQ(vbl_ctrl_setFocus(f.text), -1); // window not shown: refused
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_EQ(vbl_ctrl_setFocus(f.text), 1);
    EXPECT_TRUE(f.text->hasFocus());
    EXPECT_EQ(f.activeControl(), f.text);
    vb::setEnabled(f.combo, false);
    EXPECT_EQ(vbl_ctrl_setFocus(f.combo), -1);
    vb::setVisible(f.list, false);
    EXPECT_EQ(vbl_ctrl_setFocus(f.list), -1);
    EXPECT_EQ(vbl_ctrl_setFocus(f.timer), -1);
    EXPECT_EQ(vbl_ctrl_setFocus(nullptr), -1);
    EXPECT_EQ(vbl_ctrl_setFocus(&f), 1);
}

TEST(NextTabControl, NearestHigherVisibleEnabledTextBoxWrappingOnce)
{
    VbForm f("frmTabs");
    auto* a = f.addControl(new VbTextBox(&f), "textA");      // tab 0
    f.addControl(new VbCheckBox(&f), "checkB");              // tab 1
    auto* c = f.addControl(new VbTextBox(&f), "genC");       // tab 2
    auto* d = f.addControl(new VbTextBox(&f), "textD");      // tab 3
    EXPECT_EQ(vbl_form_nextTabControl(&f, 0, "gen"), f.controlIndex(c));
    EXPECT_EQ(vbl_form_nextTabControl(&f, 2, ""), f.controlIndex(d));
    EXPECT_EQ(vbl_form_nextTabControl(&f, 3, "gen"), f.controlIndex(a)); // wraps
    vb::setEnabled(d, false);
    EXPECT_EQ(vbl_form_nextTabControl(&f, 2, "gen"), f.controlIndex(a));
    EXPECT_EQ(vbl_form_nextTabControl(&f, 0, "Text"), f.controlIndex(a)); // prefix filter
    vb::setVisible(a, false);
    vb::setVisible(c, false);
    EXPECT_LT(vbl_form_nextTabControl(&f, 0, ""), 0);
    EXPECT_LT(vbl_form_nextTabControl(nullptr, 0, ""), 0);
}

TEST(MessageLines, ShowColourClearByTimerAndLayout)
{
    VbForm f("frmMess");
    auto* m1 = f.addControl(new VbLabel(&f), "mess1");
    auto* m2 = f.addControl(new VbLabel(&f), "mess2");
    auto* t1 = f.addControl(new VbTimer(&f), "mess1Timer");
    f.addControl(new VbTimer(&f), "mess2Timer");
    auto* help = f.addControl(new VbCommandButton("Help", &f), "cmdHelp");
    vb::setWidth(help, 1120);
    vb::setHeight(help, 340);
    f.resize(400, 300);

    vbl_form_showMessage("Saved", &f, 1, VbColor::Red, 20);
    EXPECT_EQ(m1->caption(), "Saved");
    EXPECT_EQ(vb::foreColor(m1), VbColor::Red);
    EXPECT_TRUE(t1->isEnabled());
    vbl_form_showMessage("Second", &f, 2, VbColor::WindowText, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return m1->caption().isEmpty(); }, 1000));
    EXPECT_EQ(m2->caption(), "Second"); // no interval: stays
    vbl_form_showMessage("", &f, 2, 0, 0);
    EXPECT_EQ(m2->caption(), "");
    vbl_form_showMessage("x", &f, 3, 0, 0); // no such line
    vbl_form_showMessage("x", nullptr, 1, 0, 0);

    vbl_form_layoutMessages(&f);
    const double gap = 90;
    EXPECT_DOUBLE_EQ(vb::left(help), 6000 - gap - 1120);
    EXPECT_DOUBLE_EQ(vb::top(help), 4500 - gap - 340);
    EXPECT_DOUBLE_EQ(vb::top(m2) + vb::height(m2), 4500 - gap);
    EXPECT_DOUBLE_EQ(vb::top(m1) + vb::height(m1), vb::top(m2));
    EXPECT_DOUBLE_EQ(vb::left(m1) + vb::width(m1), vb::left(help) - gap);
}

TEST(SmallProcedures, ColourFromStateCheckedAndStretchedIcon)
{
    EXPECT_EQ(vbl_getColorFromState(true), 0x80000005u);
    EXPECT_EQ(vbl_getColorFromState(false), 0x8000000Fu);
    EXPECT_FALSE(vbl_chk_isChecked(0));
    EXPECT_TRUE(vbl_chk_isChecked(1));
    EXPECT_FALSE(vbl_chk_isChecked(2));
    EXPECT_TRUE(vbl_chk_isChecked(-1));
    VbCheckBox box;
    box.setValue(2);
    EXPECT_FALSE(vbl_chk_isChecked(&box));

    VbForm f("frmPict");
    auto* pict = f.addControl(new VbPictureBox(&f), "pictSingle");
    f.addControl(new VbPictureBox(&f), "wrkPict");
    QPixmap big(32, 32);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.fillRect(0, 0, 16, 32, Qt::blue);
    }
    pict->setPicture(big);
    vb::setBackColor(pict, 0x0000FF00u); // green
    vbl_pict_stretchIcon(pict, 0, 0, &f);
    const QImage img = pict->picture().toImage();
    ASSERT_EQ(img.size(), QSize(16, 16));
    EXPECT_EQ(img.pixelColor(2, 8), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(13, 8), QColor(Qt::green)); // transparent half on the back colour
}

TEST(MessageBox, ATestAnswersItLikeAUser)
{
    auto seen = answerMessageBox("OK");
    vbl_msgBox("Opening RUV file", "Could not open file", 16);
    EXPECT_TRUE(seen->ran);
    EXPECT_FALSE(seen->leftOpen);
    EXPECT_EQ(seen->title, "Opening RUV file");
    EXPECT_EQ(seen->text, "Could not open file");

    auto no = answerMessageBox("No");
    EXPECT_EQ(vbl_msgBoxAsk("t", "Continue?", 4 + 32), 7);
    EXPECT_TRUE(no->ran);

    // The answer leaves it open: the driver closes it.
    auto late = whenModal([](QWidget*) {});
    EXPECT_EQ(vbl_msgBoxAsk("t", "left open", 1), 2);
    EXPECT_TRUE(late->leftOpen);

    // The box comes after the driver gave up waiting: closed on sight.
    auto gaveUp = whenModal([](QWidget*) {}, 20);
    QTest::qWait(60);
    EXPECT_EQ(vbl_msgBoxAsk("t", "too late", 1), 2);
    EXPECT_TRUE(gaveUp->timedOut);
    EXPECT_FALSE(gaveUp->ran);
}
