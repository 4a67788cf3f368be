// kalvex-edit's host window driven as a user drives it: a list row opened by
// Enter, double click or Edit, a field typed into, OK or Cancel clicked; the
// database file on disk is what is checked.
#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <stdexcept>

#include "admin_file.h"
#include "browser/frmObjectTest.h"
#include "dialogs/frmDistribParms.h"
#include "dialogs/frmGerberParms.h"
#include "dialogs/frmParmEdit.h"
#include "dialogs/frmVarsetupParms.h"
#include "edit_window.h"
#include "interfaces/IKalvexGenerators.h"
#include "object_counts.h"
#include "parm_dialog_host.h"
#include "platform/VbCommandButton.h"
#include "platform/VbTextBox.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::edit;
using namespace kalvex::test;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void clickAndSettle(QPushButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
}

class HostWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(KALVEX_SOURCE_DIR "/examples/demo.mra"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const LoadedDatabase db = loadAdminFile(path);
        ASSERT_TRUE(db.adm) << db.error.toStdString();
        window = std::make_unique<EditWindow>();
        window->setDatabase(db.adm, path);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        vbl_formRelease<frmGerberParms>();
        vbl_formRelease<frmParmEdit>();
        vbl_formRelease<frmVarsetupParms>();
        vbl_formRelease<frmDistribParms>();
        vbl_formRelease<frmObjectTest>();
    }

    // Makes the generator's row current and presses Enter, or double-clicks
    // it; the dialog shown, which must be a Form.
    template <class Form> Form* open(const QString& id, bool doubleClick = false)
    {
        QTreeView* list = window->listGenerators;
        const QModelIndex row =
            list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, id, 1, Qt::MatchExactly).value(0);
        if (doubleClick) {
            const QPoint at = list->visualRect(row.siblingAtColumn(1)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        } else {
            list->setFocus();
            list->setCurrentIndex(row);
            QTest::keyClick(list, Qt::Key_Return);
        }
        Form* form = window->openDialog() ? qobject_cast<Form*>(window->openDialog()->form()) : nullptr;
        if (!form) // a failure of this test, not a crash of the suite
            throw std::runtime_error("no dialog of the expected kind for " + id.toStdString());
        return form;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("plant.mra"));
    std::unique_ptr<EditWindow> window;
};

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
    const auto gens = window->database()->generators();
    const ParmSnapshot gerber = takeSnapshot(gens->item("GERBER")->parameters());
    typeInto(open<frmGerberParms>("GERBER", true)->textpsetupFile, "C:/elsewhere.psu");
    clickAndSettle(window->openDialog()->cmdCancel);
    EXPECT_EQ(window->status().toStdString(), "Cancelled: nothing written");
    EXPECT_TRUE(takeSnapshot(gens->item("GERBER")->parameters()) == gerber);

    // The grid adds a parameter as soon as New is clicked; closing takes it out.
    const auto pdf = gens->item("EXT_PDF")->parameters();
    const ParmSnapshot before = takeSnapshot(pdf);
    QTest::mouseClick(open<frmParmEdit>("EXT_PDF")->cmdNew, Qt::LeftButton);
    ASSERT_EQ(pdf->count(), static_cast<int>(before.size()) + 1);
    window->openDialog()->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(takeSnapshot(pdf) == before);

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

TEST_F(HostWindow, AFailedSaveSaysWhyAndTheConsoleShowsTheSameDatabase)
{
    const QString gone = dir.filePath(QStringLiteral("gone/plant.mra"));
    window->setDatabase(window->database(), gone);
    typeInto(open<frmGerberParms>("GERBER")->textpsetupFile, "C:/new.psu");
    clickAndSettle(window->openDialog()->cmdOK);
    const QString status = window->status();
    EXPECT_TRUE(status.startsWith("Not saved") && status.contains("No such file or directory")) << qPrintable(status);
    EXPECT_FALSE(QFile::exists(gone));

    QTest::mouseClick(window->cmdConsole, Qt::LeftButton);
    ASSERT_TRUE(vbl_formExists<frmObjectTest>());
    EXPECT_TRUE(vbl_formInstance<frmObjectTest>()->isVisible());
    EXPECT_EQ(vbl_formInstance<frmObjectTest>()->shownAdmObj(), window->database());
}

} // namespace
