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

int gridRowOf(frmParmEdit* form, const QString& name)
{
    vaSpread* grid = form->parmsGrid;
    grid->setBlockMode(false);
    grid->setCol(ParmGridCol::Name);
    for (int r = 1; r <= grid->maxRows(); ++r) {
        grid->setRow(r);
        if (grid->text() == name)
            return r;
    }
    return -1;
}

// A click into the name cell, the new name typed (the first key opens the
// editor; an empty name is cleared by F2, select all, Delete), Enter.
void renameInGrid(frmParmEdit* form, const QString& from, const QString& to)
{
    vaSpread* grid = form->parmsGrid;
    const int row = gridRowOf(form, from);
    ASSERT_GT(row, 0) << from.toStdString();
    QTest::mouseClick(grid->table()->viewport(), Qt::LeftButton, {},
                      grid->cellRect(ParmGridCol::Name, row).center());
    if (to.isEmpty()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    }
    for (QChar ch : to)
        QTest::keyClicks(QApplication::focusWidget(), QString(ch));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([grid] { return !grid->isEditing(); }, 1000));
}

bool hasFocusWithin(QWidget* w)
{
    QWidget* f = QApplication::focusWidget();
    return f && (f == w || w->isAncestorOf(f));
}

TEST_F(HostWindow, AFailedSaveKeepsTheDialogUntilOkSavesOrCancelPutsTheFileBack)
{
    // A directory in the file's place: the save fails for every user, root too.
    const QString kept = path + QStringLiteral(".kept");
    const auto blockFile = [&] {
        ASSERT_TRUE(QFile::rename(path, kept));
        ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/in-the-way")));
    };
    const auto unblockFile = [&] {
        ASSERT_TRUE(QDir(path).removeRecursively());
        ASSERT_TRUE(QFile::rename(kept, path));
    };

    blockFile();
    auto* form = open<frmGerberParms>("GERBER");
    typeInto(form->textpsetupFile, "C:/retried.psu");
    clickAndSettle(dialog()->cmdOK);
    ASSERT_TRUE(dialog()) << "the dialog stays open";
    EXPECT_TRUE(dialog()->message().startsWith("Not saved, plant.mra kept as it was: "))
        << dialog()->message().toStdString();
    EXPECT_TRUE(dialog()->findChild<QLabel*>("hostMessage")->isVisible());
    EXPECT_EQ(form->textpsetupFile->text(), "C:/retried.psu");
    unblockFile();
    // The form counts nothing new; the save runs all the same.
    clickAndSettle(dialog()->cmdOK);
    ASSERT_FALSE(dialog());
    EXPECT_TRUE(window->status().startsWith("1 change written to")) << window->status().toStdString();
    EXPECT_TRUE(bytesOf(path).contains("C:/retried.psu"));
    expectMemoryIsFile("a save retried");

    // The console shows this database; failed twice, then Cancel.
    clickAndSettle(window->cmdConsole);
    ASSERT_TRUE(vbl_formExists<frmObjectTest>());
    frmObjectTest* console = vbl_formInstance<frmObjectTest>();
    blockFile();
    typeInto(open<frmGerberParms>("GERBER")->textpsetupFile, "C:/never-saved.psu");
    clickAndSettle(dialog()->cmdOK);
    clickAndSettle(dialog()->cmdOK);
    ASSERT_TRUE(dialog());
    unblockFile();
    clickAndSettle(dialog()->cmdCancel);
    ASSERT_FALSE(dialog());
    expectMemoryIsFile("Cancel after a failed save");
    EXPECT_EQ(parmsOf("GERBER")->item("gerber_config_file")->value(false), "C:/retried.psu");
    // The console's RUV Dump of the host's database is the file, byte for byte.
    EXPECT_EQ(console->shownAdmObj(), window->database());
    const QString dump = dir.filePath(QStringLiteral("console-dump.mra"));
    typeInto(console->TextRUVOut, dump);
    clickAndSettle(console->cmdRUVOut);
    EXPECT_TRUE(bytesOf(dump) == bytesOf(path));

    // Nothing said "No changes" while the file lacked a value, and no later
    // save writes the value that was not saved.
    ASSERT_EQ(open<frmGerberParms>("GERBER")->textpsetupFile->text(), "C:/retried.psu");
    clickAndSettle(dialog()->cmdOK);
    EXPECT_EQ(window->status().toStdString(), "No changes: nothing written");
    typeInto(open<frmGerberParms>("GERBER")->textpsetupFile, "C:/later.psu");
    clickAndSettle(dialog()->cmdOK);
    EXPECT_TRUE(bytesOf(path).contains("C:/later.psu"));
    EXPECT_FALSE(bytesOf(path).contains("never-saved"));
}

