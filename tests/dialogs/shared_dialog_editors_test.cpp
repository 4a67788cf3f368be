// One dialog is shared by every set of its kind: the editor that initializes
// it makes it load and write that editor's own set, whichever editor bound it
// last (a clone, a second generator of the same kind).
#include <gtest/gtest.h>

#include <QTest>

#include "admin/KalvexDistributor.h"
#include "dialogs/frmConfigFileParms.h"
#include "dialogs/frmDistribParms.h"
#include "dialogs/frmParmEdit.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "dialogs/parm_set_probe.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "platform/VbTextBox.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

const QString kDxfCommand = QStringLiteral("(INTERNAL)Kalvex DXF Output generator");
const QString kDistributor = QStringLiteral("(INTERNAL)Kalvex Distributor");

class SharedDialogEditors : public ::testing::Test {
protected:
    void SetUp() override { dialogs_install(); }
    void TearDown() override
    {
        vbl_formRelease<frmDXFOutParms>();
        vbl_formRelease<frmDistribParms>();
        vbl_formRelease<frmParmEdit>();
    }

    // A generator of the command with one parameter, and its clone whose
    // copy of that parameter holds another value.
    static std::pair<IKalvexGeneratorPtr, IKalvexGeneratorPtr> generatorAndClone(const QString& command,
                                                                                  const QString& key)
    {
        auto original = classCreate_KalvexGenerator();
        original->setCmdGen(command);
        original->parameters()->add(key, QStringLiteral("original"), PARM_TYPE_USER);
        auto copy = classCreate_KalvexGenerator();
        copy->clone(original);
        copy->parameters()->item(key)->setValue(false, QStringLiteral("clone"));
        return {original, copy};
    }
};

TEST_F(SharedDialogEditors, TheOriginalsInitializeLoadsAndWritesItsOwnSetAfterAClone)
{
    auto [original, copy] = generatorAndClone(kDxfCommand, QStringLiteral("title"));
    auto* form = dynamic_cast<frmDXFOutParms*>(original->parameters()->editor()->formObj());
    ASSERT_TRUE(form);
    ASSERT_EQ(form, dynamic_cast<frmDXFOutParms*>(copy->parameters()->editor()->formObj()));

    original->parameters()->editor()->initialize(false);
    EXPECT_EQ(form->parmsColl().get(), original->parameters().get());
    EXPECT_EQ(form->textTitle->text(), "original");

    form->textTitle->setText("typed");
    EXPECT_EQ(original->parameters()->editor()->persistData(false), 1);
    EXPECT_EQ(parmValue(original->parameters(), "title"), "typed");
    EXPECT_EQ(parmValue(copy->parameters(), "title"), "clone");

    // And back: the clone's initialize gives the dialog the clone's set.
    copy->parameters()->editor()->initialize(false);
    EXPECT_EQ(form->textTitle->text(), "clone");
    EXPECT_EQ(form->parmsColl().get(), copy->parameters().get());
}

TEST_F(SharedDialogEditors, TheGridTakesTheBatchModeOfTheGeneratorInitialized)
{
    auto [batch, other] = generatorAndClone(CMD_INTERNAL_BATCHFILE, QStringLiteral("parm1"));
    other->setCmdGen(QStringLiteral("plotter.exe")); // the grid too, out of batch mode
    auto* grid = dynamic_cast<frmParmEdit*>(batch->parameters()->editor()->formObj());
    ASSERT_TRUE(grid);
    ASSERT_EQ(grid, dynamic_cast<frmParmEdit*>(other->parameters()->editor()->formObj()));
    ASSERT_FALSE(grid->batchExeMode());

    batch->parameters()->editor()->initialize(false);
    EXPECT_TRUE(grid->batchExeMode());
    EXPECT_EQ(grid->parmsColl().get(), batch->parameters().get());
    EXPECT_EQ(grid->textBatchfile->text(), "original");

    other->parameters()->editor()->initialize(false);
    EXPECT_FALSE(grid->batchExeMode());
    EXPECT_EQ(grid->parmsColl().get(), other->parameters().get());
}

TEST_F(SharedDialogEditors, TheOriginalDistributorsInitializeLoadsItsOwnSet)
{
    auto original = classCreate_KalvexDistributor();
    original->setDistribExe(kDistributor);
    original->parameters()->add("transfer_destination", "original", PARM_TYPE_USER);
    auto copy = classCreate_KalvexDistributor();
    copy->clone(original);
    copy->parameters()->item("transfer_destination")->setValue(false, "clone");

    original->parameters()->editor()->initialize(false);
    auto* form = dynamic_cast<frmDistribParms*>(original->parameters()->editor()->formObj());
    ASSERT_TRUE(form);
    EXPECT_EQ(form->parmsColl().get(), original->parameters().get());
    EXPECT_EQ(form->textTransferDest->text(), "original");
}

TEST_F(SharedDialogEditors, AnEditorWhoseSetWasReleasedLeavesTheDialogWithoutASet)
{
    auto [original, copy] = generatorAndClone(kDxfCommand, QStringLiteral("title"));
    const std::shared_ptr<IKalvexGenParmsEditor> editor = original->parameters()->editor();
    auto* form = dynamic_cast<frmDXFOutParms*>(editor->formObj());
    ASSERT_TRUE(form);
    original.reset();

    editor->initialize(false);
    EXPECT_FALSE(form->parmsColl()) << "another generator's set is not edited in its place";
    form->textTitle->setText("typed");
    EXPECT_EQ(editor->persistData(false), 0);
    EXPECT_EQ(parmValue(copy->parameters(), "title"), "clone");
}

} // namespace
