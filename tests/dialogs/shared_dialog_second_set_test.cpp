// An open dialog keeps editing the set it shows when a second set of its kind
// (a new generator or distributor, or a clone) takes the shared dialog.
#include <gtest/gtest.h>

#include <QTest>

#include "admin/KalvexAdministrator.h"
#include "admin/KalvexDistributor.h"
#include "dialogs/frmConfigFileParms.h"
#include "dialogs/frmDistribParms.h"
#include "dialogs/parm_edit_fixture.h"
#include "interfaces/IKalvexGenerators.h"
#include "platform/VbOptionButton.h"
#include "support/browser_answer.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

const QString kDxfProgram = QStringLiteral("(INTERNAL)Kalvex DXF Output generator");
const QString kDistributorProgram = QStringLiteral("(INTERNAL)Kalvex Distributor");

enum class Second { Created, Cloned };

std::string secondName(const ::testing::TestParamInfo<Second>& info)
{
    return info.param == Second::Created ? "Created" : "Cloned";
}

IKalvexGeneratorPtr secondGenerator(Second how, const IKalvexGeneratorPtr& first)
{
    auto second = classCreate_KalvexGenerator();
    if (how == Second::Created)
        second->setCmdGen(first->cmdGen(false));
    else
        second->clone(first);
    return second;
}

std::shared_ptr<IKalvexDistributor> secondDistributor(Second how, const std::shared_ptr<IKalvexDistributor>& first)
{
    auto second = classCreate_KalvexDistributor();
    if (how == Second::Created)
        second->setDistribExe(first->distribExe(false));
    else
        second->clone(first);
    return second;
}

template <class Form>
Form* openThrough(const std::shared_ptr<IKalvexGenParmsEditor>& editor)
{
    editor->initialize(true);
    auto* form = dynamic_cast<Form*>(editor->formObj());
    if (form) {
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
    }
    return form;
}

class SecondSetOfAKind : public ::testing::TestWithParam<Second> {
protected:
    void SetUp() override { dialogs_install(); }
    void TearDown() override
    {
        vbl_formRelease<frmDXFOutParms>();
        vbl_formRelease<frmDistribParms>();
    }
};

TEST_P(SecondSetOfAKind, DedicatedDialogWritesTheGeneratorItWasOpenedFor)
{
    auto first = classCreate_KalvexGenerator();
    first->setCmdGen(kDxfProgram);
    first->parameters()->add("title", "mine", PARM_TYPE_SYSTEM);
    const auto firstEditor = first->parameters()->editor();
    auto* form = openThrough<frmDXFOutParms>(firstEditor);
    ASSERT_TRUE(form);
    typeInto(form->textTitle, "typed");
    typeInto(form->textConfigFile, "plot.txt");

    auto second = secondGenerator(GetParam(), first);
    const QStringList secondBefore = parmSnapshot(second->parameters());
    ASSERT_EQ(second->parameters()->editor()->formObj(), form);
    ASSERT_EQ(form->parmsColl(), second->parameters()) << "the shared dialog was handed the second set";

    EXPECT_EQ(firstEditor->persistData(false), 2);
    EXPECT_EQ(parmValue(first->parameters(), "title"), "typed");
    EXPECT_EQ(parmValue(first->parameters(), "dxf_config_file"), "plot.txt");
    EXPECT_EQ(parmSnapshot(second->parameters()), secondBefore);

    // Not loaded yet: the second set's own editor writes nothing into it.
    typeInto(form->textTitle, "again");
    second->parameters()->editor()->persistData(false);
    EXPECT_EQ(parmSnapshot(second->parameters()), secondBefore);

    // Once loaded, the second set is the one edited.
    ASSERT_EQ(openThrough<frmDXFOutParms>(second->parameters()->editor()), form);
    const IKalvexGenParmPtr title = second->parameters()->item("title");
    EXPECT_EQ(form->textTitle->text(), title ? title->value(false) : QString());
    typeInto(form->textTitle, "theirs");
    EXPECT_EQ(second->parameters()->editor()->persistData(false), 1);
    EXPECT_EQ(parmValue(second->parameters(), "title"), "theirs");
    EXPECT_NE(parmValue(first->parameters(), "title"), "theirs");
}

TEST_P(SecondSetOfAKind, BrowseWorksInTheDatabaseOfTheGeneratorShown)
{
    ModalWatchdog dog(20000);
    auto adm = classCreate_KalvexAdministrator();
    auto first = adm->generators()->add("DXF1", "Drawing exchange");
    ASSERT_TRUE(first);
    first->setCmdGen(kDxfProgram);
    auto* form = openThrough<frmDXFOutParms>(first->parameters()->editor());
    ASSERT_TRUE(form);

    // The second generator belongs to no database yet.
    auto second = secondGenerator(GetParam(), first);
    ASSERT_EQ(second->parameters()->editor()->formObj(), form);
    ASSERT_EQ(form->parmsColl(), second->parameters());

    BrowserSeen seen;
    answerBrowser(seen, QString());
    clickWidget(form->browseConfigFile);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.adm, adm) << "the browser works in the shown generator's database";
}

TEST_P(SecondSetOfAKind, DistributorDialogWritesTheDistributorItWasOpenedFor)
{
    auto first = classCreate_KalvexDistributor();
    first->setDistribExe(kDistributorProgram);
    first->parameters()->add("transfer_mode", "copy", PARM_TYPE_SYSTEM); // the destination box enabled
    first->parameters()->add("transfer_destination", "D:\\mine", PARM_TYPE_SYSTEM);
    const auto firstEditor = first->parameters()->editor();
    auto* form = openThrough<frmDistribParms>(firstEditor);
    ASSERT_TRUE(form);
    typeInto(form->textTransferDest, "E:\\typed");
    clickIndicator(form->optCompress[1]);

    auto second = secondDistributor(GetParam(), first);
    const QStringList secondBefore = parmSnapshot(second->parameters());
    ASSERT_EQ(form->parmsColl(), second->parameters());

    EXPECT_EQ(firstEditor->persistData(false), 2);
    EXPECT_EQ(parmValue(first->parameters(), "transfer_destination"), "E:\\typed");
    EXPECT_EQ(parmValue(first->parameters(), "compress_mode"), "one_to_one");
    EXPECT_EQ(parmSnapshot(second->parameters()), secondBefore);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, SecondSetOfAKind, ::testing::Values(Second::Created, Second::Cloned), secondName);

class GridSecondSetOfAKind : public ParmEditTest, public ::testing::WithParamInterface<Second> {};

TEST_P(GridSecondSetOfAKind, GridWritesAndAddsToTheGeneratorItWasOpenedFor)
{
    add("depth", "1");
    ASSERT_TRUE(open());
    editCell(ParmGridCol::Value, rowOf("depth"), "7");

    auto second = secondGenerator(GetParam(), gen);
    const QStringList secondBefore = parmSnapshot(second->parameters());
    ASSERT_EQ(form->parmsColl(), second->parameters());

    // New adds to the set the grid shows.
    clickCell(ParmGridCol::Name, rowOf("depth"));
    click(form->cmdNew);
    EXPECT_EQ(parms->count(), 2);
    EXPECT_EQ(parmSnapshot(second->parameters()), secondBefore);

    EXPECT_GE(editor()->persistData(false), 1);
    EXPECT_EQ(value("depth"), "7");
    EXPECT_EQ(parmSnapshot(second->parameters()), secondBefore);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, GridSecondSetOfAKind, ::testing::Values(Second::Created, Second::Cloned),
                         secondName);

} // namespace
