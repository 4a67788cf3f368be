// kalvex-edit's host window driven as a user drives it: a list row opened by
// Enter, double click or Edit, a field typed into, OK or Cancel clicked; the
// database file on disk is what is checked.
#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "admin_file.h"
#include "browser/frmObjectTest.h"
#include "dialogs/frmDistribParms.h"
#include "dialogs/frmGerberParms.h"
#include "dialogs/frmParmEdit.h"
#include "dialogs/frmVarsetupParms.h"
#include "edit_window.h"
#include "interfaces/IKalvexDistributor.h"
#include "interfaces/IKalvexGenerators.h"
#include "object_counts.h"
#include "parm_dialog_host.h"
#include "platform/VbCommandButton.h"
#include "platform/VbTextBox.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

namespace kalvex::edit {
void PrintTo(const ParmState& p, std::ostream* os)
{
    *os << p.name.toStdString() << "=" << p.value.toStdString() << " (" << p.type << ")";
}
} // namespace kalvex::edit

using namespace kalvex;
using namespace kalvex::edit;
using namespace kalvex::test;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString parmValue(const IKalvexAdministratorPtr& adm, const QString& generator, const QString& parm)
{
    const auto g = adm ? adm->generators()->item(generator) : nullptr;
    const auto p = g ? g->parameters()->item(parm) : nullptr;
    return p ? p->value(false) : QStringLiteral("<none>");
}

int rowOf(QTreeView* list, const QString& id)
{
    const auto hits = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, id, 1, Qt::MatchExactly);
    return hits.isEmpty() ? -1 : hits.first().row();
}

class HostWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(KALVEX_SOURCE_DIR "/examples/demo.mra"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        original = bytesOf(path);
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

    // Makes the row current in the list and presses a key there.
    ParmDialogHost* openByKey(QTreeView* list, const QString& id, Qt::Key key = Qt::Key_Return)
    {
        list->setFocus();
        list->setCurrentIndex(list->model()->index(rowOf(list, id), 0));
        QTest::keyClick(list, key);
        return window->openDialog();
    }

    ParmDialogHost* openByDoubleClick(QTreeView* list, const QString& id)
    {
        const QRect cell = list->visualRect(list->model()->index(rowOf(list, id), 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        return window->openDialog();
    }

    static void closeBy(QPushButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("plant.mra"));
    QByteArray original;
    std::unique_ptr<EditWindow> window;
};

TEST_F(HostWindow, OkWritesTheTypedFieldToTheFileWhichReloadsWithTheSameObjects)
{
    const apps::ObjectCounts before = apps::countObjects(window->database());
    QPointer<ParmDialogHost> host = openByKey(window->listGenerators, "GERBER");
    ASSERT_TRUE(host);
    EXPECT_TRUE(host->isVisible());
    EXPECT_TRUE(host->windowTitle().contains("GERBER"));
    auto* form = qobject_cast<frmGerberParms*>(host->form());
    ASSERT_TRUE(form) << "the product's own selection gives the Gerber dialog";
    EXPECT_TRUE(form->isVisible());

    typeInto(form->textpsetupFile, "C:/plots/fine pitch.psu");
    closeBy(host->cmdOK);

    EXPECT_FALSE(host && host->isVisible());
    EXPECT_TRUE(window->status().startsWith("1 change written to")) << window->status().toStdString();
    EXPECT_FALSE(form->parent()) << "the shared dialog is a window of its own again";
    const LoadedDatabase reread = loadAdminFile(path);
    ASSERT_TRUE(reread.adm) << reread.error.toStdString();
    EXPECT_EQ(parmValue(reread.adm, "GERBER", "gerber_config_file"), "C:/plots/fine pitch.psu");
    EXPECT_EQ(apps::countObjects(reread.adm).text(), before.text());

    // Opened again and left unchanged, OK writes nothing.
    const QByteArray saved = bytesOf(path);
    host = openByKey(window->listGenerators, "GERBER");
    ASSERT_TRUE(host);
    EXPECT_EQ(form->textpsetupFile->text(), "C:/plots/fine pitch.psu");
    closeBy(host->cmdOK);
    EXPECT_EQ(window->status().toStdString(), "No changes: nothing written");
    EXPECT_EQ(bytesOf(path), saved);
}

TEST_F(HostWindow, CancelOrClosingWritesNothingAndLeavesTheSetAsItWas)
{
    QPointer<ParmDialogHost> host = openByDoubleClick(window->listGenerators, "GERBER");
    ASSERT_TRUE(host);
    auto* form = qobject_cast<frmGerberParms*>(host->form());
    ASSERT_TRUE(form);
    typeInto(form->textpsetupFile, "C:/elsewhere.psu");
    closeBy(host->cmdCancel);
    EXPECT_EQ(window->status().toStdString(), "Cancelled: nothing written");
    EXPECT_EQ(bytesOf(path), original);
    EXPECT_EQ(parmValue(window->database(), "GERBER", "gerber_config_file"),
              "${KVX_JOB_PCB_PATH}\\config\\photo.psu");

    // The grid dialog adds a parameter to the set as soon as New is clicked;
    // closing the window takes it out again.
    const auto pdf = window->database()->generators()->item(QStringLiteral("EXT_PDF"))->parameters();
    const ParmSnapshot before = takeSnapshot(pdf);
    host = openByKey(window->listGenerators, "EXT_PDF");
    ASSERT_TRUE(host);
    auto* grid = qobject_cast<frmParmEdit*>(host->form());
    ASSERT_TRUE(grid);
    QTest::mouseClick(grid->cmdNew, Qt::LeftButton);
    ASSERT_EQ(pdf->count(), static_cast<int>(before.size()) + 1);
    host->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(host && host->isVisible());
    EXPECT_EQ(takeSnapshot(pdf), before);
    EXPECT_EQ(bytesOf(path), original);
}

TEST_F(HostWindow, AReadOnlyEntryOpensLockedAndADistributorOpensItsOwnDialog)
{
    QPointer<ParmDialogHost> host = openByKey(window->listGenerators, "VARSETUP");
    ASSERT_TRUE(host);
    auto* form = qobject_cast<frmVarsetupParms*>(host->form());
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->locked());
    EXPECT_FALSE(form->textSourceDBPCB->isEnabled());
    EXPECT_FALSE(host->cmdOK->isEnabled());
    EXPECT_TRUE(host->windowTitle().contains("read-only"));
    closeBy(host->cmdCancel);
    EXPECT_EQ(bytesOf(path), original);

    // Edit opens the current row of the list that had the focus.
    window->listDistributors->setFocus();
    window->listDistributors->setCurrentIndex(window->listDistributors->model()->index(0, 0));
    QTest::mouseClick(window->cmdEdit, Qt::LeftButton);
    host = window->openDialog();
    ASSERT_TRUE(host);
    auto* distrib = qobject_cast<frmDistribParms*>(host->form());
    ASSERT_TRUE(distrib);
    EXPECT_FALSE(distrib->locked());
    EXPECT_EQ(distrib->textTransferDest->text(), "\\\\fileserver\\outgoing\\${KVX_PSITE_NAME}");
    closeBy(host->cmdCancel);
}

TEST_F(HostWindow, AFailedSaveSaysWhyAndTheConsoleShowsTheSameDatabase)
{
    // The file's folder is gone: the save cannot even start.
    const QString gone = dir.filePath(QStringLiteral("gone/plant.mra"));
    window->setDatabase(window->database(), gone);
    QPointer<ParmDialogHost> host = openByKey(window->listGenerators, "GERBER");
    ASSERT_TRUE(host);
    typeInto(qobject_cast<frmGerberParms*>(host->form())->textpsetupFile, "C:/new.psu");
    closeBy(host->cmdOK);
    EXPECT_TRUE(window->status().startsWith("Not saved")) << window->status().toStdString();
    EXPECT_TRUE(window->status().contains("No such file or directory")) << window->status().toStdString();
    EXPECT_FALSE(QFile::exists(gone));

    QTest::mouseClick(window->cmdConsole, Qt::LeftButton);
    ASSERT_TRUE(vbl_formExists<frmObjectTest>());
    auto* console = vbl_formInstance<frmObjectTest>();
    EXPECT_TRUE(console->isVisible());
    EXPECT_EQ(console->shownAdmObj(), window->database());
}

} // namespace
