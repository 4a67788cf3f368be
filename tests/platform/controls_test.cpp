// Control kinds: values, events for user and code changes, exclusivity.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/VbCheckBox.h"
#include "platform/VbComboBox.h"
#include "platform/VbForm.h"
#include "platform/VbFrame.h"
#include "platform/VbLabel.h"
#include "platform/VbListBox.h"
#include "platform/VbOptionButton.h"
#include "platform/VbTextBox.h"
#include "platform/VbTimer.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

TEST(VbControls, TextBoxRaisesChangeForTypedAndProgrammaticText)
{
    VbForm form("frmT");
    auto* box = form.addControl(new VbTextBox(&form), "textA");
    form.show();
    QSignalSpy change(box, &VbTextBox::Change);
    box->setText("abc");
    EXPECT_EQ(change.count(), 1);
    typeInto(box, "xy");
    EXPECT_EQ(box->text(), "xy");
    EXPECT_GE(change.count(), 3); // select+replace and each key
}

TEST(VbControls, CheckBoxValuesMapToTheFormsCodesAndClickFollowsEveryChange)
{
    VbForm form("frmT");
    auto* box = form.addControl(new VbCheckBox("Check", &form), "checkA");
    form.show();
    QSignalSpy click(box, &VbCheckBox::Click);
    EXPECT_EQ(box->value(), 0);
    box->setValue(2);
    EXPECT_EQ(box->value(), 2);
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);
    box->setValue(1);
    EXPECT_EQ(box->checkState(), Qt::Checked);
    EXPECT_EQ(click.count(), 2);
    box->setValue(7); // not a value: ignored
    EXPECT_EQ(box->value(), 1);

    clickIndicator(box);
    EXPECT_EQ(box->value(), 0);
    clickIndicator(box);
    EXPECT_EQ(box->value(), 1);
    // A user never reaches greyed; a greyed box clicked becomes cleared.
    box->setValue(2);
    clickIndicator(box);
    EXPECT_EQ(box->value(), 0);
    clickIndicator(box);
    EXPECT_EQ(box->value(), 1);
    EXPECT_EQ(click.count(), 7);
}

TEST(VbControls, OptionButtonsAreExclusivePerContainerAndMayAllBeCleared)
{
    VbForm form("frmT");
    auto* f1 = form.addControl(new VbFrame("one", &form), "frame1");
    auto* f2 = form.addControl(new VbFrame("two", &form), "frame2");
    VbOptionArray opt;
    for (int i = 0; i < 3; ++i)
        opt.append(form.addControl(new VbOptionButton(QString("o%1").arg(i), f1), "optA", i));
    auto* other = form.addControl(new VbOptionButton("other", f2), "optOther");
    vb::move(f1, 0, 0, 3000, 1500);
    vb::move(f2, 0, 1600, 3000, 1500);
    for (int i = 0; i < 3; ++i)
        vb::move(opt[i], 120, 240 + i * 300, 2000, 285);
    vb::move(other, 120, 240, 2000, 285);
    form.show();

    EXPECT_EQ(opt[1]->objectName(), "optA_1");
    EXPECT_EQ(vb::name(opt[1]), "optA");
    EXPECT_EQ(vb::index(opt[1]), 1);
    EXPECT_EQ(opt.selectedIndex(), -1);

    QSignalSpy click(&opt, &VbOptionArray::Click);
    opt[2]->setValue(true);
    ASSERT_EQ(click.count(), 1);
    EXPECT_EQ(click[0][0].toInt(), 2);
    opt[2]->setValue(true); // already selected: no Click
    EXPECT_EQ(click.count(), 1);

    other->setValue(true); // another container keeps its own selection
    EXPECT_TRUE(opt[2]->value());

    clickIndicator(opt[0]);
    EXPECT_EQ(opt.selectedIndex(), 0);
    EXPECT_FALSE(opt[2]->value());
    EXPECT_EQ(click.count(), 2);

    opt[0]->setValue(false);
    EXPECT_EQ(opt.selectedIndex(), -1);
    opt[1]->setValue(true); // still exclusive after being cleared
    clickIndicator(opt[2]);
    EXPECT_EQ(opt.selectedIndex(), 2);
    EXPECT_FALSE(opt[1]->value());
    EXPECT_EQ(opt[7], nullptr);
}

