// A user editing names and values in the grid dialog, and what persistData
// makes of it.
#include "dialogs/parm_edit_fixture.h"

#include "platform/VbColors.h"

namespace kalvex::test {

TEST_F(ParmEditTest, TypedValuesAndNamesReachTheSet)
{
    add("alpha", "1");
    add("beta", "2");
    add("gamma", "3");
    ASSERT_TRUE(open());

    editCell(ParmGridCol::Value, rowOf("alpha"), "100");
    clickCell(ParmGridCol::Name, rowOf("beta"));
    type("delta");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([&] { return cell(ParmGridCol::Name, 2) == "delta"; }));
    type("20");
    press(Qt::Key_Return);
    EXPECT_EQ(value("alpha"), "1") << "nothing is written before persistData";

    EXPECT_EQ(persist(), 3) << "one value, one rename, one value of the renamed row";
    EXPECT_EQ(value("alpha"), "100");
    EXPECT_FALSE(parms->item("beta"));
    EXPECT_EQ(value("delta"), "20");
    EXPECT_EQ(value("gamma"), "3");
    EXPECT_EQ(cell(ParmGridCol::OrgName, rowOf("delta")), "delta");
    EXPECT_EQ(cell(ParmGridCol::OrgValue, rowOf("delta")), "20");
    EXPECT_EQ(persist(), 0);
}

TEST_F(ParmEditTest, RefusedRenameKeepsTheValueOnItsOwnParameter)
{
    add("first", "1");
    add("second", "2");
    ASSERT_TRUE(open());
    const int row = rowOf("first");

    // The user gives the row the name of the other parameter and a new value.
    editCell(ParmGridCol::Name, row, "second");
    editCell(ParmGridCol::Value, row, "99");
    EXPECT_EQ(persist(), 1) << "only the value is written";
    EXPECT_EQ(value("second"), "2") << "the other parameter keeps its value";
    EXPECT_EQ(value("first"), "99");
    EXPECT_EQ(cell(ParmGridCol::Name, row), "first") << "the row shows its own name again";
    EXPECT_TRUE(form->mess1->caption().contains("second"));
    EXPECT_TRUE(form->mess1->caption().contains("first"));
    EXPECT_EQ(parms->count(), 2);

    // An emptied name is refused the same way.
    editCell(ParmGridCol::Name, row, "");
    EXPECT_EQ(cell(ParmGridCol::Name, row), "");
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(cell(ParmGridCol::Name, row), "first");
    EXPECT_TRUE(parms->item("first"));
    EXPECT_FALSE(form->mess1->caption().isEmpty());
    EXPECT_EQ(persist(), 0);
}

TEST_F(ParmEditTest, NameCellOfSystemParameterCannotBeEntered)
{
    add("sys", "1", PARM_TYPE_SYSTEM);
    add("usr", "2");
    add("usr2", "3");
    ASSERT_TRUE(open());
    const int sysRow = rowOf("sys");
    clickCell(ParmGridCol::Name, rowOf("usr"));
    clickCell(ParmGridCol::Name, sysRow);
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid()->activeCol() == ParmGridCol::Value; }));
    EXPECT_EQ(grid()->activeRow(), sysRow);
    type("x");
    press(Qt::Key_Return);
    EXPECT_EQ(cell(ParmGridCol::Name, sysRow), "sys");
    EXPECT_EQ(cell(ParmGridCol::Value, sysRow), "x");
    EXPECT_FALSE(vb::enabled(form->cmdDelete)) << "a system parameter cannot be deleted";
    EXPECT_TRUE(vb::enabled(form->cmdBrowse)) << "browsing is for values";
}

TEST_F(ParmEditTest, PartnerCellIsHighlightedWhileEditing)
{
    add("sys", "1", PARM_TYPE_SYSTEM);
    add("usr", "2");
    ASSERT_TRUE(open());
    const int sysRow = rowOf("sys");
    const int usrRow = rowOf("usr");

    clickCell(ParmGridCol::Value, sysRow);
    type("v");
    EXPECT_EQ(backColor(ParmGridCol::Name, sysRow), VbColor::Highlight);
    grid()->setCol(ParmGridCol::Name);
    EXPECT_EQ(grid()->foreColor(), VbColor::HighlightText);
    press(Qt::Key_Return);
    EXPECT_EQ(backColor(ParmGridCol::Name, sysRow), VbColor::ButtonFace) << "a system name goes back to grey";

    clickCell(ParmGridCol::Name, usrRow);
    type("n");
    EXPECT_EQ(backColor(ParmGridCol::Value, usrRow), VbColor::Highlight);
    EXPECT_FALSE(vb::enabled(form->cmdBrowse));
    EXPECT_TRUE(vb::enabled(form->cmdDelete));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !grid()->isEditing(); }));
    EXPECT_EQ(backColor(ParmGridCol::Value, usrRow), VbColor::WindowBackground);
    EXPECT_EQ(cell(ParmGridCol::Name, usrRow), "usr");
}

TEST_F(ParmEditTest, TypedButUnconfirmedCellIsPersisted)
{
    add("a", "1");
    add("b", "2");
    ASSERT_TRUE(open());
    clickCell(ParmGridCol::Value, rowOf("b"));
    type("typed");
    ASSERT_TRUE(grid()->isEditing());
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("b"), "typed");
}

} // namespace kalvex::test
