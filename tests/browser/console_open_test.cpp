// Ways into and out of the console: the grid dialog's double click on
// "Parameters list:", the browse buttons, the dump, closing and reopening.
#include "console_fixture.h"

#include <QFileDialog>
#include <QLineEdit>

#include "admin/KalvexAdministrator.h"
#include "kalvex-console/console_start.h"
#include "dialogs/frmParmEdit.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "interfaces/IKalvexStorageCtrl.h"
#include "store/model_compare.h"
#include "store/store_test_support.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

// Where a control shows in the window, or an empty rectangle when part of it
// lies outside the window or outside a container it sits in.
QRect shownRect(const QWidget* window, const QWidget* control)
{
    const QRect inWindow(control->mapTo(window, QPoint(0, 0)), control->size());
    for (const QWidget* p = control->parentWidget(); p; p = p == window ? nullptr : p->parentWidget())
        if (!p->rect().contains(QRect(control->mapTo(p, QPoint(0, 0)), control->size())))
            return {};
    return inWindow;
}

// Every visible control of the form whole in view and none over another
// (a container holds its controls; that is no overlap).
void expectAllControlsShownApart(const VbForm* form)
{
    QList<const QWidget*> shown;
    for (QObject* o : form->controls())
        if (auto* w = qobject_cast<const QWidget*>(o); w && w->isVisible())
            shown << w;
    ASSERT_GT(shown.size(), 15);
    for (const QWidget* w : shown)
        EXPECT_FALSE(shownRect(form, w).isEmpty()) << w->objectName().toStdString() << " is not wholly in view";
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j) {
            const QWidget* a = shown[i];
            const QWidget* b = shown[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            const QRect ra(a->mapTo(form, QPoint(0, 0)), a->size());
            const QRect rb(b->mapTo(form, QPoint(0, 0)), b->size());
            EXPECT_FALSE(ra.intersects(rb)) << a->objectName().toStdString() << " overlaps "
                                            << b->objectName().toStdString();
        }
}

// Runs the test in another working folder and returns to the one before.
class WorkingFolder {
public:
    explicit WorkingFolder(const QString& path) : m_before(QDir::currentPath()) { QDir::setCurrent(path); }
    ~WorkingFolder() { QDir::setCurrent(m_before); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    QString m_before;
};

} // namespace

TEST_F(ConsoleTest, DoubleClickOnTheGridCaptionShowsTheSetInTheConsole)
{
    auto gen = classCreate_KalvexGenerator();
    gen->setId("OUT");
    gen->setName("Output data");
    gen->setCmdGen("C:\\tools\\outgen.exe");
    gen->parameters()->add("units", "mm", PARM_TYPE_SYSTEM);
    gen->parameters()->add("scale", "1.0", PARM_TYPE_USER);
    gen->parameters()->editor()->initialize(true);
    auto* grid = dynamic_cast<frmParmEdit*>(gen->parameters()->editor()->formObj());
    ASSERT_TRUE(grid);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grid));
    console->infoList->AddItem("old line");

    QTest::mouseDClick(grid->parmsCaption, Qt::LeftButton);
    EXPECT_TRUE(console->isVisible());
    EXPECT_EQ(listLines(console->infoList),
              (QStringList{"Output data", "-----------", "(Sys) units                = mm",
                           "(Usr) scale                = 1.0"}));
    // A second double click on a console already shown keeps one window.
    QTest::mouseDClick(grid->parmsCaption, Qt::LeftButton);
    EXPECT_EQ(console->infoList->ListCount(), 4);
    vbl_formRelease<frmParmEdit>();
}

TEST_F(ConsoleTest, BrowseButtonPutsTheChosenFileIntoItsBoxAndCancelKeepsIt)
{
    ModalWatchdog dog;
    const QString chosen = writeFile("picked.mra", "x");
    showConsole();
    typeInto(console->textASCIISource, pathIn("start.RUV"));
    QString title;
    whenModal([&title, chosen](QWidget* w) {
        title = w->windowTitle();
        if (auto* fd = qobject_cast<QFileDialog*>(w)) {
            fd->findChild<QLineEdit*>("fileNameEdit")->setText(chosen);
            acceptModal(fd);
        }
    });
    clickWidget(console->browseASCFile);
    EXPECT_EQ(title, "Select an RUV input file");
    EXPECT_EQ(QDir::fromNativeSeparators(console->textASCIISource->text()), chosen);

    console->SSTab1->setCurrentIndex(2);
    typeInto(console->textJprefs, "keep.ruv");
    auto cancelled = whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    clickWidget(console->browseJprefs);
    EXPECT_TRUE(cancelled->ran);
    EXPECT_EQ(console->textJprefs->text(), "keep.ruv");
}

