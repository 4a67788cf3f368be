// kalvex-edit's host window driven as a user drives it: a list row opened by
// Enter, double click or Edit, a field typed into, OK or Cancel clicked; the
// database file on disk is what is checked.
#include "host_window_fixture.h"
#include "object_counts.h"
#include "platform/VbCommandButton.h"
#include "platform/VbTextBox.h"

namespace kalvex::edit::test {
namespace {

TEST_F(HostWindow, OkWritesTheTypedValueAndTheFileReloadsWithTheSameObjects)
{
    const QString before = apps::countObjects(window->database()).text();
    auto* form = open<frmGerberParms>("GERBER"); // the product's own selection
    typeInto(form->textpsetupFile, "C:/plots/fine pitch.psu");
    clickAndSettle(window->openDialog()->cmdOK);
    EXPECT_FALSE(form->parent()) << "the shared dialog is a window of its own again";
    EXPECT_TRUE(window->status().startsWith("1 change written to")) << window->status().toStdString();
    const LoadedDatabase reread = loadAdminFile(path);
    ASSERT_TRUE(reread.adm) << reread.error.toStdString();
    const auto parm = reread.adm->generators()->item("GERBER")->parameters()->item("gerber_config_file");
    EXPECT_EQ(parm->value(false), "C:/plots/fine pitch.psu");
    EXPECT_EQ(apps::countObjects(reread.adm).text(), before);

    // Opened again and left unchanged, OK writes nothing.
    const QByteArray saved = bytesOf(path);
    ASSERT_EQ(open<frmGerberParms>("GERBER"), form);
    clickAndSettle(window->openDialog()->cmdOK);
    EXPECT_EQ(window->status().toStdString(), "No changes: nothing written");
    EXPECT_EQ(bytesOf(path), saved);
}

TEST_F(HostWindow, CancelClosingAndReadOnlyLeaveTheFileAndTheSetAsTheyWere)
{
    const ParmSnapshot gerber = takeSnapshot(parmsOf("GERBER"));
    typeInto(open<frmGerberParms>("GERBER", true)->textpsetupFile, "C:/elsewhere.psu");
    clickAndSettle(window->openDialog()->cmdCancel);
    EXPECT_EQ(window->status().toStdString(), "Cancelled: nothing written");
    EXPECT_TRUE(takeSnapshot(parmsOf("GERBER")) == gerber);

    // The grid adds a parameter as soon as New is clicked; Cancel and
    // closing take it out: the database is what the file holds, order,
    // change counts and dates too.
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
    EXPECT_FALSE(window->openDialog()->cmdOK->isEnabled());
    clickAndSettle(window->openDialog()->cmdCancel);
    EXPECT_EQ(bytesOf(path), bytesOf(KALVEX_SOURCE_DIR "/examples/demo.mra"));

    // Edit opens the current row of the list that had the focus last.
    window->listDistributors->setFocus();
    window->listDistributors->setCurrentIndex(window->listDistributors->model()->index(0, 0));
    QTest::mouseClick(window->cmdEdit, Qt::LeftButton);
    auto* distrib = qobject_cast<frmDistribParms*>(window->openDialog() ? window->openDialog()->form() : nullptr);
    ASSERT_TRUE(distrib);
    EXPECT_EQ(distrib->textTransferDest->text(), "\\\\fileserver\\outgoing\\${KVX_PSITE_NAME}");
    clickAndSettle(window->openDialog()->cmdCancel);
}

} // namespace
} // namespace kalvex::edit::test
