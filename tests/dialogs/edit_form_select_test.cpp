// Choosing the dialog of a generator command or distributor program: one
// table of rows (command → dialog) checked row by row, and the editor
// driving the chosen dialog through its members. A new dialog adds its row
// to kRows. Every test puts back the registrations it changes and drops the
// shared dialogs it created.
#include <gtest/gtest.h>

#include "admin/KalvexDistributor.h"
#include "dialogs/frmBNREPParms.h"
#include "dialogs/frmGerberParms.h"
#include "dialogs/frmConfigFileParms.h"
#include "dialogs/frmDRCParms.h"
#include "dialogs/frmDrillParms.h"
#include "dialogs/frmDistribParms.h"
#include "dialogs/frmBNREPNTLParms.h"
#include "dialogs/frmGENIFParms.h"
#include "dialogs/frmGFmanipParms.h"
#include "dialogs/frmParmEdit.h"
#include "dialogs/frmVarsetupParms.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "support/qt_printers.h"
#include "support/sample_parm_form.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

enum class Grid { No, Batch, Normal }; // the grid dialog's mode after the selection

struct SelectRow {
    const char* command;
    const char* form;
    Grid grid;
    void (*release)(); // drops the dialog's shared instance
};

template <class F>
void release()
{
    vbl_formRelease<F>();
}

const SelectRow kRows[] = {
    {"(INTERNAL)Kalvex DXF Output generator", "frmDXFOutParms", Grid::No, release<frmDXFOutParms>},
    {"(INTERNAL)Kalvex planes generator", "frmPlanesParms", Grid::No, release<frmPlanesParms>},
    {"(INTERNAL)Kalvex ODBG Generator", "frmODBGParms", Grid::No, release<frmODBGParms>},
    {"(INTERNAL)Kalvex batchfile Generator", "frmParmEdit", Grid::Batch, release<frmParmEdit>},
    {"${KVX_TOOLS}\\outgen.exe", "frmParmEdit", Grid::Normal, release<frmParmEdit>},
    {"", "frmParmEdit", Grid::Normal, release<frmParmEdit>},
    {"(INTERNAL)Kalvex NC Drill Generator", "frmDrillParms", Grid::No, release<frmDrillParms>},
    {"(INTERNAL)Kalvex DRC generator", "frmDRCParms", Grid::No, release<frmDRCParms>},
    {"(INTERNAL)Kalvex Distributor", "frmDistribParms", Grid::No, release<frmDistribParms>},
    {"(INTERNAL)Kalvex PCB Design Manipulations", "frmVarsetupParms", Grid::No, release<frmVarsetupParms>},
    {"(INTERNAL)Kalvex Gerber Generator", "frmGerberParms", Grid::No, release<frmGerberParms>},
    {"(INTERNAL)Kalvex Report Writer Generator", "frmBNREPParms", Grid::No, release<frmBNREPParms>},
    {"(INTERNAL)Kalvex Report Writer netlister", "frmBNREPNTLParms", Grid::No, release<frmBNREPNTLParms>},
    {"(INTERNAL)Kalvex file manipulator", "frmGFmanipParms", Grid::No, release<frmGFmanipParms>},
    {"(INTERNAL)Kalvex General Interfaces", "frmGENIFParms", Grid::No, release<frmGENIFParms>},
};

// A registration that is put back when the test ends.
class ScopedEditForm {
public:
    ScopedEditForm(const QString& command, ParmFormFactory factory)
        : m_command(command)
        , m_before(registerEditForm(command, std::move(factory)))
    {
    }
    ~ScopedEditForm() { registerEditForm(m_command, std::move(m_before)); }

private:
    QString m_command;
    ParmFormFactory m_before;
};

class ScopedDefaultEditForm {
public:
    explicit ScopedDefaultEditForm(ParmFormFactory factory)
        : m_before(registerDefaultEditForm(std::move(factory)))
    {
    }
    ~ScopedDefaultEditForm() { registerDefaultEditForm(std::move(m_before)); }

private:
    ParmFormFactory m_before;
};

class EditFormSelectRow : public ::testing::TestWithParam<SelectRow> {
protected:
    void SetUp() override
    {
        dialogs_install();
        GetParam().release();
    }
    void TearDown() override
    {
        GetParam().release();
        release<frmParmEdit>();
    }
    QString command() const { return QString::fromUtf8(GetParam().command); }
};

void PrintTo(const SelectRow& row, std::ostream* os) { *os << '"' << row.command << "\" -> " << row.form; }

std::string rowName(const ::testing::TestParamInfo<SelectRow>& info)
{
    return std::string(info.param.form) + "_" + std::to_string(info.index);
}

} // namespace

TEST_P(EditFormSelectRow, AnswersTheSharedDialogInAnyLetterCaseWithoutLoadingIt)
{
    const SelectRow& row = GetParam();
    IKalvexParmForm* form = morvObjs_editFormSelect(command());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->formName(), row.form);
    EXPECT_EQ(morvObjs_editFormSelect(command().toUpper()), form);
    EXPECT_EQ(morvObjs_editFormSelect(command().toLower()), form);
    auto* widget = dynamic_cast<VbForm*>(form->formObject());
    ASSERT_NE(widget, nullptr);
    EXPECT_FALSE(widget->isLoaded());
    EXPECT_FALSE(form->formVisible());
    EXPECT_EQ(form->parmsColl(), nullptr);
    if (row.grid != Grid::No) {
        EXPECT_EQ(vbl_formInstance<frmParmEdit>()->batchExeMode(), row.grid == Grid::Batch);
    }
}