TEST_F(ConsoleTest, DumpWritesTheShownDatabaseWhichLoadsBackTheSame)
{
    loadKeywordFile(demoDatabasePath());
    const QString out = writeFile("dump.mra", "an existing file is replaced");
    typeInto(console->TextRUVOut, "  " + out + " ");
    clickWidget(console->cmdRUVOut);

    auto dumped = classCreate_KalvexAdministrator();
    ASSERT_EQ(loadFrom(dumped, out, SOURCE_ID_ADMIN_DB).status, STORAGE_OK);
    expectSameAdmin(loadDemoDatabase(), dumped);
    EXPECT_EQ(console->mess1->caption(), "");
}

TEST_F(ConsoleTest, DumpLeavesTheChangeCountsOfAHostDatabase)
{
    auto host = loadDemoDatabase();
    auto gerber = host->generators()->item("GERBER");
    ASSERT_TRUE(gerber);
    gerber->setDescription("Edited, not saved");
    const int dbCount = host->modified();
    const int genCount = gerber->modified();
    ASSERT_GT(genCount, 0);
    console->showAdminDB("Host", host, true, false);
    showConsole();
    typeInto(console->TextRUVOut, pathIn("host.mra"));
    clickWidget(console->cmdRUVOut);

    EXPECT_EQ(host->modified(), dbCount);
    EXPECT_EQ(gerber->modified(), genCount);
    auto dumped = classCreate_KalvexAdministrator();
    ASSERT_EQ(loadFrom(dumped, pathIn("host.mra"), SOURCE_ID_ADMIN_DB).status, STORAGE_OK);
    ASSERT_TRUE(dumped->generators()->item("GERBER"));
    EXPECT_EQ(dumped->generators()->item("GERBER")->description(), "Edited, not saved");
}

TEST_F(ConsoleTest, DumpWithoutAShownDatabaseWritesNothingAndAFailedOneSaysSo)
{
    showConsole();
    typeInto(console->TextRUVOut, pathIn("none.mra"));
    clickWidget(console->cmdRUVOut);
    EXPECT_FALSE(QFile::exists(pathIn("none.mra")));

    loadKeywordFile(demoDatabasePath());
    typeInto(console->TextRUVOut, pathIn("no/such/dir/out.mra"));
    clickWidget(console->cmdRUVOut);
    EXPECT_TRUE(console->mess1->caption().startsWith("Dump failed: ")) << console->mess1->caption().toStdString();

    // The next dump, written, takes the failure off the status line.
    typeInto(console->TextRUVOut, pathIn("out.mra"));
    clickWidget(console->cmdRUVOut);
    EXPECT_TRUE(QFile::exists(pathIn("out.mra")));
    EXPECT_EQ(console->mess1->caption(), "");
    typeInto(console->TextRUVOut, "");
    clickWidget(console->cmdRUVOut);
    EXPECT_TRUE(console->mess1->caption().startsWith("Dump failed: "));
    typeInto(console->TextRUVOut, pathIn("out.mra"));
    clickWidget(console->cmdRUVOut);
    EXPECT_EQ(console->mess1->caption(), "");
}

TEST_F(ConsoleTest, ClosingAndReopeningStartsWithAFreshDatabaseAndEmptyLists)
{
    loadKeywordFile(demoDatabasePath());
    console->infoList->AddItem("line");
    const auto first = console->admObj();
    console->close();
    EXPECT_FALSE(console->form_loaded);
    EXPECT_FALSE(console->shownAdmObj());

    showConsole();
    EXPECT_TRUE(console->form_loaded);
    ASSERT_TRUE(console->admObj());
    EXPECT_NE(console->admObj(), first);
    EXPECT_EQ(console->admObj()->generators()->count(), 0);
    EXPECT_EQ(console->tlistResult->ListCount(), 0);
    EXPECT_EQ(console->infoList->ListCount(), 0);
    EXPECT_EQ(console->timeLabel->caption(), "Load time : ");
    // "Show modifications only" has nothing to redraw or repeat.
    clickIndicator(console->CheckOnlyMod);
    EXPECT_EQ(console->tlistResult->ListCount(), 0);
}

TEST_F(ConsoleTest, ResizedConsoleKeepsTheTreeAndDumpButtonInsideTheResultFrame)
{
    showConsole();
    console->resize(900, 700);
    QApplication::processEvents();
    const double frameWidth = vb::width(console->frameResult);
    EXPECT_DOUBLE_EQ(frameWidth, vb::scaleWidth(console) - 2 * vb::left(console->frameResult));
    EXPECT_DOUBLE_EQ(vb::top(console->cmdRUVOut),
                     vb::height(console->frameResult) - vb::height(console->cmdRUVOut) - 130);
    EXPECT_DOUBLE_EQ(vb::top(console->TextRUVOut), vb::top(console->cmdRUVOut));
    EXPECT_DOUBLE_EQ(vb::width(console->tlistResult), frameWidth - 2 * vb::left(console->tlistResult));
    EXPECT_DOUBLE_EQ(vb::height(console->tlistResult),
                     vb::top(console->cmdRUVOut) - vb::top(console->tlistResult) - 65);
    EXPECT_LE(vb::top(console->frameResult) + vb::height(console->frameResult), vb::top(console->mess1));
}

