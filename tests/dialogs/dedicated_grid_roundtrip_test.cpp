// One parameter set edited by turns in a dedicated dialog and in the grid
// dialog loses nothing: what one wrote, the other loads and leaves alone.
#include "dialogs/parm_edit_fixture.h"

#include "dialogs/dedicated_fixture.h"

#include "dialogs/frmBNREPNTLParms.h"
#include "dialogs/frmGENIFParms.h"
#include "dialogs/frmGFmanipParms.h"
#include "platform/VbCheckBox.h"
#include "support/modal_driver.h"

namespace kalvex::test {

namespace {
class DedicatedGridRoundTrip : public ParmEditTest {
protected:
    void TearDown() override
    {
        vbl_formRelease<frmGENIFParms>();
        vbl_formRelease<frmGFmanipParms>();
        vbl_formRelease<frmBNREPNTLParms>();
        ParmEditTest::TearDown();
    }

    // The dedicated dialog of `command`, loaded and shown by the editor.
    template <class Form>
    Form* openDedicated(const QString& command)
    {
        gen->setCmdGen(command);
        editor()->initialize(true);
        return dynamic_cast<Form*>(editor()->formObj());
    }
    int persistDedicated()
    {
        bool flag = false;
        return editor()->formObj()->persistData(flag);
    }
    // The grid's turn: it loads what the dialog wrote and writes nothing
    // back; then one value edited in the grid.
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
    // The dialog's second turn: it loads the grid's edit and writes nothing.
    template <class Form>
    Form* dedicatedTurn(const QString& command)
    {
        const QStringList before = parmSnapshot(parms);
        Form* f = openDedicated<Form>(command);
        EXPECT_NE(f, nullptr);
        EXPECT_EQ(persistDedicated(), 0);
        EXPECT_EQ(parmSnapshot(parms), before);
        return f;
    }
};
} // namespace

TEST_F(DedicatedGridRoundTrip, GeneralInterfaces)
{
    const QString cmd = QStringLiteral("(INTERNAL)Kalvex General Interfaces");
    add("title", "Interfaces", PARM_TYPE_SYSTEM);
    auto* f = openDedicated<frmGENIFParms>(cmd);
    ASSERT_NE(f, nullptr);
    clickIndicator(f->OptNTLType[4]);
    clickIndicator(f->optDevName[2]);
    clickIndicator(f->checkCleanup);
    EXPECT_EQ(persistDedicated(), 3);
    gridTurn("if_name", "BetaSoft");
    f = dedicatedTurn<frmGENIFParms>(cmd);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->OptNTLType.selectedIndex(), 1);
    EXPECT_EQ(value("part_labels"), "1");
    EXPECT_EQ(value("clean_layout_dir"), "1");
}

TEST_F(DedicatedGridRoundTrip, FileManipulator)
{
    const QString cmd = QStringLiteral("(INTERNAL)Kalvex file manipulator");
    auto* f = openDedicated<frmGFmanipParms>(cmd);
    ASSERT_NE(f, nullptr);
    clickIndicator(f->OptFmanip[0]);
    typeInto(f->textFromFile, "a.txt");
    typeInto(f->textToFile, "b.txt");
    EXPECT_EQ(persistDedicated(), 3);
    gridTurn("operation", "make_dir");
    f = dedicatedTurn<frmGFmanipParms>(cmd);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->OptFmanip.selectedIndex(), 2);
    EXPECT_EQ(value("parm2"), "b.txt");
}

TEST_F(DedicatedGridRoundTrip, ReportWriterNetlister)
{
    const QString cmd = QStringLiteral("(INTERNAL)Kalvex Report Writer netlister");
    auto* f = openDedicated<frmBNREPNTLParms>(cmd);
    ASSERT_NE(f, nullptr);
    clickIndicator(f->OptNTLType[4]);
    clickIndicator(f->checkIPC356Fid);
    EXPECT_EQ(persistDedicated(), 2);
    gridTurn("fiducial", "0");
    f = dedicatedTurn<frmBNREPNTLParms>(cmd);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->checkIPC356Fid->value(), 0);
    EXPECT_EQ(f->OptNTLType.selectedIndex(), 4);
}

} // namespace kalvex::test