TEST_P(EditFormSelectRow, NamesAreNotTrimmed)
{
    for (const QString& name : {" " + command(), command() + " "}) {
        IKalvexParmForm* form = morvObjs_editFormSelect(name);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->formName(), "frmParmEdit") << name.toStdString();
        EXPECT_FALSE(vbl_formInstance<frmParmEdit>()->batchExeMode()) << name.toStdString();
    }
}

TEST_P(EditFormSelectRow, GeneratorsAndDistributorsGetTheDialogForTheirEditor)
{
    auto gen = classCreate_KalvexGenerator();
    gen->setCmdGen("before");
    gen->setCmdGen(command());
    IKalvexParmForm* form = gen->parameters()->editor()->formObj();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->formName(), GetParam().form);
    EXPECT_EQ(form->parmsColl(), gen->parameters());

    auto distributor = classCreate_KalvexDistributor();
    distributor->setDistribExe("before");
    distributor->setDistribExe(command());
    IKalvexParmForm* distribForm = distributor->parameters()->editor()->formObj();
    ASSERT_NE(distribForm, nullptr);
    EXPECT_EQ(distribForm, form); // one shared instance, one table
    EXPECT_EQ(distribForm->parmsColl(), distributor->parameters());
}

INSTANTIATE_TEST_SUITE_P(Rows, EditFormSelectRow, ::testing::ValuesIn(kRows), rowName);

TEST(EditFormSelect, BatchModeLastsUntilASelectionOutsideTheTable)
{
    dialogs_install();
    IKalvexParmForm* batch = morvObjs_editFormSelect("(INTERNAL)KALVEX BATCHFILE GENERATOR");
    ASSERT_NE(batch, nullptr);
    auto* grid = vbl_formInstance<frmParmEdit>();
    EXPECT_TRUE(grid->batchExeMode());
    EXPECT_EQ(morvObjs_editFormSelect("other.exe"), batch);
    EXPECT_FALSE(grid->batchExeMode());
    release<frmParmEdit>();
}

namespace {
class frmFallbackParms : public KalvexParmFormBase {
public:
    frmFallbackParms()
        : KalvexParmFormBase("frmFallbackParms")
    {
    }
};
} // namespace

TEST(EditFormSelect, RegisteredRowsAndDefaultAreChosenAndPutBack)
{
    dialogs_install();
    IKalvexParmForm* gridBefore = morvObjs_editFormSelect("unknown.exe");
    ASSERT_NE(gridBefore, nullptr);
    {
        ScopedEditForm sample("(INTERNAL)Kalvex Sample Generator", [] { return vbl_formInstance<frmSampleParms>(); });
        ScopedDefaultEditForm fallback([] { return vbl_formInstance<frmFallbackParms>(); });
        EXPECT_EQ(editFormChooser(), dialogFormChooser());
        IKalvexParmForm* form = morvObjs_editFormSelect("(internal)KALVEX sample GENERATOR");
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->formName(), "frmSampleParms");
        EXPECT_EQ(morvObjs_editFormSelect("unknown.exe")->formName(), "frmFallbackParms");
        EXPECT_EQ(editFormChooser()->defaultForm()->formName(), "frmFallbackParms");
    }
    EXPECT_EQ(morvObjs_editFormSelect("unknown.exe"), gridBefore);
    EXPECT_EQ(morvObjs_editFormSelect("(INTERNAL)Kalvex Sample Generator"), gridBefore);
    vbl_formRelease<frmSampleParms>();
    vbl_formRelease<frmFallbackParms>();
    release<frmParmEdit>();
}

TEST(EditFormSelect, SettingACommandHandsTheDialogToTheEditorWhichDrivesIt)
{
    dialogs_install();
    ScopedEditForm sample("(INTERNAL)Kalvex Sample Generator", [] { return vbl_formInstance<frmSampleParms>(); });
    auto gen = classCreate_KalvexGenerator();
    gen->setCmdGen("(INTERNAL)Kalvex Sample Generator");
    auto editor = gen->parameters()->editor();
    ASSERT_NE(editor, nullptr);
    IKalvexParmForm* form = editor->formObj();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->formName(), "frmSampleParms");
    EXPECT_EQ(form->parmsColl(), gen->parameters());
    EXPECT_EQ(editor->setInternalValue("GET_HELPTOPIC", {}).toInt(), 22);

    auto* dialog = vbl_formInstance<frmSampleParms>();
    form->loadData(); // what the editor's initialize does for a known dialog
    dialog->textTitle->setText("via editor");
    EXPECT_EQ(editor->persistData(false), 1);
    EXPECT_EQ(gen->parameters()->item("title")->value(false), "via editor");
    editor->setVisible(true);
    EXPECT_TRUE(dialog->isVisible());
    editor->setEnabled(false);
    EXPECT_FALSE(editor->enabled());

    gen.reset(); // the set goes with its generator
    bool flag = false;
    EXPECT_EQ(form->persistData(flag), 0);
    vbl_formRelease<frmSampleParms>();
    release<frmParmEdit>();
}