TEST_F(ConsoleTest, AtItsSmallestSizeEveryControlStaysInViewAndApart)
{
    loadKeywordFile(demoDatabasePath());
    expectAllControlsShownApart(console);
    const QSize smallest = console->minimumSize();
    // The default size is usable.
    EXPECT_LE(smallest.width(), 720);
    EXPECT_LE(smallest.height(), 600);
    for (const QSize asked : {QSize(600, 450), QSize(400, 300), QSize(100, 100), QSize(0, 0)}) {
        console->resize(asked);
        QApplication::processEvents();
        EXPECT_EQ(console->size(), smallest.expandedTo(asked)) << asked.width() << "x" << asked.height();
    }
    ASSERT_EQ(console->size(), smallest);
    console->postMessage("A status line of some length", 1);
    console->postMessage("and a second one", 2);
    expectAllControlsShownApart(console);
    // The tree keeps room for rows.
    EXPECT_GE(console->tlistResult->height(), console->infoList->height());
    console->SSTab1->setCurrentIndex(2);
    QApplication::processEvents();
    expectAllControlsShownApart(console);
}

TEST_F(ConsoleTest, ProgramStartNamesBothFilesInFullSoThatEachPageLoadsFromAnyFolder)
{
    {
        const WorkingFolder source(KALVEX_SOURCE_DIR);
        const console::ConsoleStart start = console::startConsole(console, "examples/demo.mra", "examples/demo.ruv");
        EXPECT_TRUE(start.loaded);
        EXPECT_EQ(start.failure, "");
    }
    EXPECT_EQ(QFileInfo(console->textASCIISource->text()), QFileInfo(demoDatabasePath()));
    EXPECT_EQ(QFileInfo(console->textJprefs->text()), QFileInfo(demoJobPrefsPath()));
    EXPECT_EQ(console->mess1->caption(), "");

    const WorkingFolder elsewhere(dir.path());
    showConsole();
    console->SSTab1->setCurrentIndex(2);
    clickWidget(console->cmdLoadJprefs);
    EXPECT_EQ(console->lastLoadStatus(), STORAGE_OK) << console->lastLoadError().toStdString();
    EXPECT_TRUE(treeShows(console->tlistResult, "SILK_TOP"));
}

TEST_F(ConsoleTest, ProgramStartOnABadFileLeavesItsNameInTheBoxAndTheReasonOnTheStatusLine)
{
    auto box = answerMessageBox("OK", 300);
    const QString missing = pathIn("missing.mra");
    const console::ConsoleStart start = console::startConsole(console, missing, demoJobPrefsPath());
    EXPECT_FALSE(start.loaded);
    EXPECT_EQ(start.failure, missing + ": no such file");
    EXPECT_FALSE(box->ran) << "a message box before the window";
    EXPECT_EQ(console->textASCIISource->text(), missing);
    EXPECT_EQ(console->mess1->caption(), "Load failed: " + missing + ": no such file");
    EXPECT_EQ(console->tlistResult->ListCount(), 0);
    // Corrected in the box, it loads.
    showConsole();
    typeInto(console->textASCIISource, demoDatabasePath());
    clickWidget(console->cmdLoadGenRUV);
    EXPECT_EQ(console->lastLoadStatus(), STORAGE_OK);
    EXPECT_EQ(console->mess1->caption(), "");

    const QString broken = writeFile("broken.mra", "ADMIN_DB 1\nSection \"Generators\"\n.Generator \"G\n");
    const console::ConsoleStart brokenStart = console::startConsole(console, broken, demoJobPrefsPath());
    EXPECT_FALSE(brokenStart.loaded);
    EXPECT_TRUE(brokenStart.failure.contains("not a valid administration database"));
    EXPECT_EQ(console->textASCIISource->text(), broken);
    EXPECT_TRUE(console->mess1->caption().startsWith("Load failed: ")) << console->mess1->caption().toStdString();

    const QString noPrefs = pathIn("missing.ruv");
    const console::ConsoleStart prefsStart = console::startConsole(console, demoDatabasePath(), noPrefs);
    EXPECT_TRUE(prefsStart.loaded);
    EXPECT_EQ(prefsStart.failure, noPrefs + ": no such file");
    EXPECT_EQ(console->mess1->caption(), "");
    EXPECT_EQ(console->mess2->caption(), "Job preferences: " + noPrefs + ": no such file");
}
