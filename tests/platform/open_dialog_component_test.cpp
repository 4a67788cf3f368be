#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

#include "platform/CommonDialogDirect6.h"
#include "platform/OpenDialogWindow.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using kalvex::test::whenModal;

namespace {

void createEmptyFile(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
}

// The list-view index showing name, once the folder has been read.
QModelIndex waitForRow(QListView* view, const QString& name)
{
    QModelIndex found;
    (void)QTest::qWaitFor([&] {
        const QModelIndex root = view->rootIndex();
        for (int r = 0; r < view->model()->rowCount(root); ++r) {
            const QModelIndex i = view->model()->index(r, 0, root);
            if (i.data().toString() == name) {
                found = i;
                return true;
            }
        }
        return false;
    }, 5000);
    return found;
}

void clickRow(QListView* view, const QModelIndex& index, bool twice)
{
    view->scrollTo(index);
    const QPoint p = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, p);
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, p);
}

} // namespace

TEST(OpenDialogComponent, RaisesTheHookEventsAsTheUserBrowses)
{
    kalvex::test::ModalWatchdog dog;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("sub");
    createEmptyFile(dir.filePath("sub/board.gpf"));

    CommonDialogDirect6 cd;
    cd.setDialogTitle("Select file");
    cd.setFilter("All Files(*.*)|*.*");
    cd.setFlags(6144);
    cd.setInitDir(dir.path());
    cd.setEnableHook(true);

    QStringList events;
    QWidget* hook = nullptr;
    bool hookInWindow = false;
    QString pathAfterFile;
    QObject::connect(&cd, &CommonDialogDirect6::InitDialog, [&](QWidget* h) {
        hook = h;
        hookInWindow = openDialogOf(h) == cd.window() && !h->isVisible();
        events << "init";
    });
    QObject::connect(&cd, &CommonDialogDirect6::FolderChange, [&] { events << "folder"; });
    QObject::connect(&cd, &CommonDialogDirect6::FileChange, [&] {
        events << "file";
        pathAfterFile = cd.window()->currentFilePath();
    });
    QObject::connect(&cd, &CommonDialogDirect6::DialogOK, [&](bool* accept) {
        events << "ok";
        *accept = true;
    });
    QObject::connect(&cd, &CommonDialogDirect6::DialogClose, [&] { events << "close"; });

    whenModal([&](QWidget* w) {
        auto* wnd = qobject_cast<OpenDialogWindow*>(w);
        auto* view = wnd->items()->findChild<QListView*>("listView");
        (void)QTest::qWaitFor([&] { return events.contains("folder"); }, 2000);
        clickRow(view, waitForRow(view, "sub"), true);
        (void)QTest::qWaitFor([&] { return events.count("folder") == 2; }, 2000);
        clickRow(view, waitForRow(view, "board.gpf"), false);
        (void)QTest::qWaitFor([&] { return !pathAfterFile.endsWith("sub"); }, 2000);
        auto* edit = wnd->items()->findChild<QLineEdit*>("fileNameEdit");
        QTest::keyClick(edit, Qt::Key_Return);
        if (w->isVisible())
            wnd->cancelCommand();
    });
    EXPECT_TRUE(cd.ShowOpen());
    EXPECT_TRUE(hookInWindow);
    EXPECT_NE(hook, nullptr);
    ASSERT_GE(events.size(), 5);
    EXPECT_EQ(events.mid(0, 2), QStringList({"init", "folder"}));
    EXPECT_EQ(events.count("folder"), 2);
    EXPECT_TRUE(events.contains("file"));
    EXPECT_EQ(events.last(), "close");
    EXPECT_EQ(events[events.size() - 2], "ok");
    const QString chosen = QDir::toNativeSeparators(QDir(dir.path()).absoluteFilePath("sub/board.gpf"));
    EXPECT_EQ(pathAfterFile, chosen);
    EXPECT_EQ(cd.FileName(), chosen);
    EXPECT_EQ(cd.window(), nullptr);
}

