// A set edited in turn by a dedicated dialog and by the grid dialog, as when
// a command or program is changed and changed back: each sees what the
// other wrote.
#include "dialogs/parm_edit_fixture.h"

#include "admin/KalvexDistributor.h"
#include "dialogs/dedicated_dialog_fixture.h"
#include "dialogs/frmBNREPNTLParms.h"
#include "dialogs/frmDRCParms.h"
#include "dialogs/frmDistribParms.h"
#include "dialogs/frmDrillParms.h"
#include "dialogs/frmGENIFParms.h"
#include "dialogs/frmGFmanipParms.h"
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
        vbl_formRelease<frmGENIFParms>();
        vbl_formRelease<frmGFmanipParms>();
        vbl_formRelease<frmBNREPNTLParms>();
        ParmEditTest::TearDown();
    }
    template <class F>
    F* openDedicated()
    {
        editor()->initialize(true);
        return dynamic_cast<F*>(editor()->formObj());
    }
    int persistEditor() { return editor()->persistData(false); }

    // The grid's turn after a dialog wrote the set: it writes nothing back;
    // then one value edited in the grid.
    void gridTurn(const QString& name, const QString& newValue)
    {
        const QStringList before = parmSnapshot(parms);
        gen->setCmdGen(QStringLiteral("C:\\tools\\outgen.exe"));
        ASSERT_TRUE(open());
        EXPECT_EQ(persist(), 0);
        EXPECT_EQ(parmSnapshot(parms), before);
        editCell(ParmGridCol::Value, rowOf(name), newValue);
        EXPECT_EQ(persist(), 1);
        EXPECT_EQ(value(name), newValue);
    }
    // The dialog's turn after the grid: it loads the edit and writes nothing.
    template <class F>
    F* dedicatedTurn(const QString& command)
    {
        const QStringList before = parmSnapshot(parms);
        gen->setCmdGen(command);
        F* f = openDedicated<F>();
        EXPECT_NE(f, nullptr);
        EXPECT_EQ(persistEditor(), 0);
        EXPECT_EQ(parmSnapshot(parms), before);
        return f;
    }
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

TEST_F(DedicatedGridRoundTrip, GeneralInterfacesAndGrid)
{
    const QString cmd = QStringLiteral("(INTERNAL)Kalvex General Interfaces");
    add("title", "Interfaces", PARM_TYPE_SYSTEM);
    gen->setCmdGen(cmd);
    auto* f = openDedicated<frmGENIFParms>();
    ASSERT_NE(f, nullptr);
    clickIndicator(f->OptNTLType[4]);
    clickIndicator(f->optDevName[2]);
    clickIndicator(f->checkCleanup);
    EXPECT_EQ(persistEditor(), 3);
    gridTurn("if_name", "BetaSoft");
    f = dedicatedTurn<frmGENIFParms>(cmd);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->OptNTLType.selectedIndex(), 1);
    EXPECT_EQ(value("part_labels"), "1");
    EXPECT_EQ(value("clean_layout_dir"), "1");
}

TEST_F(DedicatedGridRoundTrip, FileManipulatorAndGrid)
{
    const QString cmd = QStringLiteral("(INTERNAL)Kalvex file manipulator");
    gen->setCmdGen(cmd);
    auto* f = openDedicated<frmGFmanipParms>();
    ASSERT_NE(f, nullptr);
    clickIndicator(f->OptFmanip[0]);
    typeInto(f->textFromFile, "a.txt");
    typeInto(f->textToFile, "b.txt");
    EXPECT_EQ(persistEditor(), 3);
    gridTurn("operation", "make_dir");
    f = dedicatedTurn<frmGFmanipParms>(cmd);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->OptFmanip.selectedIndex(), 2);
    EXPECT_EQ(value("parm2"), "b.txt");
}

TEST_F(DedicatedGridRoundTrip, ReportWriterNetlisterAndGrid)
{
    const QString cmd = QStringLiteral("(INTERNAL)Kalvex Report Writer netlister");
    gen->setCmdGen(cmd);
    auto* f = openDedicated<frmBNREPNTLParms>();
    ASSERT_NE(f, nullptr);
    clickIndicator(f->OptNTLType[4]);
    clickIndicator(f->checkIPC356Fid);
    EXPECT_EQ(persistEditor(), 2);
    gridTurn("fiducial", "0");
    f = dedicatedTurn<frmBNREPNTLParms>(cmd);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->checkIPC356Fid->value(), 0);
    EXPECT_EQ(f->OptNTLType.selectedIndex(), 4);
}

} // namespace kalvex::test