TEST_F(HostWindow, CancelAfterNewLeavesOrderCountsAndDatesAsTheFileHasThem)
{
    const QByteArray original = bytesOf(path);
    auto* form = open<frmParmEdit>("EXT_PDF");
    QTest::mouseClick(form->cmdNew, Qt::LeftButton);
    QTest::mouseClick(form->cmdNew, Qt::LeftButton);
    clickAndSettle(dialog()->cmdCancel);
    EXPECT_EQ(bytesOf(path), original);
    expectMemoryIsFile("New twice, then Cancel");

    // The next OK of another entry writes its own change only.
    const ParmSnapshot pdf = takeSnapshot(parmsOf("EXT_PDF"));
    typeInto(open<frmGerberParms>("GERBER")->textpsetupFile, "C:/other.psu");
    clickAndSettle(dialog()->cmdOK);
    EXPECT_TRUE(window->status().startsWith("1 change written")) << window->status().toStdString();
    const LoadedDatabase saved = loadAdminFile(path);
    ASSERT_TRUE(saved.adm);
    EXPECT_TRUE(takeSnapshot(saved.adm->generators()->item("EXT_PDF")->parameters()) == pdf);
    expectMemoryIsFile("a later OK");
}

TEST_F(HostWindow, ARefusedRenameKeepsTheDialogOpenWithTheReason)
{
    const QByteArray original = bytesOf(path);
    auto* form = open<frmParmEdit>("EXT_PDF");
    renameInGrid(form, "paper", "scale"); // taken
    clickAndSettle(dialog()->cmdOK);
    ASSERT_TRUE(dialog()) << "the dialog stays open";
    EXPECT_TRUE(dialog()->message().contains("\"paper\" was not renamed to \"scale\"")) << dialog()->message().toStdString();
    EXPECT_TRUE(form->mess1->caption().contains("not renamed"));
    EXPECT_EQ(bytesOf(path), original);

    renameInGrid(form, "paper", ""); // empty
    clickAndSettle(dialog()->cmdOK);
    ASSERT_TRUE(dialog());
    EXPECT_TRUE(dialog()->message().contains("needs a name")) << dialog()->message().toStdString();
    clickAndSettle(dialog()->cmdCancel);
    EXPECT_EQ(bytesOf(path), original);
    expectMemoryIsFile("Cancel after refused renames");

    // A name that is free is taken, and OK closes.
    renameInGrid(form = open<frmParmEdit>("EXT_PDF"), "paper", "paper size");
    clickAndSettle(dialog()->cmdOK);
    EXPECT_FALSE(dialog());
    EXPECT_TRUE(parmsOf("EXT_PDF")->item("paper size"));
    expectMemoryIsFile("a rename saved");
}

TEST_F(HostWindow, EnterRightAfterOpeningChangesNothing)
{
    // The focus starts where the dialog puts it, not on New.
    for (const bool distributor : {false, true}) {
        const QString id = distributor ? QStringLiteral("FTP_UPLOAD") : QStringLiteral("EXT_PNP");
        SCOPED_TRACE(id.toStdString());
        auto* form = open<frmParmEdit>(id, false, distributor);
        EXPECT_TRUE(hasFocusWithin(form->parmsGrid)) << QApplication::focusWidget();
        const int rows = form->parmsGrid->maxRows();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::qWait(50);
        EXPECT_EQ(form->parmsGrid->maxRows(), rows) << "no row added";
        ASSERT_TRUE(dialog()) << "Enter in the grid does not close it";
        clickAndSettle(dialog()->cmdOK);
        EXPECT_EQ(window->status().toStdString(), "No changes: nothing written");
    }
    auto* batch = open<frmParmEdit>("BATCH");
    EXPECT_EQ(QApplication::focusWidget(), batch->textBatchfile);
    clickAndSettle(dialog()->cmdCancel);
    auto* gerber = open<frmGerberParms>("GERBER");
    EXPECT_EQ(QApplication::focusWidget(), gerber->textpsetupFile);
    clickAndSettle(dialog()->cmdCancel);
    expectMemoryIsFile("Enter and Cancel");
}

} // namespace
} // namespace kalvex::edit::test
