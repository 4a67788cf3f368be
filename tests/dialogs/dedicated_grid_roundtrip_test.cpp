// A set edited in turn by a dedicated dialog and by the grid dialog, as when
// a command or program is changed and changed back: each sees what the
// other wrote.
#include "dialogs/parm_edit_fixture.h"

#include "admin/KalvexDistributor.h"
#include "dialogs/frmDRCParms.h"
#include "dialogs/frmDistribParms.h"
#include "dialogs/frmDrillParms.h"
#include "dialogs/frmVarsetupParms.h"
#include "platform/VbCheckBox.h"
#include "support/modal_driver.h"

namespace kalvex::test {

namespace {
class DedicatedGridRoundTrip : public ParmEditTest {
protected:
    void TearDown() override
    {
        vbl_formRelease<frmDistribParms>();
        vbl_formRelease<frmVarsetupParms>();
        ParmEditTest::TearDown();
    }
    template <class F>
    F* openDedicated()
    {
        editor()->initialize(true);
        return dynamic_cast<F*>(editor()->formObj());
    }
    int persistEditor() { return editor()->persistData(false); }
};
} // namespace

TEST_F(DedicatedGridRoundTrip, VariantSetupAndGrid)
{
    gen->setCmdGen("(INTERNAL)Kalvex PCB Design Manipulations");
    auto* varsetup = openDedicated<frmVarsetupParms>();
    ASSERT_TRUE(varsetup);
    clickIndicator(varsetup->optVarsetup[4]);
    typeInto(varsetup->textSourceDBCAE, "${KVX_JOB}\\cae.mds");
    EXPECT_EQ(persistEditor(), 2);

    gen->setCmdGen("C:\\tools\\outgen.exe");
    ASSERT_TRUE(open());
    const int opRow = rowOf("operation");
    ASSERT_GT(opRow, 0);
    EXPECT_EQ(cell(ParmGridCol::Value, opRow), "VAR_CREATE_BNREP_CAE");
    ASSERT_GT(rowOf("master_db_cae"), 0);
    EXPECT_EQ(cell(ParmGridCol::Value, rowOf("master_db_cae")), "${KVX_JOB}\\cae.mds");
    editCell(ParmGridCol::Value, opRow, "var_create_schematic");
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("operation"), "var_create_schematic");

    gen->setCmdGen("(INTERNAL)Kalvex PCB Design Manipulations");
    varsetup = openDedicated<frmVarsetupParms>();
    ASSERT_TRUE(varsetup);
    EXPECT_EQ(varsetup->optVarsetup.selectedIndex(), 1);
    EXPECT_EQ(varsetup->textSourceDBCAE->text(), "${KVX_JOB}\\cae.mds");
    EXPECT_EQ(persistEditor(), 1) << "the grid's lower case comes back in upper case";
    EXPECT_EQ(value("operation"), "VAR_CREATE_SCHEMATIC");
}

TEST_F(DedicatedGridRoundTrip, DistributorAndGrid)
{
    auto distrib = classCreate_KalvexDistributor();
    parms = distrib->parameters();
    distrib->setDistribExe("(INTERNAL)Kalvex Distributor");
    auto* dialog = openDedicated<frmDistribParms>();
    ASSERT_TRUE(dialog);
    clickIndicator(dialog->optCompress[2]);
    typeInto(dialog->textCompressedFile, "all.zip");
    EXPECT_EQ(persistEditor(), 2);

    distrib->setDistribExe("C:\\tools\\mydist.exe");
    ASSERT_TRUE(open());
    for (const char* key : {"compress_mode", "transfer_mode", "email_data_mode", "email_notify_mode"})
        EXPECT_GT(rowOf(key), 0) << key;
    EXPECT_EQ(cell(ParmGridCol::Value, rowOf("compress_mode")), "all_to_one");
    editCell(ParmGridCol::Value, rowOf("transfer_mode"), "COPY");
    EXPECT_EQ(persist(), 1);

    distrib->setDistribExe("(INTERNAL)Kalvex Distributor");
    dialog = openDedicated<frmDistribParms>();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->optCompress[2]->value());
    EXPECT_EQ(dialog->textCompressedFile->text(), "all.zip");
    EXPECT_EQ(dialog->checkTransferData->value(), 1);
    EXPECT_TRUE(vb::enabled(dialog->textTransferDest));
    EXPECT_EQ(persistEditor(), 1);
    EXPECT_EQ(value("transfer_mode"), "copy");
}

