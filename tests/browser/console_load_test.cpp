// The console's keyword-file and job-preference loads as a user runs them:
// typed file names, the Load buttons, "Defaults file" and "Show
// modifications only", the messages for missing files.
#include "console_fixture.h"

#include <QThread>

#include "admin/KalvexAdministrator.h"
#include "interfaces/IKalvexGenerators.h"
#include "interfaces/IKalvexStorageCtrl.h"
#include "store/store_test_support.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

double shownLoadTime(const frmObjectTest* console, bool* ok)
{
    const QString caption = console->timeLabel->caption();
    *ok = caption.startsWith("Load time : ");
    bool number = false;
    const double seconds = caption.mid(12).toDouble(&number);
    *ok = *ok && number;
    return seconds;
}

// A database holding one generator only, written as a keyword file.
QString writeOneGeneratorDb(const QString& path)
{
    auto adm = classCreate_KalvexAdministrator();
    adm->generators()->add("ONLY", "Only generator");
    EXPECT_EQ(saveTo(adm, path).status, STORAGE_OK);
    return path;
}

} // namespace

TEST_F(ConsoleTest, TypedFileIsLoadedIntoTheTreeWithItsLoadTime)
{
    loadKeywordFile(demoDatabasePath());
    EXPECT_GT(console->tlistResult->ListCount(), 20);
    EXPECT_TRUE(treeShows(console->tlistResult, "Gerber photoplots"));
    EXPECT_EQ(console->caption(), "Object test - demo.mra");
    bool ok = false;
    const double seconds = shownLoadTime(console, &ok);
    EXPECT_TRUE(ok) << console->timeLabel->caption().toStdString();
    EXPECT_GE(seconds, 0.0);
    EXPECT_LT(seconds, 30.0);
    EXPECT_TRUE(console->cmdLoadGenRUV->isEnabled());
    EXPECT_EQ(console->lastLoadCmd(), "cmdLoadGenRUV");
    EXPECT_EQ(console->lastLoadStatus(), STORAGE_OK) << console->lastLoadError().toStdString();
    ASSERT_TRUE(console->admObj());
    EXPECT_EQ(console->shownAdmObj(), console->admObj());
    EXPECT_EQ(console->admObj()->messagesObj(), console);
    // As the loaded objects' message object it writes to its status lines.
    console->postMessage("Reading generators", 2);
    EXPECT_EQ(console->mess2->caption(), "Reading generators");

    auto reference = classCreate_KalvexAdministrator();
    ASSERT_EQ(loadFrom(reference, demoDatabasePath(), SOURCE_ID_ADMIN_DB).status, STORAGE_OK);
    EXPECT_EQ(console->admObj()->generators()->count(), reference->generators()->count());
}

TEST_F(ConsoleTest, EachLoadEmptiesTheDatabaseFirst)
{
    loadKeywordFile(demoDatabasePath());
    const auto adm = console->admObj();
    loadKeywordFile(writeOneGeneratorDb(pathIn("one.mra")));
    EXPECT_EQ(console->admObj(), adm) << "every load reads into the console's own database";
    EXPECT_EQ(adm->generators()->count(), 1);
    EXPECT_TRUE(treeShows(console->tlistResult, "Only generator"));
    EXPECT_FALSE(treeShows(console->tlistResult, "Gerber photoplots"));
}

TEST_F(ConsoleTest, DefaultsFileCheckBoxReloadsWithTheDefaultsFlag)
{
    loadKeywordFile(demoDatabasePath());
    ASSERT_EQ(console->lastLoadStatus(), STORAGE_OK);
    EXPECT_FALSE(console->admObj()->defaultsObjectFlag());
    // A generator added since the load is gone after the reload.
    console->admObj()->generators()->add("EXTRA", "Added since");
    clickIndicator(console->CheckDefaults);
    EXPECT_TRUE(console->admObj()->defaultsObjectFlag());
    EXPECT_FALSE(console->admObj()->generators()->exists("EXTRA"));
    EXPECT_TRUE(treeShows(console->tlistResult, "Gerber photoplots"));
    clickIndicator(console->CheckDefaults);
    EXPECT_FALSE(console->admObj()->defaultsObjectFlag());
}

