#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/morvObjs_pickers.h"
#include "dialogs/picker_answers.h"
#include "foundation/BrenloEnvirVars.h"
#include "foundation/progid_registry.h"
#include "platform/CommonDialog.h"
#include "platform/HvDirectorySelector.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using kalvex::test::whenModal;

namespace {

void touch(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
}

struct OpenSeen {
    bool shown = false;
    QString title, name, dir, filter;
};

// Records what the Open dialog proposes, then answers it.
void answerOpen(OpenSeen& seen, std::function<void(QFileDialog*)> answer)
{
    whenModal([&seen, answer](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        seen.shown = true;
        seen.title = w->windowTitle();
        if (fd) {
            seen.name = fd->findChild<QLineEdit*>("fileNameEdit")->text();
            seen.dir = fd->directory().absolutePath();
            if (auto* types = fd->findChild<QComboBox*>("fileTypeCombo"))
                seen.filter = types->currentText(); // as the list shows it
            answer(fd);
        }
        if (w->isVisible())
            qobject_cast<QDialog*>(w)->reject();
    });
}


} // namespace

TEST(ParmBrowseDlg, PlaceholderBecomesAPlainNameExceptForTheGenericId)
{
    kalvex::test::ModalWatchdog dog;
    QWidget form;
    CommonDialog cd(&form);
    OpenSeen seen;
    answerOpen(seen, [](QFileDialog* fd) { fd->reject(); });
    EXPECT_EQ(morvObjs_parmBrowseDlg(&cd, "<config_file>", "GERBER_PLOT_SETUP", nullptr, false), "NODEF");
    EXPECT_EQ(seen.name, "config_file");
    EXPECT_EQ(seen.title, "Select the Gerber Plot Setup file");
    EXPECT_EQ(seen.filter, "Gerber plot setup file(*.gpf)");

    OpenSeen generic;
    answerOpen(generic, [](QFileDialog* fd) { fd->reject(); });
    EXPECT_EQ(morvObjs_parmBrowseDlg(&cd, "<config_file>", "MORV_GEN_PARAMETER", nullptr, false), "NODEF");
    EXPECT_EQ(generic.name, "");
    EXPECT_EQ(generic.title, "Select File");
    EXPECT_EQ(generic.filter, "All Files(*.*)");
}

TEST(ParmBrowseDlg, VariablesOpenExpandedAndComeBackCollapsed)
{
    kalvex::test::ModalWatchdog dog;
    QTemporaryDir dir;
    touch(dir.filePath("board.gpf"));
    touch(dir.filePath("other.gpf"));
    auto vars = std::make_shared<BrenloEnvirVars>();
    vars->add("KVX_JOB_PCB_PATH", QDir(dir.path()).absolutePath());
    CommonDialog cd;
    OpenSeen seen;
    answerOpen(seen, [](QFileDialog* fd) { kalvex::test::chooseInFileDialog(fd, "other.gpf"); });
    const QString answer = morvObjs_parmBrowseDlg(&cd, "${KVX_JOB_PCB_PATH}/board.gpf", "GERBER_PLOT_SETUP", vars, true);
    EXPECT_EQ(seen.dir, QDir(dir.path()).absolutePath());
    EXPECT_EQ(seen.name, "board.gpf");
    EXPECT_EQ(answer, "${KVX_JOB_PCB_PATH}/other.gpf");

    // Without collapse the path comes back as chosen.
    OpenSeen again;
    answerOpen(again, [](QFileDialog* fd) { kalvex::test::chooseInFileDialog(fd, "other.gpf"); });
    EXPECT_EQ(morvObjs_parmBrowseDlg(&cd, "${KVX_JOB_PCB_PATH}/board.gpf", "GERBER_PLOT_SETUP", vars, false),
              QDir(dir.path()).absoluteFilePath("other.gpf"));
}

TEST(ParmBrowseDlg, OutputIdTakesANewFileAndUnknownIdsShowNothing)
{
    kalvex::test::ModalWatchdog dog;
    QTemporaryDir dir;
    CommonDialog cd;
    OpenSeen seen;
    answerOpen(seen, [](QFileDialog* fd) { kalvex::test::chooseInFileDialog(fd, "setup.msf"); });
    EXPECT_EQ(morvObjs_parmBrowseDlg(&cd, dir.filePath("x.msf"), "MORV_MSF_OUT", nullptr, false),
              QDir(dir.path()).absoluteFilePath("setup.msf"));
    EXPECT_EQ(seen.title, "Define the Morvane Setup file for output");
    EXPECT_EQ(cd.Flags(), 4);

    // Not in the table: no dialog, the empty answer.
    EXPECT_EQ(morvObjs_parmBrowseDlg(&cd, "a.txt", "gerber_plot_setup", nullptr, false), "");
    EXPECT_EQ(morvObjs_parmBrowseDlg(nullptr, "a.txt", "GERBER_PLOT_SETUP", nullptr, false), "NODEF");
}

TEST(DirBrowser, StartsExpandedAnswersCollapsedAndCancelIsNodef)
{
    kalvex::test::ModalWatchdog dog;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("out");
    auto vars = std::make_shared<BrenloEnvirVars>();
    vars->add("KVX_TASK_WORKDIR", QDir(dir.path()).absolutePath());

    QString start, title;
    whenModal([&](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        start = fd->directory().absolutePath();
        title = w->windowTitle();
        kalvex::test::chooseInFileDialog(fd, "out");
        if (w->isVisible())
            fd->reject();
    });
    EXPECT_EQ(morvObjs_dirBrowser("${KVX_TASK_WORKDIR}", "Transfer directory", vars, "", true),
              "${KVX_TASK_WORKDIR}/out");
    EXPECT_EQ(start, QDir(dir.path()).absolutePath());
    EXPECT_EQ(title, "Transfer directory");

    whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(morvObjs_dirBrowser("${KVX_TASK_WORKDIR}", "Transfer directory", vars, "", true), "NODEF");
}

TEST(DirBrowser, NoSelectorMeansNodefWithoutADialog)
{
    auto& registry = ProgIdRegistry::instance();
    ASSERT_TRUE(classCreate_HvDirectorySelector()); // ours registered
    registry.unregisterClass(PROGID_HV_DIRECTORY_SELECTOR);
    EXPECT_EQ(morvObjs_dirBrowser("/", "t", nullptr, "", false), "NODEF");
    registry.registerClass<IHvDirectorySelector>(PROGID_HV_DIRECTORY_SELECTOR,
                                                 [] { return std::make_shared<HvDirectorySelector>(); });
}
