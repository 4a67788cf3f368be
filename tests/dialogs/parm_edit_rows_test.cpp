// Loading, sorting, New, Delete and persisting the rows of the grid dialog.
#include "dialogs/parm_edit_fixture.h"

#include "admin/KalvexDistributor.h"
#include "dialogs/guiLib.h"
#include "platform/VbColors.h"
#include "support/modal_driver.h"

#include <QScrollBar>

namespace kalvex::test {

TEST_F(ParmEditTest, EmptySetGivesEmptyGridAndNewAddsDefaultParameter)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(grid()->maxRows(), 0);
    EXPECT_EQ(grid()->activeRow(), -1);

    click(form->cmdNew);
    ASSERT_EQ(parms->count(), 1);
    auto added = parms->item(1);
    EXPECT_EQ(added->name(), "New Parameter");
    EXPECT_EQ(added->value(false), "<Parm_Value>");
    EXPECT_EQ(added->parmType(), PARM_TYPE_USER);
    EXPECT_GT(added->modified(), 0);
    EXPECT_EQ(grid()->maxRows(), 1);
    EXPECT_EQ(cell(ParmGridCol::Name, 1), "New Parameter");
    EXPECT_EQ(cell(ParmGridCol::NewParm, 1), "1");

    EXPECT_EQ(persist(), 1) << "a new row counts once";
    EXPECT_EQ(cell(ParmGridCol::NewParm, 1), "0");
    EXPECT_EQ(persist(), 0) << "the second persistData counts nothing";
}

TEST_F(ParmEditTest, NewTwiceOnOneRowCopiesItUnderNumberedNames)
{
    add("alpha", "1");
    add("beta", "two words");
    ASSERT_TRUE(open());
    ASSERT_EQ(grid()->activeRow(), rowOf("beta"));

    click(form->cmdNew);
    click(form->cmdNew);
    ASSERT_EQ(parms->count(), 4);
    EXPECT_EQ(value("beta (1)"), "two words");
    EXPECT_EQ(value("beta (2)"), "two words");
    EXPECT_EQ(parms->item("beta (2)")->parmType(), PARM_TYPE_USER);
    EXPECT_EQ(shownNames(), QStringList({"alpha", "beta", "beta (1)", "beta (2)"}));
    EXPECT_EQ(grid()->activeRow(), rowOf("beta")) << "the caret stays on the copied row";
    EXPECT_EQ(persist(), 2);
    EXPECT_EQ(persist(), 0);
}

TEST_F(ParmEditTest, ActiveCellAfterLoadDependsOnRowCount)
{
    add("only", "1");
    ASSERT_TRUE(open());
    EXPECT_EQ(grid()->activeRow(), -1) << "one row: no active cell";
    form->hide();

    add("sys", "2", PARM_TYPE_SYSTEM);
    add("user", "3");
    form->loadData();
    // Row 2 before sorting is "sys", a system parameter: its Value cell.
    EXPECT_EQ(grid()->activeRow(), rowOf("sys"));
    EXPECT_EQ(grid()->activeCol(), ParmGridCol::Value);

    parms->remove("sys");
    form->loadData();
    EXPECT_EQ(grid()->activeRow(), rowOf("user"));
    EXPECT_EQ(grid()->activeCol(), ParmGridCol::Name);
}

TEST_F(ParmEditTest, SortPutsSystemParametersFirstEachGroupByName)
{
    add("zeta", "1");
    add("Mode", "2", PARM_TYPE_SYSTEM);
    add("alpha", "3");
    add("Base", "4", PARM_TYPE_SYSTEM);
    ASSERT_TRUE(open());
    EXPECT_EQ(shownNames(), QStringList({"Base", "Mode", "alpha", "zeta"}));
    EXPECT_EQ(grid()->activeRow(), rowOf("Mode")) << "the row active before sorting keeps the caret";
    EXPECT_EQ(cell(ParmGridCol::Value, rowOf("zeta")), "1") << "values travel with their names";
    EXPECT_EQ(backColor(ParmGridCol::Name, rowOf("Base")), VbColor::ButtonFace);
    EXPECT_EQ(backColor(ParmGridCol::Name, rowOf("alpha")), VbColor::WindowBackground);
    EXPECT_EQ(backColor(ParmGridCol::Value, rowOf("Base")), VbColor::WindowBackground);
    for (int c = ParmGridCol::OrgName; c <= ParmGridCol::NewParm; ++c)
        EXPECT_TRUE(grid()->colHidden(c));
}

TEST_F(ParmEditTest, DeleteHidesUserRowsAndPersistRemovesThem)
{
    add("keep", "1", PARM_TYPE_SYSTEM);
    add("drop", "2");
    ASSERT_TRUE(open());

    clickCell(ParmGridCol::Value, rowOf("keep"));
    click(form->cmdDelete);
    EXPECT_EQ(shownNames(), QStringList({"keep", "drop"})) << "system parameters are never deleted";

    clickCell(ParmGridCol::Name, rowOf("drop"));
    click(form->cmdDelete);
    EXPECT_EQ(shownNames(), QStringList({"keep"}));
    EXPECT_TRUE(parms->item("drop")) << "the parameter stays until persistData";
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid()->activeRow() == rowOf("keep"); }))
        << "the caret left the hidden row";
    EXPECT_EQ(grid()->activeCol(), ParmGridCol::Value) << "and did not land in a system name";

    EXPECT_EQ(persist(), 1);
    EXPECT_FALSE(parms->item("drop"));
    EXPECT_EQ(persist(), 0) << "a removed row is never removed twice";
}