TEST_F(ConsoleTest, ShowModificationsOnlyRedrawsTheShownDatabaseAndKeepsTheCaption)
{
    loadKeywordFile(demoDatabasePath());
    const int allRows = console->tlistResult->ListCount();
    console->showAdminDB("Demo database", console->admObj(), true, false); // as a host names it
    const auto gerber = console->admObj()->generators()->item("GERBER");
    ASSERT_TRUE(gerber);
    gerber->setDescription("Edited");

    clickIndicator(console->CheckOnlyMod);
    EXPECT_LT(console->tlistResult->ListCount(), allRows);
    EXPECT_TRUE(treeShows(console->tlistResult, "Gerber photoplots"));
    EXPECT_FALSE(treeShows(console->tlistResult, "NC drill"));
    EXPECT_EQ(console->caption(), "Demo database");

    // Everything again (the edit may add a row of its own).
    clickIndicator(console->CheckOnlyMod);
    EXPECT_GE(console->tlistResult->ListCount(), allRows);
    EXPECT_TRUE(treeShows(console->tlistResult, "NC drill"));
}

TEST_F(ConsoleTest, ShowModificationsOnlyWithNothingLoadedDoesNothing)
{
    showConsole();
    clickIndicator(console->CheckOnlyMod);
    EXPECT_EQ(console->tlistResult->ListCount(), 0);
    EXPECT_EQ(console->lastLoadCmd(), "");
    EXPECT_EQ(console->timeLabel->caption(), "Load time : ");
}

TEST_F(ConsoleTest, MissingFilesGiveTheirMessageBoxesAndLeaveTheButtonsEnabled)
{
    auto box = answerMessageBox("OK");
    loadKeywordFile(pathIn("missing.mra"));
    EXPECT_TRUE(box->ran);
    EXPECT_EQ(box->title, "Opening RUV file");
    EXPECT_EQ(box->text, "Could not open file");
    EXPECT_TRUE(console->cmdLoadGenRUV->isEnabled());
    EXPECT_EQ(console->tlistResult->ListCount(), 0);
    EXPECT_FALSE(console->shownAdmObj());

    // A directory is no keyword file either.
    auto dirBox = answerMessageBox("OK");
    loadKeywordFile(dir.path());
    EXPECT_EQ(dirBox->text, "Could not open file");

    auto jobBox = answerMessageBox("OK");
    loadJobPrefs(pathIn("missing.ruv"));
    EXPECT_TRUE(jobBox->ran);
    EXPECT_EQ(jobBox->title, "Opening RUV file");
    EXPECT_EQ(jobBox->text, "Could not job preferences");
    EXPECT_TRUE(console->cmdLoadJprefs->isEnabled());
    EXPECT_EQ(console->timeLabel->caption(), "Load time : 0");
    EXPECT_EQ(console->lastLoadCmd(), "cmdLoadJprefs");
}

TEST_F(ConsoleTest, FaultyFileShowsWhatWasReadReportsTheFaultAndReenablesLoad)
{
    QByteArray content = readAllOf(demoDatabasePath());
    const int cut = content.indexOf("Section \"Generators\"");
    ASSERT_GT(cut, 0);
    content.insert(cut, "this line is no keyword line \"\n");
    loadKeywordFile(writeFile("faulty.mra", content));
    EXPECT_EQ(console->caption(), "Object tester") << "no file's content shown";
    EXPECT_NE(console->lastLoadStatus(), STORAGE_OK);
    EXPECT_FALSE(console->lastLoadError().isEmpty());
    EXPECT_TRUE(console->mess1->caption().startsWith("Load failed: ")) << console->mess1->caption().toStdString();
    EXPECT_TRUE(console->cmdLoadGenRUV->isEnabled());
    EXPECT_EQ(console->shownAdmObj(), console->admObj());

    // Not a database at all: the tree and the title keep the file loaded before.
    loadKeywordFile(demoDatabasePath());
    loadKeywordFile(writeFile("garbage.mra", "\x01\x02 garbage\n"));
    EXPECT_TRUE(treeShows(console->tlistResult, "Gerber photoplots"));
    EXPECT_EQ(console->caption(), "Object test - demo.mra");
    EXPECT_NE(console->lastLoadStatus(), STORAGE_OK);
    EXPECT_TRUE(console->cmdLoadGenRUV->isEnabled());
}

