// The report writer dialog's database type: how db_type is shown, which file
// field the type enables, and when a confirm writes it.
#include "dialogs/bnrep_fixture.h"

#include "platform/CommonDialog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace kalvex::test {

TEST_F(BnrepTest, SelectedForItsCommandWithTopicFocusTextsAndToolTips)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(form->formName(), "frmBNREPParms");
    EXPECT_EQ(editor()->setInternalValue("GET_HELPTOPIC", {}).toInt(), 11);
    EXPECT_EQ(vb::helpContextID(form->tableList), 11);
    EXPECT_EQ(vb::helpContextID(form->OptDBType[2]), 11);
    EXPECT_EQ(vb::toolTipText(form->TextLMC), "Central library file ( /lmc_file=<file_path> )");
    EXPECT_EQ(vb::toolTipText(form->textPDB), "Pards database file ( /pdb_file=<file_path> )");
    EXPECT_EQ(vb::toolTipText(form->CheckRemoveWorkfiles), "Cleanup temporary files ( /cleanup_work=True|False )");
    EXPECT_EQ(vb::toolTipText(form->CheckRemoveDB), "Cleanup database file ( /cleanup_db=True|False )");
    EXPECT_EQ(vb::tag(form->OptDBType[0]), "") << "the type is bound by the dialog's own code";
    const QStringList captions = {"PCB design", "Schematic design", "Parts database", "Central library"};
    ASSERT_EQ(form->OptDBType.count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form->OptDBType[i]->text(), captions[i]);
    EXPECT_EQ(form->frameDBType->title(), "Report writer database type");
    EXPECT_EQ(form->FrameGenOpt->title(), "Generation options");
    EXPECT_EQ(form->FrameTableRem->title(), "Table data removal");
    EXPECT_EQ(form->CheckRemoveDB->text(), "Remove database after check in");
    EXPECT_EQ(form->CheckRemoveWorkfiles->text(), "Remove work files");
    EXPECT_EQ(vb::kind(form->cDialog), VbKind::CommonDialog);

    form->tableList->setFocus();
    form->forceFocus();
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->OptDBType[0]->hasFocus(); }, 1000));
}

TEST_F(BnrepTest, MissingTypeShowsPcbAndEachConfirmWritesItAgain)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(shownType(), frmBNREPParms::BNPCB);
    EXPECT_EQ(form->loadedDbType(), "XXXX");
    ASSERT_EQ(list()->ListCount(), 36);
    EXPECT_EQ(list()->List(0), "TBoardInfo");
    EXPECT_EQ(list()->List(35), "TViaPad");
    EXPECT_EQ(list()->ListIndex(), -1);

    EXPECT_EQ(persist(), 1);
    auto p = parms->item("db_type");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->value(false), "BNPCB");
    EXPECT_EQ(p->parmType(), PARM_TYPE_SYSTEM);
    EXPECT_GE(p->modified(), 1);
    EXPECT_FALSE(parms->item("table_clear")) << "no table marked, none stored";
    // The loaded type is the reference until the next load: it is written and counted again.
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(parms->count(), 1);
    form->loadData();
    EXPECT_EQ(persist(), 0);
}

TEST_F(BnrepTest, StoredTypeIsMatchedUpperCasedAndKeptAsStored)
{
    parms->add("db_type", "pdb", 1);
    ASSERT_TRUE(open());
    EXPECT_EQ(shownType(), frmBNREPParms::PDB);
    EXPECT_EQ(form->currentDbType(), "PDB");
    ASSERT_EQ(list()->ListCount(), 7);
    EXPECT_EQ(list()->List(1), "PartNumberTable");
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(value("db_type"), "pdb") << "another letter case is not rewritten";

    for (const char* unknown : {"gerber", "", "#", "${BNPCB}", " BNPCB"}) {
        SCOPED_TRACE(unknown);
        parms->item("db_type")->setValue(false, unknown);
        form->loadData();
        EXPECT_EQ(shownType(), frmBNREPParms::BNPCB);
        EXPECT_EQ(form->loadedDbType(), "XXXX");
        EXPECT_EQ(persist(), 1);
        EXPECT_EQ(value("db_type"), "BNPCB");
    }
    parms->item("db_type")->setValue(false, "Clib");
    form->loadData();
    EXPECT_EQ(shownType(), frmBNREPParms::CLIB);
    chooseType(frmBNREPParms::BNDC);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("db_type"), "BNDC");
}

