// Paths written with "\" (as the example database and users' sets hold them)
// open every picker in their folder, with the file name proposed alone.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "admin/KalvexAdministrator.h"
#include "browser/frmFileBrowser.h"
#include "dialogs/morvObjs_pickers.h"
#include "foundation/BrenloEnvirVars.h"
#include "platform/CommonDialog.h"
#include "platform/OpenDialogWindow.h"
#include "platform/VbCommandButton.h"
#include "platform/VbPictureBox.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using kalvex::test::whenModal;

namespace {

struct PathSeen {
    bool shown = false;
    QString dir, name;
    QStringList filters; // as the file-type list shows them
};

void record(PathSeen& seen, QFileDialog* fd)
{
    if (!fd)
        return;
    seen.shown = true;
    seen.dir = fd->directory().absolutePath();
    if (auto* edit = fd->findChild<QLineEdit*>("fileNameEdit"))
        seen.name = edit->text();
    if (auto* types = fd->findChild<QComboBox*>("fileTypeCombo"))
        for (int i = 0; i < types->count(); ++i)
            seen.filters << types->itemText(i);
}

class BackslashPaths : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        root = QDir(work.path()).absolutePath();
        ASSERT_TRUE(QDir(root).mkpath("job/layout"));
        QFile(root + "/job/layout/a.lyt").open(QIODevice::WriteOnly);
        QFile(root + "/dataFile.dat").open(QIODevice::WriteOnly);
        vars->add("KVX_TASK_WORKDIR", root);
    }

    QTemporaryDir work;
    QString root;
    std::shared_ptr<BrenloEnvirVars> vars = std::make_shared<BrenloEnvirVars>();
};

} // namespace

TEST_F(BackslashPaths, PlainOpenDialogLandsInTheFolder)
{
    test::ModalWatchdog dog;
    QWidget form;
    CommonDialog cd(&form);
    PathSeen seen;
    whenModal([&](QWidget* w) { record(seen, qobject_cast<QFileDialog*>(w)); });
    EXPECT_EQ(morvObjs_parmBrowseDlg(&cd, "${KVX_TASK_WORKDIR}\\job\\layout\\a.lyt", "GERBER_PLOT_SETUP", vars,
                                     true),
              "NODEF");
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.dir, root + "/job/layout");
    EXPECT_EQ(seen.name, "a.lyt");
    EXPECT_EQ(seen.filters, QStringList({"All Files(*.*)", "Gerber plot setup file(*.gpf)"}));
}

TEST_F(BackslashPaths, FileBrowserLandsInTheFolder)
{
    test::ModalWatchdog dog(20000);
    auto adm = classCreate_KalvexAdministrator();
    adm->envirVars()->add("KVX_TASK_WORKDIR", root);
    QWidget caller;
    PathSeen seen;
    whenModal([&](QWidget* w) {
        frmFileBrowser* b = vbl_formExists<frmFileBrowser>() ? vbl_formInstance<frmFileBrowser>() : nullptr;
        if (auto* wnd = qobject_cast<OpenDialogWindow*>(w);
            wnd && b && QTest::qWaitFor([b] { return b->m_controls->isVisible(); }, 3000))
            record(seen, wnd->items());
        if (b)
            b->cmdCancel->click();
    });
    EXPECT_EQ(morvObjs_parmBrowseFile("${KVX_TASK_WORKDIR}\\job\\layout\\a.lyt", "MORV_GEN_PARAMETER", &caller, adm,
                                      false, false),
              "NODEF");
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.dir, root + "/job/layout");
    EXPECT_EQ(seen.name, "a.lyt");
    EXPECT_EQ(seen.filters, QStringList({"All Files(*.*)"}));
}

TEST_F(BackslashPaths, DirectorySelectorStartsInTheFolder)
{
    test::ModalWatchdog dog;
    PathSeen seen;
    whenModal([&](QWidget* w) { record(seen, qobject_cast<QFileDialog*>(w)); });
    EXPECT_EQ(morvObjs_dirBrowser("${KVX_TASK_WORKDIR}\\job\\layout", "Transfer directory", vars, "", true),
              "NODEF");
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.dir, root + "/job/layout");
}
