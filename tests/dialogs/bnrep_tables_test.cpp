// The report writer dialog's tables to clear: marks per database type, what
// a confirm stores, and the list helpers on a list box.
#include "dialogs/bnrep_fixture.h"

#include "dialogs/morvGens_bnrepTabClear.h"

namespace kalvex::test {

TEST(BnrepTabClearList, FillsEntriesWithRecordIndexesAndReadsTheMarksBack)
{
    QVector<BnrepTableRec> tables;
    morvGens_bnrep_fillTableArray(tables, "TA#TB#TC", "tc#ta");
    VbListBox list;
    list.setCheckMarks(true);
    list.AddItem("left over");
    int checks = 0;
    QObject::connect(&list, &VbListBox::ItemCheck, [&] { ++checks; });
    morvGens_bnrepTabClear_fillLBOX(&list, tables);
    ASSERT_EQ(list.ListCount(), 3);
    EXPECT_EQ(list.List(0), "TA");
    EXPECT_EQ(list.ItemData(2).toInt(), 3);
    EXPECT_TRUE(list.Selected(0));
    EXPECT_FALSE(list.Selected(1));
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_GE(checks, 2) << "marking raises ItemCheck: the dialog must guard its refill";
    EXPECT_EQ(morvGens_bnrepTabClear_getActiveList(&list), "TA#TC");
    list.setSelected(0, false);
    list.setSelected(2, false);
    EXPECT_EQ(morvGens_bnrepTabClear_getActiveList(&list), "");
    morvGens_bnrepTabClear_fillLBOX(&list, {});
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(morvGens_bnrepTabClear_getActiveList(nullptr), "");
}

TEST_F(BnrepTest, StoredTablesMarkEachTypesListAndOnlyTheCurrentTypeIsStored)
{
    parms->add("table_clear", "TParts#TNet", 1);
    ASSERT_TRUE(open());
    EXPECT_EQ(marked(), QStringList({"TNet"}));
    chooseType(frmBNREPParms::BNDC);
    ASSERT_EQ(list()->ListCount(), 12);
    EXPECT_EQ(marked(), QStringList({"TParts"}));
    chooseType(frmBNREPParms::BNPCB);
    EXPECT_EQ(marked(), QStringList({"TNet"}));
    EXPECT_EQ(persist(), 2) << "db_type added, table_clear rewritten";
    EXPECT_EQ(value("table_clear"), "TNet");
}

TEST_F(BnrepTest, TablesAreRewrittenInTheListsCaseAndOrder)
{
    parms->add("db_type", "BNPCB", 1);
    parms->add("table_clear", "tvia#TNET#tboardinfo", 1);
    ASSERT_TRUE(open());
    EXPECT_EQ(marked(), QStringList({"TBoardInfo", "TNet", "TVia"}));
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("table_clear"), "TBoardInfo#TNet#TVia");
    form->loadData();
    EXPECT_EQ(persist(), 0);
}

TEST_F(BnrepTest, UnknownTablesAndTablesOfAnotherTypeAreDroppedOnConfirm)
{
    parms->add("db_type", "BNPCB", 1);
    parms->add("table_clear", "TNope#TNet##${X}#ShapeTable", 1);
    ASSERT_TRUE(open());
    EXPECT_EQ(marked(), QStringList({"TNet"}));
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("table_clear"), "TNet");

    parms->item("table_clear")->setValue(false, "ShapeTable");
    form->loadData();
    EXPECT_TRUE(marked().isEmpty());
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("table_clear"), "") << "the parameter stays, emptied";
}

TEST_F(BnrepTest, MarksSurviveSwitchingTypesBackAndForth)
{
    parms->add("db_type", "CLIB", 1);
    ASSERT_TRUE(open());
    ASSERT_EQ(list()->ListCount(), 30);
    clickMark("PadStack");
    clickMark("Symbols");
    EXPECT_EQ(list()->ListIndex(), -1) << "a click leaves no entry current";
    chooseType(frmBNREPParms::BNPCB);
    EXPECT_TRUE(marked().isEmpty());
    clickMark("TTrace");
    chooseType(frmBNREPParms::CLIB);
    EXPECT_EQ(marked(), QStringList({"PadStack", "Symbols"}));
    chooseType(frmBNREPParms::BNPCB);
    EXPECT_EQ(marked(), QStringList({"TTrace"}));
    chooseType(frmBNREPParms::CLIB);
    clickMark("PadStack");
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("table_clear"), "Symbols");
    EXPECT_EQ(value("db_type"), "CLIB");
    // The loaded list stays the reference until the next load.
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(parms->count(), 2);

    // A new load starts again from what is stored.
    form->loadData();
    EXPECT_EQ(marked(), QStringList({"Symbols"}));
    chooseType(frmBNREPParms::BNPCB);
    EXPECT_TRUE(marked().isEmpty());
}

TEST_F(BnrepTest, AReleasedSetIsNeitherLoadedNorWritten)
{
    parms->add("db_type", "BNDC", 1);
    parms->add("table_clear", "TParts", 1);
    ASSERT_TRUE(open());
    parms.reset();
    gen.reset();
    clickMark("TSheets");
    chooseType(frmBNREPParms::PDB);
    EXPECT_EQ(persist(), 0);
    form->loadData();
    EXPECT_EQ(shownType(), frmBNREPParms::PDB) << "without a set nothing is reloaded";
}

TEST_F(BnrepTest, EditedByTurnsWithTheGridDialogLosesNothing)
{
    parms->add("db_type", "pdb", 1);
    parms->add("table_clear", "PartNumberPins#symboltable", 1);
    parms->add("pdb_file", "${KVX_LIB}\\parts.pdb", 1);
    ASSERT_TRUE(open());
    clickMark("ShapeTable");
    clickIndicator(form->CheckRemoveDB);
    EXPECT_EQ(persist(), 2);
    EXPECT_EQ(value("table_clear"), "SymbolTable#PartNumberPins#ShapeTable");
    const QStringList afterDialog = snapshot();

    gen->setCmdGen("C:\\tools\\outgen.exe");
    editor()->initialize(true);
    ASSERT_TRUE(dynamic_cast<frmParmEdit*>(editor()->formObj()));
    EXPECT_EQ(editor()->persistData(false), 0);
    EXPECT_EQ(snapshot(), afterDialog);

    gen->setCmdGen("(INTERNAL)Kalvex Report Writer Generator");
    ASSERT_TRUE(open());
    EXPECT_EQ(shownType(), frmBNREPParms::PDB);
    EXPECT_EQ(marked(), QStringList({"SymbolTable", "PartNumberPins", "ShapeTable"}));
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(snapshot(), afterDialog);
}

} // namespace kalvex::test