TEST(OpenDialogComponent, RefusedOkKeepsTheDialogAndEscapeEndsIt)
{
    kalvex::test::ModalWatchdog dog;
    QTemporaryDir dir;
    createEmptyFile(dir.filePath("a.txt"));
    CommonDialogDirect6 cd;
    cd.setInitDir(dir.path());
    cd.setFileName("a.txt");
    cd.setEnableHook(true);
    int oks = 0, closes = 0;
    QObject::connect(&cd, &CommonDialogDirect6::DialogOK, [&](bool*) { ++oks; });
    QObject::connect(&cd, &CommonDialogDirect6::DialogClose, [&] { ++closes; });
    bool openAfterOk = false;
    whenModal([&](QWidget* w) {
        auto* wnd = qobject_cast<OpenDialogWindow*>(w);
        auto* edit = qobject_cast<QLineEdit*>(wnd->item(ID_EDT1));
        QTest::keyClick(edit, Qt::Key_Return);
        openAfterOk = w->isVisible();
        QTest::keyClick(edit, Qt::Key_Escape);
        if (w->isVisible())
            wnd->cancelCommand();
    });
    EXPECT_FALSE(cd.ShowOpen());
    EXPECT_EQ(oks, 1);
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(closes, 1);
}

TEST(OpenDialogComponent, ItemsAreReachableByTemplateIdentifier)
{
    kalvex::test::ModalWatchdog dog;
    CommonDialogDirect6 cd;
    cd.setFlags(0); // read-only box offered
    QStringList names;
    int toolButtons = 0;
    whenModal([&](QWidget* w) {
        auto* wnd = qobject_cast<OpenDialogWindow*>(w);
        if (!wnd)
            return;
        for (int id : {ID_STC4, ID_CMB2, ID_STC3, ID_EDT1, ID_STC2, ID_CMB1, ID_LST2, ID_CHX1, IDOK, IDCANCEL}) {
            QWidget* item = wnd->item(id);
            names << (item ? item->objectName() : QString("-"));
        }
        names << (wnd->item(ID_LST1) ? "lst1" : "-");
        toolButtons = int(wnd->toolBar().size());
        wnd->cancelCommand();
    });
    cd.ShowOpen();
    ASSERT_EQ(names.size(), 11);
    EXPECT_EQ(names.mid(0, 8), QStringList({"lookInLabel", "lookInCombo", "fileNameLabel", "fileNameEdit",
                                            "fileTypeLabel", "fileTypeCombo", "splitter", "chx1"}));
    EXPECT_NE(names[8], "-");
    EXPECT_NE(names[9], "-");
    EXPECT_EQ(names[10], "-");
    EXPECT_EQ(toolButtons, 6);
}

TEST(OpenDialogComponent, WithoutTheHookItIsAPlainOpenDialog)
{
    kalvex::test::ModalWatchdog dog;
    QTemporaryDir dir;
    createEmptyFile(dir.filePath("a.txt"));
    CommonDialogDirect6 cd;
    cd.setInitDir(dir.path());
    int events = 0;
    QObject::connect(&cd, &CommonDialogDirect6::InitDialog, [&] { ++events; });
    QObject::connect(&cd, &CommonDialogDirect6::FolderChange, [&] { ++events; });
    QObject::connect(&cd, &CommonDialogDirect6::DialogOK, [&] { ++events; });
    whenModal([&](QWidget* w) {
        auto* wnd = qobject_cast<OpenDialogWindow*>(w);
        auto* edit = qobject_cast<QLineEdit*>(wnd->item(ID_EDT1));
        edit->setText("a.txt");
        QTest::keyClick(edit, Qt::Key_Return);
        if (w->isVisible())
            wnd->cancelCommand();
    });
    EXPECT_TRUE(cd.ShowOpen());
    QTest::qWait(5);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(cd.FileName(), QDir::toNativeSeparators(QDir(dir.path()).absoluteFilePath("a.txt")));
}
