// The debug entry object on a hidden, a shown and a closed console, on
// missing objects, and made by its ProgID.
#include "console_fixture.h"

#include "admin/KalvexAdministrator.h"
#include "foundation/progid_registry.h"
#include "generators/KalvexGenerator.h"
#include "generators/KalvexGenerators.h"
#include "interfaces/IKalvexDebugObj.h"
#include "interfaces/IKalvexStorageCtrl.h"
#include "store/store_test_support.h"
#include "tasks/KalvexTask.h"
#include "tasks/KalvexTasks.h"

using namespace kalvex;
using namespace kalvex::test;

class DebugObjTest : public ConsoleTest {
protected:
    void SetUp() override
    {
        ConsoleTest::SetUp();
        debug = createByProgId<IKalvexDebugObj>("kalvexobjs.kalvexdebugobj");
        ASSERT_TRUE(debug);
        gens = classCreate_KalvexGenerators();
        gens->add("A", "First")->parameters()->add("p", "v", PARM_TYPE_SYSTEM);
        gens->add("B", "Second");
    }
    bool untouched() const
    {
        return !console->form_loaded && !console->isVisible() && console->infoList->ListCount() == 0;
    }
    IKalvexDebugObjPtr debug;
    IKalvexGeneratorsPtr gens;
};

TEST_F(DebugObjTest, MissingObjectsDoNothingAndAnswerZero)
{
    EXPECT_EQ(debug->showGenerators(nullptr, "c", true), 0);
    EXPECT_EQ(debug->showGenerator(1, nullptr, "c", true), 0);
    EXPECT_EQ(debug->showParameters(nullptr, "c", true), 0);
    EXPECT_EQ(debug->showAdmindb(nullptr, "c", true, false), 0);
    EXPECT_EQ(debug->showTaskList(nullptr, "c", true, false), 0);
    EXPECT_TRUE(untouched());
    EXPECT_EQ(console->caption(), "Object tester");
}

TEST_F(DebugObjTest, ShowGeneratorsFillsAHiddenConsoleWhichLaterMembersLeaveHidden)
{
    EXPECT_EQ(debug->showGenerators(gens, "ignored", true), 0);
    EXPECT_TRUE(console->form_loaded);
    EXPECT_FALSE(console->isVisible());
    QStringList lines = listLines(console->infoList);
    EXPECT_TRUE(lines.contains("1. First"));
    EXPECT_TRUE(lines.contains("===> (Sys) p                    = v"));

    // showMenu leaves a loaded console alone, so it stays hidden.
    EXPECT_EQ(debug->showGenerator(5, gens->item("B"), "ignored", false), 0);
    EXPECT_FALSE(console->isVisible());
    lines = listLines(console->infoList);
    EXPECT_EQ(lines.filter(QRegularExpression("^\\d+\\. ")), (QStringList{"1. First", "2. Second", "5. Second"}));
    EXPECT_EQ(debug->showMenu(), 0);
    EXPECT_FALSE(console->isVisible());
}

TEST_F(DebugObjTest, MembersShowAnUnloadedConsoleThenEmptyTheListWhenAsked)
{
    EXPECT_EQ(debug->showGenerator(1, gens->item("A"), "c", true), 0);
    EXPECT_TRUE(console->isVisible());
    EXPECT_EQ(console->infoList->List(0), "1. First");

    EXPECT_EQ(debug->showParameters(gens->item("A")->parameters(), "Params of A", true), 0);
    EXPECT_EQ(listLines(console->infoList),
              (QStringList{"Params of A", "-----------", "(Sys) p                    = v"}));
    EXPECT_EQ(debug->showParameters(gens->item("A")->parameters(), "", false), 0);
    EXPECT_EQ(console->infoList->ListCount(), 4);
}