TEST_F(BnrepTest, OnlyTheTypesFileFieldIsEnabledAndDisabledFieldsKeepTheirText)
{
    parms->add("db_type", "CLIB", 1);
    parms->add("lmc_file", "lib.lmc", 1);
    ASSERT_TRUE(open());
    EXPECT_TRUE(vb::enabled(form->TextLMC));
    EXPECT_TRUE(vb::enabled(form->browseLMC));
    EXPECT_EQ(vb::backColor(form->TextLMC), VbColor::WindowBackground);
    EXPECT_FALSE(vb::enabled(form->textPDB));
    EXPECT_FALSE(vb::enabled(form->browsePDB));
    EXPECT_EQ(vb::backColor(form->textPDB), VbColor::ButtonFace);

    typeInto(form->TextLMC, "central.lmc");
    chooseType(frmBNREPParms::BNPCB);
    EXPECT_FALSE(vb::enabled(form->TextLMC));
    EXPECT_FALSE(vb::enabled(form->browseLMC));
    EXPECT_EQ(vb::backColor(form->TextLMC), VbColor::ButtonFace);
    EXPECT_EQ(form->TextLMC->text(), "central.lmc");
    chooseType(frmBNREPParms::PDB);
    EXPECT_TRUE(vb::enabled(form->textPDB));
    EXPECT_TRUE(vb::enabled(form->browsePDB));
    EXPECT_EQ(vb::backColor(form->textPDB), VbColor::WindowBackground);
    EXPECT_FALSE(vb::enabled(form->TextLMC));

    EXPECT_EQ(persist(), 2) << "the disabled box's text and the type";
    EXPECT_EQ(value("lmc_file"), "central.lmc");
    EXPECT_EQ(value("db_type"), "PDB");
}

TEST_F(BnrepTest, ReadOnlyOwnerStillEnablesTheFileFieldAndWritesNothing)
{
    for (int code : {SYSTEM, SYSTEM_INVISIBLE}) {
        SCOPED_TRACE(code);
        gen->setReservedItem(code);
        parms->add("db_type", "PDB", 1);
        ASSERT_TRUE(open());
        ASSERT_TRUE(form->locked());
        EXPECT_TRUE(vb::enabled(form->textPDB)) << "the type selection runs after the lock";
        EXPECT_FALSE(form->textPDB->isEnabled()) << "its frame is locked";
        EXPECT_FALSE(vb::enabled(form->tableList));
        EXPECT_FALSE(vb::enabled(form->OptDBType[0]));
        form->OptDBType[0]->setValue(true);
        EXPECT_EQ(persist(), 0);
        EXPECT_EQ(value("db_type"), "PDB");
        EXPECT_EQ(parms->count(), 1);
    }
}

TEST_F(BnrepTest, BrowseAllowsCheckOutForThePartsDatabaseOnly)
{
    ModalWatchdog dog(20000);
    QTemporaryDir dir;
    const QString pdb = QDir(dir.path()).absoluteFilePath("parts.pdb");
    QFile(pdb).open(QIODevice::WriteOnly);
    parms->add("db_type", "PDB", 1);
    parms->add("pdb_file", "old.pdb", 1);
    ASSERT_TRUE(open());
    EXPECT_EQ(vb::width(form->browsePDB), 315);
    EXPECT_EQ(vb::height(form->browseLMC), 315);

    BrowserSeen seen;
    answerBrowser(seen, pdb);
    clickWidget(form->browsePDB);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.spec, "old.pdb");
    EXPECT_TRUE(seen.checkout);
    EXPECT_EQ(form->textPDB->text(), pdb);

    BrowserSeen cancelled;
    answerBrowser(cancelled, QString());
    clickWidget(form->browsePDB);
    EXPECT_TRUE(cancelled.shown);
    EXPECT_EQ(form->textPDB->text(), pdb) << "a cancelled picker changes nothing";

    chooseType(frmBNREPParms::CLIB);
    typeInto(form->TextLMC, " lib.lmc ");
    BrowserSeen lmc;
    answerBrowser(lmc, QString());
    clickWidget(form->browseLMC);
    EXPECT_TRUE(lmc.shown);
    EXPECT_EQ(lmc.spec, "lib.lmc");
    EXPECT_FALSE(lmc.checkout);
    EXPECT_EQ(value("pdb_file"), "old.pdb");
    EXPECT_EQ(persist(), 3);
    EXPECT_EQ(value("pdb_file"), pdb);
    EXPECT_EQ(value("lmc_file"), "lib.lmc");
}

} // namespace kalvex::test
