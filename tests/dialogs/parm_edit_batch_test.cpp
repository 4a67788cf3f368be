// Batch mode of the grid dialog, the editor object driving it, focus and keys.
#include "dialogs/parm_edit_fixture.h"

#include "foundation/KalvexObjectBase.h"
#include "platform/VbFrame.h"
#include "platform/VbTimer.h"
#include "support/modal_driver.h"

namespace kalvex::test {

TEST_F(ParmEditTest, BatchModeKeepsItsParametersOutOfTheGrid)
{
    gen->setCmdGen("(internal)KALVEX batchfile generator");
    add("Operation", "run");
    add("PARM1", "C:\\jobs\\make.bat");
    add("verbose", "1");
    add("Title", "Plots");
    add("title", "Plot job");
    add("extra", "x");
    add("more", "y");
    ASSERT_TRUE(open());
    EXPECT_TRUE(form->batchExeMode());
    EXPECT_TRUE(vb::visible(form->frameBatchExec));
    EXPECT_EQ(form->frameParms->caption(), "Additional parameters");
    EXPECT_EQ(shownNames(), QStringList({"extra", "more"}));
    EXPECT_EQ(form->textBatchfile->text(), "") << "the key is matched exactly: parm1 is missing";
    EXPECT_EQ(form->textTitle->text(), "Plot job");
    EXPECT_EQ(editor()->setInternalValue("GET_HELPTOPIC", QVariant()).toInt(), 29);
    EXPECT_EQ(vb::helpContextID(form->parmsGrid), 29);

    typeInto(form->textBatchfile, "run.bat");
    typeInto(form->textTitle, "Plots for the panel");
    EXPECT_EQ(editor()->persistData(false), 2);
    EXPECT_EQ(value("parm1"), "run.bat");
    EXPECT_EQ(parms->item("parm1")->parmType(), PARM_TYPE_SYSTEM);
    EXPECT_EQ(value("title"), "Plots for the panel");
    EXPECT_EQ(value("PARM1"), "C:\\jobs\\make.bat");
    EXPECT_EQ(editor()->persistData(false), 0);

    // Another command takes the same dialog out of batch mode.
    gen->setCmdGen("other.exe");
    EXPECT_FALSE(form->batchExeMode());
    EXPECT_FALSE(vb::visible(form->frameBatchExec));
    EXPECT_EQ(form->frameParms->caption(), "");
    EXPECT_EQ(editor()->setInternalValue("GET_HELPTOPIC", QVariant()).toInt(), 0);
    form->loadData();
    EXPECT_EQ(shownNames().size(), 8);
}

TEST_F(ParmEditTest, EnterMovesBetweenTheBatchTextBoxes)
{
    gen->setCmdGen("(INTERNAL)Kalvex batchfile Generator");
    add("a", "1");
    add("b", "2");
    ASSERT_TRUE(open());
    form->forceFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->textBatchfile->hasFocus(); }));
    QTest::keyClick(form->textBatchfile, Qt::Key_Return);
    EXPECT_TRUE(form->textTitle->hasFocus());
    // From the last box the Enter key passes the focus sink back to the grid.
    QTest::keyClick(form->textTitle, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid()->hasFocus(); }));
}