TEST_F(DedicatedGridRoundTrip, NCDrillAndGrid)
{
    struct Release {
        ~Release() { vbl_formRelease<frmDrillParms>(); }
    } release;
    gen->setCmdGen("(INTERNAL)Kalvex NC Drill Generator");
    auto* drill = openDedicated<frmDrillParms>();
    ASSERT_TRUE(drill);
    clickIndicator(drill->OptOperations[1]);
    clickIndicator(drill->optCheckIn[1]);
    clickIndicator(drill->OptSweep[1]);
    typeInto(drill->txtFormatFile, "fmt.mmm");
    EXPECT_EQ(persistEditor(), 3);

    gen->setCmdGen("C:\\tools\\drill.exe");
    ASSERT_TRUE(open());
    const std::pair<const char*, const char*> written[] = {{"operation", "check_in_sum"}, {"sweep_axis", "Vertical"},
                                                           {"units", "th"}, {"sum_units", "English"},
                                                           {"format_file", "fmt.mmm"}};
    for (const auto& [key, shown] : written) {
        ASSERT_GT(rowOf(key), 0) << key;
        EXPECT_EQ(cell(ParmGridCol::Value, rowOf(key)), shown) << key;
    }
    editCell(ParmGridCol::Value, rowOf("operation"), "CHECK_IN_MAP");
    editCell(ParmGridCol::Value, rowOf("units"), "MM");
    EXPECT_EQ(persist(), 2);

    gen->setCmdGen("(INTERNAL)Kalvex NC Drill Generator");
    drill = openDedicated<frmDrillParms>();
    ASSERT_TRUE(drill);
    EXPECT_EQ(drill->optCheckIn.selectedIndex(), 2);
    EXPECT_TRUE(vb::visible(drill->FrameFileCheckin));
    EXPECT_EQ(drill->OptDrillData.selectedIndex(), 1) << "\"MM\" holds no \"th\"";
    EXPECT_EQ(drill->txtFormatFile->text(), "fmt.mmm");
    EXPECT_EQ(persistEditor(), 1) << "the operation comes back in the dialog's own word";
    EXPECT_EQ(value("operation"), "check_in_map");
    EXPECT_EQ(value("units"), "MM") << "an unchanged unit keeps its letter case";
}

TEST_F(DedicatedGridRoundTrip, DRCAndGrid)
{
    struct Release {
        ~Release() { vbl_formRelease<frmDRCParms>(); }
    } release;
    gen->setCmdGen("(INTERNAL)Kalvex DRC generator");
    auto* drc = openDedicated<frmDRCParms>();
    ASSERT_TRUE(drc);
    typeInto(drc->textConfigFile, "boardE2E.dat");
    typeInto(drc->textTitle, "DRC");
    EXPECT_EQ(persistEditor(), 2);

    gen->setCmdGen("C:\\tools\\drc.exe");
    ASSERT_TRUE(open());
    ASSERT_GT(rowOf("scheme_file"), 0);
    EXPECT_EQ(cell(ParmGridCol::Value, rowOf("scheme_file")), "board.dat");
    editCell(ParmGridCol::Value, rowOf("scheme_file"), "panelE2E.dat");
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("scheme_file"), "panelE2E.dat") << "the grid has no name rule";

    gen->setCmdGen("(INTERNAL)Kalvex DRC generator");
    drc = openDedicated<frmDRCParms>();
    ASSERT_TRUE(drc);
    EXPECT_EQ(drc->textConfigFile->text(), "panel.dat");
    EXPECT_EQ(drc->textTitle->text(), "DRC");
    EXPECT_EQ(persistEditor(), 1);
    EXPECT_EQ(value("scheme_file"), "panel.dat");
}

} // namespace kalvex::test
