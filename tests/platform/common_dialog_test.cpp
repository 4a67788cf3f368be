#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "platform/CommonDialog.h"
#include "platform/OpenDialogFilter.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using kalvex::test::whenModal;

namespace {

void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

// Types a name into the dialog's file-name field and presses Enter.
void typeAndAccept(QWidget* w, const QString& name)
{
    auto* edit = w->findChild<QLineEdit*>("fileNameEdit");
    if (edit) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    if (w->isVisible())
        qobject_cast<QDialog*>(w)->reject();
}

} // namespace

TEST(CommonDialog, FiltersBecomeNameFiltersWithAllFilesMatchingEverything)
{
    EXPECT_EQ(openDialogNameFilters("All Files(*.*)|*.*|Batch files(*.bat)|*.bat|Exe files(*.exe)|*.exe"),
              QStringList({"All Files(*.*) (*)", "Batch files(*.bat) (*.bat)", "Exe files(*.exe) (*.exe)"}));
    EXPECT_EQ(openDialogNameFilters("Two(*.a;*.b)|*.a;*.b"), QStringList({"Two(*.a;*.b) (*.a *.b)"}));
    // A description without its pattern is dropped.
    EXPECT_EQ(openDialogNameFilters("Lonely"), QStringList());
}

TEST(CommonDialog, ShowOpenAnswersTheChosenFileAndTheFilterShown)
{
    kalvex::test::ModalWatchdog dog;
    QTemporaryDir dir;
    touch(dir.filePath("plot.gpf"));
    QWidget owner;
    CommonDialog cd(&owner);
    cd.setDialogTitle("Select the Gerber Plot Setup file");
    cd.setFilter("All Files(*.*)|*.*|Gerber plot setup file(*.gpf)|*.gpf");
    cd.setFilterIndex(2);
    cd.setInitDir(dir.path());
    cd.setFlags(4100);
    cd.setCancelError(true);

    QString title, shownFilter, shownDir;
    whenModal([&](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        title = w->windowTitle();
        if (fd) {
            if (auto* types = fd->findChild<QComboBox*>("fileTypeCombo"))
                shownFilter = types->currentText(); // the description as written
            shownDir = fd->directory().absolutePath();
        }
        typeAndAccept(w, "plot.gpf");
    });
    EXPECT_EQ(cd.ShowOpen(), 0);
    EXPECT_EQ(title, "Select the Gerber Plot Setup file");
    EXPECT_EQ(shownFilter, "Gerber plot setup file(*.gpf)");
    EXPECT_EQ(shownDir, QDir(dir.path()).absolutePath());
    EXPECT_EQ(cd.FileName(), QDir::toNativeSeparators(dir.filePath("plot.gpf")));
    EXPECT_EQ(cd.FilterIndex(), 2);
}

TEST(CommonDialog, CancelRaisesTheCancelErrorOnlyWhenAskedTo)
{
    kalvex::test::ModalWatchdog dog;
    CommonDialog cd;
    cd.setFileName("keep.txt");
    cd.setCancelError(true);
    whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(cd.ShowOpen(), CommonDialog::cdlCancel);
    EXPECT_EQ(cd.FileName(), "keep.txt");

    cd.setCancelError(false);
    whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(cd.ShowOpen(), 0);
    EXPECT_EQ(cd.FileName(), "keep.txt");
}

TEST(CommonDialog, FileMustExistRefusesAMissingFile)
{
    kalvex::test::ModalWatchdog dog;
    QTemporaryDir dir;
    CommonDialog cd;
    cd.setInitDir(dir.path());
    cd.setFlags(4096);
    cd.setCancelError(true);
    bool stayedOpen = false;
    whenModal([&](QWidget* w) {
        auto* edit = w->findChild<QLineEdit*>("fileNameEdit");
        edit->setText("missing.dat");
        // The refusal comes as a message box over the dialog.
        whenModal([&, w](QWidget* box) {
            stayedOpen = w->isVisible();
            qobject_cast<QDialog*>(box)->accept();
            qobject_cast<QDialog*>(w)->reject();
        });
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(cd.ShowOpen(), CommonDialog::cdlCancel);
    EXPECT_TRUE(stayedOpen);
}
