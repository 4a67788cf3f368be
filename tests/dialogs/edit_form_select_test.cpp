// Choosing the dialog of a generator command, and the editor driving the
// chosen dialog through its members.
#include <gtest/gtest.h>

#include <memory>

#include "dialogs/morvObjs_editFormSelect.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "support/qt_printers.h"
#include "support/sample_parm_form.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {
class frmFallbackParms : public KalvexParmFormBase {
public:
    frmFallbackParms()
        : KalvexParmFormBase("frmFallbackParms")
    {
    }
};

// Puts the dialog table back as it was when it goes out of scope.
class TableRestorer {
public:
    ~TableRestorer() { setEditFormTable(m_saved); }

private:
    EditFormTable m_saved = editFormTable();
};

[[nodiscard]] std::unique_ptr<TableRestorer> registerSampleTable()
{
    auto restorer = std::make_unique<TableRestorer>();
    dialogs_install();
    registerEditForm("(INTERNAL)Kalvex Sample Generator", [] { return vbl_formInstance<frmSampleParms>(); });
    registerDefaultEditForm([] { return vbl_formInstance<frmFallbackParms>(); });
    return restorer;
}
} // namespace

TEST(EditFormSelect, LowerCasedWholeNamesElseTheDefaultDialog)
{
    const auto restore = registerSampleTable();
    EXPECT_EQ(editFormChooser(), dialogFormChooser());
    IKalvexParmForm* sample = morvObjs_editFormSelect("(internal)KALVEX sample GENERATOR");
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->formName(), "frmSampleParms");
    EXPECT_EQ(sample, morvObjs_editFormSelect("(INTERNAL)Kalvex Sample Generator")); // one shared instance
    EXPECT_EQ(morvObjs_editFormSelect(" (INTERNAL)Kalvex Sample Generator")->formName(), "frmFallbackParms");
    EXPECT_EQ(morvObjs_editFormSelect("")->formName(), "frmFallbackParms");
    EXPECT_EQ(editFormChooser()->defaultForm()->formName(), "frmFallbackParms");
    EXPECT_FALSE(sample->formVisible()); // chosen, not shown
    vbl_formRelease<frmSampleParms>();
    vbl_formRelease<frmFallbackParms>();
}

TEST(EditFormSelect, SettingACommandHandsTheDialogToTheEditorWhichDrivesIt)
{
    const auto restore = registerSampleTable();
    auto gen = classCreate_KalvexGenerator();
    gen->setCmdGen("(INTERNAL)Kalvex Sample Generator");
    auto editor = gen->parameters()->editor();
    ASSERT_NE(editor, nullptr);
    IKalvexParmForm* form = editor->formObj();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->formName(), "frmSampleParms");
    EXPECT_EQ(form->parmsColl(), gen->parameters());
    EXPECT_EQ(editor->setInternalValue("GET_HELPTOPIC", {}).toInt(), 22);

    auto* sample = vbl_formInstance<frmSampleParms>();
    form->loadData(); // what the editor's initialize does for a known dialog
    sample->textTitle->setText("via editor");
    EXPECT_EQ(editor->persistData(false), 1);
    EXPECT_EQ(gen->parameters()->item("title")->value(false), "via editor");
    editor->setVisible(true);
    EXPECT_TRUE(sample->isVisible());
    editor->setEnabled(false);
    EXPECT_FALSE(editor->enabled());

    gen.reset(); // the set goes with its generator
    bool flag = false;
    EXPECT_EQ(form->persistData(flag), 0);
    vbl_formRelease<frmSampleParms>();
    vbl_formRelease<frmFallbackParms>();
}
