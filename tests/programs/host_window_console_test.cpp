// kalvex-edit's window with the console beside it and its lists read as a
// person reads them: one console, brought to the front and reading the
// host's file, closed with the window; a cut name in full as a tool tip.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QTreeView>

#include "admin_file.h"
#include "browser/frmObjectTest.h"
#include "edit_window.h"
#include "interfaces/IKalvexGenerators.h"
#include "interfaces/IKalvexStorageCtrl.h"
#include "platform/VbCommandButton.h"
#include "platform/VbTextBox.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::edit;
using namespace kalvex::test;

namespace {

const QString kLongName = QStringLiteral("Netlists for analysis #1, every format the test house reads, with fixtures");

class HostWindowAndConsole : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The host's file differs from the bundled example: one entry fewer,
        // one name longer than any column starts.
        LoadedDatabase db = loadAdminFile(QStringLiteral(KALVEX_SOURCE_DIR "/examples/demo.mra"));
        ASSERT_TRUE(db.adm) << db.error.toStdString();
        db.adm->generators()->remove(QStringLiteral("EXT_PNP"));
        db.adm->generators()->item(QStringLiteral("BNREPNTL"))->setName(kLongName);
        ASSERT_EQ(saveAdminFile(db.adm, path), QString());
        db = loadAdminFile(path);
        ASSERT_TRUE(db.adm) << db.error.toStdString();
        window = std::make_unique<EditWindow>();
        window->setDatabase(db.adm, path);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        closeLeftoverModals();
        QToolTip::hideText();
        window.reset();
        vbl_formRelease<frmObjectTest>();
    }

    int shownConsoles() const
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<frmObjectTest*>(w) && w->isVisible();
        return n;
    }

    // The tool tip the generators' list shows over a cell; empty for none.
    QString toolTipOver(int row, int column)
    {
        QTreeView* list = window->listGenerators;
        const QPoint at = list->visualRect(list->model()->index(row, column)).center();
        QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("host.mra"));
    std::unique_ptr<EditWindow> window;
};

TEST_F(HostWindowAndConsole, ConsoleAgainComesToTheFrontLoadsTheHostsFileAndClosesWithTheWindow)
{
    QTest::mouseClick(window->cmdConsole, Qt::LeftButton);
    frmObjectTest* console = vbl_formInstance<frmObjectTest>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(console));
    EXPECT_EQ(console->textASCIISource->text(), path);

    // Back to the host window; Console again brings the open console forward.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(window->cmdConsole, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitForWindowActive(console));
    EXPECT_EQ(shownConsoles(), 1);

    // Load reads what the host shows, under the host's title.
    auto noBox = answerMessageBox("OK", 300);
    clickWidget(console->cmdLoadGenRUV);
    EXPECT_FALSE(noBox->ran) << noBox->text.toStdString();
    EXPECT_EQ(console->lastLoadStatus(), STORAGE_OK) << console->lastLoadError().toStdString();
    ASSERT_TRUE(console->admObj());
    EXPECT_EQ(console->admObj()->generators()->count(), window->database()->generators()->count());
    EXPECT_FALSE(console->admObj()->generators()->exists(QStringLiteral("EXT_PNP")));
    EXPECT_EQ(console->caption(), "Object test - host.mra");

    window->close();
    EXPECT_FALSE(console->isVisible());
    EXPECT_EQ(shownConsoles(), 0);
}

TEST_F(HostWindowAndConsole, ANameCutByItsColumnReadsInFullAsToolTip)
{
    QTreeView* list = window->listGenerators;
    const QModelIndex row = list->model()
                                ->match(list->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("BNREPNTL"), 1,
                                        Qt::MatchExactly)
                                .value(0);
    ASSERT_TRUE(row.isValid());
    // Cells without a tip first: a tip shown fades out only after a while.
    EXPECT_EQ(toolTipOver(row.row(), EntryTableModel::ColName), QString()) << "the name fits as the window opens";
    list->header()->resizeSection(EntryTableModel::ColName, 80);
    EXPECT_EQ(toolTipOver(row.row(), EntryTableModel::ColId), QString()) << "the id fits";
    EXPECT_EQ(toolTipOver(row.row(), EntryTableModel::ColName), kLongName);
}

} // namespace