TEST_F(ParmEditTest, EditorDrivesTheDialog)
{
    add("a", "1");
    add("b", "2");
    auto ed = editor();
    ASSERT_TRUE(ed->formObj());
    EXPECT_EQ(ed->formObj()->formName(), "frmParmEdit");
    EXPECT_FALSE(ed->visible());
    ed->initialize(false);
    form = dynamic_cast<frmParmEdit*>(ed->formObj());
    ASSERT_TRUE(form);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(grid()->maxRows(), 2) << "loaded without being shown";
    ed->initialize(true);
    EXPECT_TRUE(ed->visible());
    EXPECT_EQ(ed->setInternalValue("GET_HELPTOPIC", QVariant()).toInt(), 0);

    const int row = rowOf("a");
    grid()->setCol(ParmGridCol::Value);
    grid()->setRow(row);
    grid()->setText("5");
    EXPECT_EQ(ed->persistData(true), 1);
    EXPECT_EQ(value("a"), "5");

    ed->setEnabled(false);
    EXPECT_FALSE(ed->enabled());
    ed->setEnabled(true);
    ed->setFocus();
    EXPECT_EQ(form->focusTimer->interval(), 200);
    EXPECT_TRUE(form->focusTimer->isEnabled());
    ed->setVisible(false);
    EXPECT_FALSE(form->isVisible());

    // As the host's message object the dialog shows model messages on its lines.
    gen->setMessagesObj(form);
    std::dynamic_pointer_cast<KalvexObjectBase>(gen)->postMessage("Reading generators", 2);
    EXPECT_EQ(form->mess2->caption(), "Reading generators");
}

TEST_F(ParmEditTest, ButtonsGiveTheFocusBackToTheGrid)
{
    add("a", "1");
    add("b", "2");
    ASSERT_TRUE(open());
    clickCell(ParmGridCol::Name, rowOf("b"));
    form->cmdNew->setFocus();
    click(form->cmdNew);
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid()->hasFocus(); }));
    EXPECT_EQ(vb::tag(form->focusTimer), "");
    type("renamed");
    press(Qt::Key_Return);
    EXPECT_EQ(cell(ParmGridCol::Name, grid()->activeRow()), "renamed");
}

} // namespace kalvex::test

namespace kalvex::test {

TEST_F(ParmEditTest, LayoutFollowsTheFormAndRefusesATooSmallOne)
{
    add("a", "1");
    ASSERT_TRUE(open());
    form->resize(700, 500);
    QApplication::processEvents();
    const double px = 30; // two pixels at 96 DPI
    EXPECT_DOUBLE_EQ(vb::left(form->frameParms), px);
    EXPECT_NEAR(vb::width(form->frameParms), vb::scaleWidth(form) - 2 * px, 15);
    EXPECT_NEAR(vb::width(form->parmsGrid), vb::width(form->buttonPanel), 15);
    EXPECT_LT(vb::left(form->cmdNew), vb::left(form->cmdBrowse));
    EXPECT_LT(vb::left(form->cmdBrowse), vb::left(form->cmdDelete));
    EXPECT_NEAR(vb::left(form->cmdDelete) + vb::width(form->cmdDelete), vb::width(form->buttonPanel) - 22, 15);
    EXPECT_LT(vb::top(form->parmsGrid) + vb::height(form->parmsGrid), vb::top(form->mess1));
    EXPECT_GT(grid()->colWidth(ParmGridCol::Value), grid()->colWidth(ParmGridCol::Name));

    gen->setCmdGen("(INTERNAL)Kalvex batchfile Generator");
    QApplication::processEvents();
    EXPECT_NEAR(vb::top(form->frameParms),
                vb::top(form->frameBatchExec) + vb::height(form->frameBatchExec) + 130, 15);
    EXPECT_LT(vb::left(form->textBatchfile) + vb::width(form->textBatchfile), vb::left(form->browseBatchFile));

    const QSize before = form->size();
    form->resize(40, 30);
    QApplication::processEvents();
    EXPECT_EQ(form->size(), before) << "a layout that does not fit brings the last size back";
    // and the layout follows the size that came back
    EXPECT_NEAR(vb::width(form->frameParms), vb::scaleWidth(form) - 2 * px, 15);
    EXPECT_NEAR(vb::width(form->parmsGrid), vb::width(form->buttonPanel), 15);
    EXPECT_GT(vb::height(form->parmsGrid), 0);
    EXPECT_LT(vb::top(form->parmsGrid) + vb::height(form->parmsGrid), vb::top(form->mess1));
}

} // namespace kalvex::test
