// kalvex-edit's window driven as a user drives it; the file on disk is checked, and memory is
// the file whenever no dialog is open, also after a failed save or a refused change.
#include <QDir>
#include <QLabel>
#include <QTableWidget>

#include "dialogs/morvObjs_parmGridFillRow.h"
#include "host_window_fixture.h"
#include "object_counts.h"
#include "platform/VbCommandButton.h"
#include "platform/VbTextBox.h"
#include "platform/vaSpread.h"

namespace kalvex::edit::test {
namespace {

TEST_F(HostWindow, OkWritesTheTypedValueAndTheFileReloadsWithTheSameObjects)
{
    const QString before = apps::countObjects(window->database()).text();
    auto* form = open<frmGerberParms>("GERBER"); // the product's own selection
    typeInto(form->textpsetupFile, "C:/plots/fine pitch.psu");
    clickAndSettle(dialog()->cmdOK);
    EXPECT_FALSE(form->parent()) << "the shared dialog is a window of its own again";
    EXPECT_TRUE(window->status().startsWith("1 change written to")) << window->status().toStdString();
    const LoadedDatabase reread = loadAdminFile(path);
    ASSERT_TRUE(reread.adm) << reread.error.toStdString();
    const auto parm = reread.adm->generators()->item("GERBER")->parameters()->item("gerber_config_file");
    EXPECT_EQ(parm->value(false), "C:/plots/fine pitch.psu");
    EXPECT_EQ(apps::countObjects(reread.adm).text(), before);

    // Opened again and left unchanged, OK writes nothing.
    const QByteArray saved = readAllOf(path);
    ASSERT_EQ(open<frmGerberParms>("GERBER"), form);
    clickAndSettle(dialog()->cmdOK);
    EXPECT_EQ(window->status().toStdString(), "No changes: nothing written");
    EXPECT_EQ(readAllOf(path), saved);
}

TEST_F(HostWindow, CancelClosingAndReadOnlyLeaveTheFileAndTheSetAsTheyWere)
{
    const ParmSnapshot gerber = takeSnapshot(parmsOf("GERBER"));
    typeInto(open<frmGerberParms>("GERBER", true)->textpsetupFile, "C:/elsewhere.psu");
    clickAndSettle(dialog()->cmdCancel);
    EXPECT_EQ(window->status().toStdString(), "Cancelled: nothing written");
    EXPECT_TRUE(takeSnapshot(parmsOf("GERBER")) == gerber);

    // New adds a parameter at once; Cancel and closing take it out, order, counts and dates as in the file.
    const ParmSnapshot before = takeSnapshot(parmsOf("EXT_PDF"));
    for (const bool close : {false, true}) {
        QTest::mouseClick(open<frmParmEdit>("EXT_PDF")->cmdNew, Qt::LeftButton);
        ASSERT_EQ(parmsOf("EXT_PDF")->count(), static_cast<int>(before.size()) + 1);
        close ? (void)dialog()->close() : clickAndSettle(dialog()->cmdCancel);
        QCoreApplication::processEvents();
        EXPECT_TRUE(takeSnapshot(parmsOf("EXT_PDF")) == before);
        expectMemoryIsFile(close ? "New, then the dialog closed" : "New, then Cancel");
    }

    EXPECT_FALSE(open<frmVarsetupParms>("VARSETUP")->textSourceDBPCB->isEnabled()) << "a read-only entry";
    EXPECT_FALSE(dialog()->cmdOK->isEnabled());
    clickAndSettle(dialog()->cmdCancel);
    EXPECT_EQ(readAllOf(path), readAllOf(demoDatabasePath()));

    // Edit opens the current row of the list that had the focus last.
    window->listDistributors->setFocus();
    window->listDistributors->setCurrentIndex(window->listDistributors->model()->index(0, 0));
    QTest::mouseClick(window->cmdEdit, Qt::LeftButton);
    auto* distrib = qobject_cast<frmDistribParms*>(dialog() ? dialog()->form() : nullptr);
    ASSERT_TRUE(distrib);
    EXPECT_EQ(distrib->textTransferDest->text(), "\\\\fileserver\\outgoing\\${KVX_PSITE_NAME}");
    clickAndSettle(dialog()->cmdCancel);
}

TEST_F(HostWindow, AFailedSaveKeepsTheDialogUntilOkSavesOrCancelPutsTheFileBack)
{
    // A directory in the file's place fails the save for every user, root too.
    const auto blockFile = [&](bool block) {
        ASSERT_TRUE(block ? QFile::rename(path, path + ".kept") && QDir().mkpath(path + "/in-the-way")
                          : QDir(path).removeRecursively() && QFile::rename(path + ".kept", path));
    };
    const int width = window->width();
    for (const bool retry : {true, false}) {
        SCOPED_TRACE(retry ? "OK again" : "Cancel");
        blockFile(true);
        typeInto(open<frmGerberParms>("GERBER")->textpsetupFile, retry ? "C:/retried.psu" : "C:/never-saved.psu");
        clickAndSettle(dialog()->cmdOK);
        ASSERT_TRUE(dialog()) << "the dialog stays open";
        EXPECT_TRUE(dialog()->message().startsWith("Not saved, plant.mra kept as it was: "))
            << dialog()->message().toStdString();
        EXPECT_TRUE(dialog()->findChild<QLabel*>("hostMessage")->isVisible());
        EXPECT_EQ(window->status(), dialog()->message());
        EXPECT_EQ(window->width(), width) << "the long reason wraps";
        blockFile(false);
        clickAndSettle(retry ? dialog()->cmdOK : dialog()->cmdCancel); // OK saves though the form counts nothing new
        ASSERT_FALSE(dialog());
        EXPECT_TRUE(readAllOf(path).contains("C:/retried.psu"));
        expectMemoryIsFile(retry ? "a save retried" : "Cancel after a failed save");
    }
}

TEST_F(HostWindow, TheGridDialogTakesEnterAtOpeningAsNoRowAndStaysOpenOnARefusedRename)
{
    // The focus starts in the grid, not on New, which Enter would press.
    vaSpread* grid = open<frmParmEdit>("EXT_PDF")->parmsGrid;
    EXPECT_TRUE(grid->isAncestorOf(QApplication::focusWidget())) << QApplication::focusWidget();
    const int rows = grid->maxRows();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(50);
    EXPECT_EQ(grid->maxRows(), rows) << "no row added";

    // The first row ("layers", rows sorted by name) renamed to a name taken.
    QTest::mouseClick(grid->table()->viewport(), Qt::LeftButton, {}, grid->cellRect(ParmGridCol::Name, 1).center());
    QTest::keyClick(QApplication::focusWidget(), 's'); // opens the cell's editor
    QTest::keyClicks(QApplication::focusWidget(), "cale");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents(); // the cell commits through a queued call, as between a person's keys
    clickAndSettle(dialog()->cmdOK);
    ASSERT_TRUE(dialog()) << "the dialog stays open";
    EXPECT_TRUE(dialog()->message().contains("\"layers\" was not renamed to \"scale\""))
        << dialog()->message().toStdString();
    clickAndSettle(dialog()->cmdCancel);
    expectMemoryIsFile("Cancel after a refused rename");

    EXPECT_EQ(QApplication::focusWidget(), open<frmParmEdit>("BATCH")->textBatchfile);
}

TEST_F(HostWindow, AChangeMadeOutsideIsReadInWithNoDialogOpenAndNeverWrittenOverByOk)
{
    const auto statusSays = [&](const char* text) {
        return QTest::qWaitFor([&] { return window->status().contains(text); }, 3000);
    };
    // A generator added before the selected one, as an editor saves: the selection stays on its id.
    QByteArray bytes = readAllOf(path);
    const qsizetype at = bytes.indexOf(".Generator \"GERBER\"");
    bytes.insert(at, bytes.mid(at, bytes.indexOf(".Generator", at + 1) - at).replace("GERBER\"", "GERBER_COPY\""));
    window->listGenerators->setCurrentIndex(generatorRow("EXT_PDF"));
    writeOutside(path, bytes, true);
    ASSERT_TRUE(statusSays("plant.mra was changed by another program and read again"));
    EXPECT_EQ(window->listGenerators->currentIndex(), generatorRow("EXT_PDF"));
    expectMemoryIsFile("after the outside change was read in");

    // A change not yet reported is read in as a dialog opens; with the dialog open, OK refuses to write over
    // one, and Cancel reads it in.
    writeOutside(path, bytes.replace("config\\photo.psu", "config\\other.psu"), false);
    auto* gerber = open<frmGerberParms>("GERBER");
    EXPECT_EQ(gerber->textpsetupFile->text(), "${KVX_JOB_PCB_PATH}\\config\\other.psu");
    typeInto(gerber->textpsetupFile, "C:/never-saved.psu");
    writeOutside(path, bytes.replace("\"stop_on_error\" \"Yes\"", "\"stop_on_error\" \"yes\""), false);
    QTest::qWait(600);
    clickAndSettle(dialog()->cmdOK);
    ASSERT_TRUE(dialog() && dialog()->message().contains("another program changed plant.mra since it was read"));
    EXPECT_EQ(readAllOf(path), bytes);
    clickAndSettle(dialog()->cmdCancel);
    EXPECT_TRUE(statusSays("Cancelled: nothing written; plant.mra was changed by another program and read again"));
    expectMemoryIsFile("after Cancel");

    // An emptied file leaves the last good content shown until it is put back.
    writeOutside(path, {}, true);
    ASSERT_TRUE(statusSays("plant.mra cannot be read (")) << window->status().toStdString();
    EXPECT_TRUE(generatorRow("GERBER_COPY").isValid());
    writeOutside(path, bytes, true);
    EXPECT_TRUE(statusSays("read again")) << window->status().toStdString();
}

} // namespace
} // namespace kalvex::edit::test
