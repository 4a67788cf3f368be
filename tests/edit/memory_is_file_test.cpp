// kalvex-edit keeps the database in memory equal to its file whenever no
// dialog is open: a failed save keeps the dialog until OK saves or Cancel
// gives up, a refusal inside the dialog is shown, and Enter right after
// opening changes nothing.
#include <QDir>
#include <QLabel>
#include <QTableWidget>

#include "dialogs/morvObjs_parmGridFillRow.h"
#include "host_window_fixture.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "platform/vaSpread.h"

namespace kalvex::edit::test {
namespace {

TEST_F(HostWindow, AFailedSaveKeepsTheDialogUntilOkSavesOrCancelPutsTheFileBack)
{
    // A directory in the file's place: the save fails for every user, root too.
    const QString kept = path + QStringLiteral(".kept");
    const auto blockFile = [&](bool block) {
        ASSERT_TRUE(block ? QFile::rename(path, kept) && QDir().mkpath(path + "/in-the-way")
                          : QDir(path).removeRecursively() && QFile::rename(kept, path));
    };
    blockFile(true);
    auto* form = open<frmGerberParms>("GERBER");
    typeInto(form->textpsetupFile, "C:/retried.psu");
    clickAndSettle(dialog()->cmdOK);
    ASSERT_TRUE(dialog()) << "the dialog stays open";
    EXPECT_TRUE(dialog()->message().startsWith("Not saved, plant.mra kept as it was: "))
        << dialog()->message().toStdString();
    EXPECT_TRUE(dialog()->findChild<QLabel*>("hostMessage")->isVisible());
    EXPECT_EQ(window->status(), dialog()->message()) << "the host's status line says it too";
    EXPECT_EQ(form->textpsetupFile->text(), "C:/retried.psu");
    blockFile(false);
    clickAndSettle(dialog()->cmdOK); // the form counts nothing new; the save runs
    ASSERT_FALSE(dialog());
    EXPECT_TRUE(window->status().startsWith("1 change written to")) << window->status().toStdString();
    EXPECT_TRUE(bytesOf(path).contains("C:/retried.psu"));
    expectMemoryIsFile("a save retried");

    // Failed twice, then Cancel: no later save writes the value.
    blockFile(true);
    typeInto(open<frmGerberParms>("GERBER")->textpsetupFile, "C:/never-saved.psu");
    clickAndSettle(dialog()->cmdOK);
    clickAndSettle(dialog()->cmdOK);
    ASSERT_TRUE(dialog());
    blockFile(false);
    clickAndSettle(dialog()->cmdCancel);
    expectMemoryIsFile("Cancel after a failed save");
    ASSERT_EQ(open<frmGerberParms>("GERBER")->textpsetupFile->text(), "C:/retried.psu");
    clickAndSettle(dialog()->cmdOK);
    EXPECT_EQ(window->status().toStdString(), "No changes: nothing written");
    EXPECT_FALSE(bytesOf(path).contains("never-saved"));
}

TEST_F(HostWindow, ARefusedRenameKeepsTheDialogOpenWithTheReason)
{
    const QByteArray original = bytesOf(path);
    vaSpread* grid = open<frmParmEdit>("EXT_PDF")->parmsGrid;
    // The first row ("layers", rows sorted by name) renamed to a name taken.
    QTest::mouseClick(grid->table()->viewport(), Qt::LeftButton, {}, grid->cellRect(ParmGridCol::Name, 1).center());
    for (const char* key : {"s", "c", "a", "l", "e"}) // the first opens the cell's editor
        QTest::keyClicks(QApplication::focusWidget(), key);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    clickAndSettle(dialog()->cmdOK);
    ASSERT_TRUE(dialog()) << "the dialog stays open";
    EXPECT_TRUE(dialog()->message().contains("\"layers\" was not renamed to \"scale\"")) << dialog()->message().toStdString();
    EXPECT_EQ(bytesOf(path), original);
    clickAndSettle(dialog()->cmdCancel);
    expectMemoryIsFile("Cancel after a refused rename");
}

TEST_F(HostWindow, EnterRightAfterOpeningChangesNothing)
{
    // The focus starts where the dialog puts it, not on New.
    auto* form = open<frmParmEdit>("EXT_PNP");
    EXPECT_TRUE(form->parmsGrid->isAncestorOf(QApplication::focusWidget())) << QApplication::focusWidget();
    const int rows = form->parmsGrid->maxRows();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(50);
    EXPECT_EQ(form->parmsGrid->maxRows(), rows) << "no row added";
    clickAndSettle(dialog()->cmdOK);
    EXPECT_EQ(window->status().toStdString(), "No changes: nothing written");

    EXPECT_EQ(QApplication::focusWidget(), open<frmParmEdit>("BATCH")->textBatchfile);
    clickAndSettle(dialog()->cmdCancel);
}

} // namespace
} // namespace kalvex::edit::test
