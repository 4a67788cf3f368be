// Ways into and out of the console: the grid dialog's double click on
// "Parameters list:", the browse buttons, the dump, closing and reopening.
#include "console_fixture.h"

#include <QFileDialog>
#include <QLineEdit>

#include "admin/KalvexAdministrator.h"
#include "dialogs/frmParmEdit.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "interfaces/IKalvexStorageCtrl.h"
#include "store/model_compare.h"
#include "store/store_test_support.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {
// Every shown control lies inside each container holding it and over none that does not.
void expectControlsInViewAndApart(const VbForm* form)
{
    QList<const QWidget*> shown;
    for (QObject* o : form->controls())
        if (auto* w = qobject_cast<const QWidget*>(o); w && w->isVisible())
            shown << w;
    const auto rectIn = [](const QWidget* w, const QWidget* in) { return QRect(w->mapTo(in, QPoint()), w->size()); };
    for (const QWidget* w : shown) {
        for (const QWidget* p = w->parentWidget(); p && p != form->parentWidget(); p = p->parentWidget())
            EXPECT_TRUE(p->rect().contains(rectIn(w, p))) << qPrintable(w->objectName()) << " not in view";
        for (const QWidget* o : shown)
            EXPECT_TRUE(w >= o || w->isAncestorOf(o) || o->isAncestorOf(w) ||
                        !rectIn(w, form).intersects(rectIn(o, form)))
                << qPrintable(w->objectName()) << " overlaps " << qPrintable(o->objectName());
    }
}
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
    typeInto(console->TextRUVOut, pathIn("out.mra")); // a dump written next clears the failure
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

TEST_F(ConsoleTest, ResizedConsoleKeepsTheTreeAndDumpButtonInsideTheResultFrameAndAllInViewAtItsSmallest)
{
    showConsole();
    const QSize opened = console->size();
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

    loadKeywordFile(demoDatabasePath());
    console->postMessage("A status line of some length", 1);
    console->postMessage("and a second one", 2);
    console->resize(100, 100);
    for (int page : {1, 2}) {
        console->SSTab1->setCurrentIndex(page);
        QApplication::processEvents();
        expectControlsInViewAndApart(console);
    }
    EXPECT_EQ(opened.expandedTo(console->size()), opened) << "its smallest size is no larger than it opens with";
    EXPECT_GE(console->tlistResult->height(), console->infoList->height()) << "room for rows";
}