TEST_F(ParmEditTest, DeletingANewRowRemovesTheAddedParameter)
{
    add("a", "1");
    add("b", "2");
    ASSERT_TRUE(open());
    click(form->cmdNew);
    ASSERT_TRUE(parms->item("b (1)"));
    clickCell(ParmGridCol::Name, rowOf("b (1)"));
    click(form->cmdDelete);
    EXPECT_EQ(persist(), 1);
    EXPECT_FALSE(parms->item("b (1)"));
    EXPECT_EQ(parms->count(), 2);
}

TEST_F(ParmEditTest, ReadOnlyOwnerGreysEveryCellAndWritesNothing)
{
    for (int code : {3, 4}) {
        gen->setReservedItem(code);
        parms->remove("locked");
        add("locked", "1");
        add("other", "2");
        ASSERT_TRUE(open());
        for (int r = 1; r <= 2; ++r) {
            EXPECT_EQ(backColor(ParmGridCol::Name, r), VbColor::ButtonFace);
            EXPECT_EQ(backColor(ParmGridCol::Value, r), VbColor::ButtonFace);
        }
        EXPECT_FALSE(vb::enabled(form->cmdNew));
        EXPECT_FALSE(vb::enabled(form->cmdDelete));
        clickCell(ParmGridCol::Value, rowOf("locked"));
        type("changed");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(cell(ParmGridCol::Value, rowOf("locked")), "1") << "code " << code;
        const int row = rowOf("locked");
        grid()->setCol(ParmGridCol::Value);
        grid()->setRow(row);
        grid()->setText("forced");
        EXPECT_EQ(persist(), 0);
        EXPECT_EQ(value("locked"), "1");
        form->hide();
    }
    gen->setReservedItem(2);
    form->loadData();
    EXPECT_TRUE(vb::enabled(form->cmdNew));
    EXPECT_EQ(backColor(ParmGridCol::Value, 1), VbColor::WindowBackground);
}

TEST_F(ParmEditTest, ReleasedSetLeavesTheDialogAlone)
{
    add("a", "1");
    add("b", "2");
    ASSERT_TRUE(open());
    editCell(ParmGridCol::Value, rowOf("a"), "3");
    std::weak_ptr<IKalvexGenParms> watch = parms;
    parms.reset();
    gen.reset();
    ASSERT_TRUE(watch.expired());
    EXPECT_EQ(persist(), 0);
    form->loadData();
    EXPECT_EQ(shownNames(), QStringList({"a", "b"})) << "the grid is left as it was";
    click(form->cmdNew);
    EXPECT_EQ(shownNames(), QStringList({"a", "b"}));
}

} // namespace kalvex::test

namespace kalvex::test {

TEST_F(ParmEditTest, DistributorSetsAreEditedAndLockedByTheirOwner)
{
    auto dist = classCreate_KalvexDistributor();
    dist->setDistribExe("C:\\dist\\send.exe");
    auto dparms = dist->parameters();
    dparms->add("host", "ftp.example", PARM_TYPE_USER);
    dparms->add("port", "21", PARM_TYPE_USER);
    dparms->editor()->initialize(true);
    form = dynamic_cast<frmParmEdit*>(dparms->editor()->formObj());
    ASSERT_TRUE(form);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    EXPECT_FALSE(form->batchExeMode());
    editCell(ParmGridCol::Value, rowOf("port"), "2121");
    bool flag = false;
    EXPECT_EQ(form->persistData(flag), 1);
    EXPECT_EQ(dparms->item("port")->value(false), "2121");

    dist->setReservedItem(SYSTEM_INVISIBLE);
    form->loadData();
    EXPECT_FALSE(vb::enabled(form->parmsGrid));
    EXPECT_EQ(form->persistData(flag), 0);
}

TEST_F(ParmEditTest, NameAndValueColumnsReachTheGridsRightEdge)
{
    add("output_dir", "${KVX_TASK_WORKDIR}\\out");
    ASSERT_TRUE(open());
    QTableWidget* table = grid()->table();
    const int value = ParmGridCol::Value - 1;
    for (const char* when : {"loaded", "with a scroll bar"}) {
        EXPECT_NEAR(grid()->colWidth(ParmGridCol::Name),
                    grid()->maxTextColWidth(ParmGridCol::Name) + 2 * guiLib().gap, 15) << when;
        EXPECT_EQ(table->columnViewportPosition(value) + table->columnWidth(value), table->viewport()->width()) << when;
        for (int i = 0; i < 40; ++i) // more rows than fit
            clickWidget(form->cmdNew);
        QTest::qWait(1);
    }
    EXPECT_TRUE(table->verticalScrollBar()->isVisible());
}

} // namespace kalvex::test