TEST(VbControls, ComboAndListKeepIndexesAndRaiseTheirEvents)
{
    VbForm form("frmT");
    auto* combo = form.addControl(new VbComboBox(&form), "comboA");
    auto* list = form.addControl(new VbListBox(&form), "listA");
    list->setCheckMarks(true);
    QSignalSpy cclick(combo, &VbComboBox::Click);
    QSignalSpy icheck(list, &VbListBox::ItemCheck);

    EXPECT_EQ(combo->AddItem("a"), 0);
    EXPECT_EQ(combo->AddItem("b"), 1);
    EXPECT_EQ(combo->ListIndex(), -1);
    EXPECT_EQ(cclick.count(), 0);
    combo->setListIndex(1);
    EXPECT_EQ(cclick.count(), 1);
    combo->setListIndex(5);
    EXPECT_EQ(combo->ListIndex(), -1);
    EXPECT_EQ(cclick.count(), 1);

    list->AddItem("t1");
    EXPECT_EQ(list->AddItem("t2"), 1);
    EXPECT_EQ(list->NewIndex(), 1);
    EXPECT_EQ(icheck.count(), 0);
    list->setSelected(1, true);
    EXPECT_TRUE(list->Selected(1));
    ASSERT_EQ(icheck.count(), 1);
    EXPECT_EQ(icheck[0][0].toInt(), 1);
    list->setItemData(1, 42);
    EXPECT_EQ(list->ItemData(1).toInt(), 42);
    EXPECT_EQ(list->List(5), "");
    // Every check box is drawn whole: inside the list, rows apart.
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_GE(list->visualItemRect(list->item(0)).top(), 1);
    EXPECT_GE(list->visualItemRect(list->item(1)).top(), list->visualItemRect(list->item(0)).bottom() + 2);
}

TEST(VbControls, TimerFiresOnceAndCarriesItsTag)
{
    VbForm form("frmT");
    auto* timer = form.addControl(new VbTimer(&form, 10), "focusTimer");
    vb::setTag(timer, "TO_PARMSGRID");
    QSignalSpy fired(timer, &VbTimer::Timer);
    EXPECT_FALSE(timer->isEnabled());
    timer->setEnabled(true);
    EXPECT_TRUE(vb::enabled(timer));
    ASSERT_TRUE(fired.wait(1000));
    EXPECT_FALSE(timer->isEnabled());
    QTest::qWait(50);
    EXPECT_EQ(fired.count(), 1);
    EXPECT_EQ(vb::tag(timer), "TO_PARMSGRID");
    EXPECT_EQ(vb::kind(timer), VbKind::Timer);
    timer->setInterval(0);
    timer->setEnabled(true);
    EXPECT_FALSE(timer->isEnabled());
}

TEST(VbControls, LabelDoubleClickAndFrameWithoutBorder)
{
    VbForm form("frmT");
    auto* label = form.addControl(new VbLabel("Parameters list:", &form), "parmsCaption");
    auto* frame = form.addControl(new VbFrame("Caption", &form), "frameParms");
    form.show();
    label->setCaption("Header && trailer &definitions");
    EXPECT_EQ(label->text(), "Header & trailer definitions");
    EXPECT_EQ(label->caption(), "Header && trailer &definitions");
    QSignalSpy dbl(label, &VbLabel::DblClick);
    QTest::mouseDClick(label, Qt::LeftButton);
    EXPECT_EQ(dbl.count(), 1);
    frame->setBorderStyle(0);
    EXPECT_EQ(frame->title(), "");
    EXPECT_EQ(frame->caption(), "Caption");
    frame->setBorderStyle(1);
    EXPECT_EQ(frame->title(), "Caption");
}