TEST_F(DebugObjTest, ShowAdmindbClearsOrAppendsTheTree)
{
    auto adm = loadDemoDatabase();
    console->infoList->AddItem("old line");
    EXPECT_EQ(debug->showAdmindb(adm, "Host database", true, false), 0);
    EXPECT_TRUE(console->isVisible());
    EXPECT_EQ(console->caption(), "Host database");
    EXPECT_EQ(console->infoList->ListCount(), 0);
    EXPECT_EQ(console->shownAdmObj(), adm);
    const int rows = console->tlistResult->ListCount();
    EXPECT_GT(rows, 0);
    EXPECT_TRUE(treeShows(console->tlistResult, "Gerber photoplots"));

    console->infoList->AddItem("kept line");
    EXPECT_EQ(debug->showAdmindb(adm, "Again", false, false), 0);
    EXPECT_EQ(console->tlistResult->ListCount(), 2 * rows);
    EXPECT_EQ(listLines(console->infoList), QStringList{"kept line"});
}

TEST_F(DebugObjTest, ClosedConsoleComesBackFreshAndInitializeUnloadsIt)
{
    EXPECT_EQ(debug->showMenu(), 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(console));
    const auto firstAdm = console->admObj();
    ASSERT_TRUE(firstAdm);
    debug->showGenerator(1, gens->item("A"), "", false);
    console->close();
    EXPECT_FALSE(console->form_loaded);
    EXPECT_FALSE(console->admObj());

    debug->showGenerator(2, gens->item("B"), "", false);
    EXPECT_TRUE(console->isVisible());
    EXPECT_TRUE(console->admObj());
    EXPECT_NE(console->admObj(), firstAdm);
    EXPECT_EQ(console->infoList->List(0), "2. Second");

    debug->initialize();
    EXPECT_FALSE(console->form_loaded);
    EXPECT_FALSE(console->isVisible());
    EXPECT_EQ(debug->showMenu(), 0);
    EXPECT_TRUE(console->isVisible());
    EXPECT_TRUE(console->form_loaded);
    EXPECT_EQ(console->infoList->ListCount(), 0);
}

TEST_F(DebugObjTest, EditFormIsTheConsoleNeitherLoadedNorShown)
{
    vbl_formRelease<frmObjectTest>();
    QObject* form = debug->editForm();
    console = qobject_cast<frmObjectTest*>(form);
    ASSERT_TRUE(console);
    EXPECT_EQ(console, vbl_formInstance<frmObjectTest>());
    EXPECT_FALSE(console->form_loaded);
    EXPECT_FALSE(console->isVisible());
    // Through it a host reaches the public operations.
    console->generatorsToListBox(gens, true);
    EXPECT_EQ(console->infoList->List(0), "1. First");
}

TEST_F(DebugObjTest, InitializeCreatesAConsoleWhenNoneExists)
{
    vbl_formRelease<frmObjectTest>();
    debug->initialize();
    ASSERT_TRUE(vbl_formExists<frmObjectTest>());
    console = vbl_formInstance<frmObjectTest>();
    EXPECT_FALSE(console->form_loaded);
}

TEST_F(DebugObjTest, ShowTaskListShowsTheTasksUnderTheCaption)
{
    auto tasks = classCreate_KalvexTasks();
    auto task = classCreate_KalvexTask();
    task->setId("T1");
    tasks->add(task);
    EXPECT_EQ(debug->showTaskList(tasks, "Tasks of job", true, false), 0);
    EXPECT_TRUE(console->isVisible());
    EXPECT_EQ(console->caption(), "Tasks of job");
    EXPECT_GT(console->tlistResult->ListCount(), 0);
    EXPECT_TRUE(console->tlistResult->Redraw());

    // "Show modifications only" forces the caller's flag on.
    bool onlyModified = false;
    console->showTaskList("x", tasks, false, onlyModified);
    EXPECT_FALSE(onlyModified);
    console->CheckOnlyMod->setValue(1);
    console->showTaskList("x", tasks, false, onlyModified);
    EXPECT_TRUE(onlyModified);
    onlyModified = false;
    console->showTaskList("x", nullptr, false, onlyModified);
    EXPECT_TRUE(onlyModified);
    EXPECT_EQ(console->caption(), "x");
}