TEST_F(ConsoleTest, EachLoadReplacesTheStatusLineOfTheLoadBefore)
{
    for (const bool prefs : {false, true}) {
        const QString good = prefs ? demoJobPrefsPath() : demoDatabasePath();
        const QByteArray text = readAllOf(good);
        const auto load = [&](const QString& path) { prefs ? loadJobPrefs(path) : loadKeywordFile(path); };
        load(writeFile(prefs ? "short.ruv" : "short.mra", text.left(text.lastIndexOf("End"))));
        ASSERT_TRUE(console->mess1->caption().startsWith("Load failed: "));
        load(good);
        EXPECT_EQ(console->mess1->caption(), "");
    }
    console->postMessage("Load failed: earlier", 1); // also cleared by a load stopping at its message box
    auto box = answerMessageBox("OK");
    loadKeywordFile(pathIn("missing.mra"));
    EXPECT_TRUE(box->ran);
    EXPECT_EQ(console->mess1->caption(), "");
}

TEST_F(ConsoleTest, ClicksMadeDuringALoadStartNothingOnceItEnds)
{
    showConsole();
    console->TextRUVOut->setText(pathIn("dump.mra"));
    // As the load disables Load, the user clicks every control that starts
    // one; the clicks wait in the queue until the load is over.
    struct User : QObject {
        QList<QAbstractButton*> starters;
        int loads = 0;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::EnabledChange && !static_cast<QWidget*>(o)->isEnabled()) {
                ++loads;
                for (QAbstractButton* b : starters)
                    queueClick(b, QPoint(6, b->height() / 2), lastClickMadeAt() + 1);
                QThread::msleep(20); // the load goes on a while after those clicks
            }
            return false;
        }
    } user;
    user.starters = {console->cmdLoadGenRUV, console->CheckDefaults, console->CheckOnlyMod, console->cmdRUVOut};
    console->cmdLoadGenRUV->installEventFilter(&user);
    loadKeywordFile(demoDatabasePath());
    QTest::qWait(50);
    console->cmdLoadGenRUV->removeEventFilter(&user);
    EXPECT_EQ(user.loads, 1);
    EXPECT_EQ(console->CheckDefaults->value() + console->CheckOnlyMod->value(), 0);
    EXPECT_FALSE(QFile::exists(pathIn("dump.mra"))) << "a queued Dump wrote";
    clickWidget(console->cmdRUVOut);
    EXPECT_TRUE(QFile::exists(pathIn("dump.mra"))) << "a click made afterwards acts";
}

TEST_F(ConsoleTest, JobPreferencesReplaceTheTreeUntilShowModificationsOnlyBringsTheDatabaseBack)
{
    loadKeywordFile(demoDatabasePath());
    loadJobPrefs(demoJobPrefsPath());
    EXPECT_EQ(console->lastLoadStatus(), STORAGE_OK) << console->lastLoadError().toStdString();
    EXPECT_TRUE(treeShows(console->tlistResult, "Job preferences"));
    EXPECT_TRUE(treeShows(console->tlistResult, "SILK_TOP"));
    EXPECT_FALSE(treeShows(console->tlistResult, "Gerber photoplots"));
    EXPECT_EQ(console->lastLoadCmd(), "cmdLoadJprefs");
    EXPECT_TRUE(console->cmdLoadJprefs->isEnabled());
    bool ok = false;
    shownLoadTime(console, &ok);
    EXPECT_TRUE(ok);

    EXPECT_EQ(console->caption(), "Object test - demo.ruv");

    clickIndicator(console->CheckOnlyMod);
    EXPECT_FALSE(treeShows(console->tlistResult, "SILK_TOP"));
    clickIndicator(console->CheckOnlyMod);
    EXPECT_TRUE(treeShows(console->tlistResult, "Gerber photoplots"));
    EXPECT_EQ(console->caption(), "Object test - demo.mra");
}

TEST_F(ConsoleTest, AdministrationDatabasePageIsSwitchedOff)
{
    showConsole();
    EXPECT_FALSE(console->SSTab1->TabEnabled(0));
    EXPECT_TRUE(console->SSTab1->TabEnabled(1));
    EXPECT_TRUE(console->SSTab1->TabEnabled(2));
    EXPECT_EQ(console->SSTab1->Tab(), 1);
    EXPECT_TRUE(console->FrameDBSource->isAncestorOf(console->cmdLoadDbFile));
    EXPECT_EQ(console->SSTab1->widget(0), console->FrameDBSource->parentWidget());
}

TEST(ConsoleLoadTime, SpanAcrossMidnightIsCountedForward)
{
    EXPECT_DOUBLE_EQ(objectTest_elapsedSeconds(10.0, 12.5), 2.5);
    EXPECT_DOUBLE_EQ(objectTest_elapsedSeconds(86399.5, 0.25), 0.75);
    EXPECT_DOUBLE_EQ(objectTest_elapsedSeconds(5.0, 5.0), 0.0);
}
