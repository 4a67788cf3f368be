// A set edited in turn by a dedicated dialog and by the grid dialog, as when
// a command or program is changed and changed back: each sees what the
// other wrote.
#include "dialogs/parm_edit_fixture.h"

#include "admin/KalvexDistributor.h"
#include "dialogs/frmDistribParms.h"
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

} // namespace kalvex::test
