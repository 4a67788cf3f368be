// kalvex-edit's one console beside its window, and its lists' tool tips.
#include <QApplication>
#include <QHeaderView>
#include <QToolTip>
#include <algorithm>

#include "edit/host_window_fixture.h"
#include "platform/VbCommandButton.h"
#include "platform/VbTextBox.h"

namespace kalvex::edit::test {
namespace {

TEST_F(HostWindow, ConsoleAgainRaisesTheOneConsoleWithTheHostsFileAndItClosesWithTheWindow)
{
    const auto shownConsoles = [] {
        return std::ranges::count_if(QApplication::topLevelWidgets(),
                                     [](QWidget* w) { return qobject_cast<frmObjectTest*>(w) && w->isVisible(); });
    };
    QTest::mouseClick(window->cmdConsole, Qt::LeftButton);
    frmObjectTest* console = vbl_formInstance<frmObjectTest>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(console));
    EXPECT_EQ(console->textASCIISource->text(), path);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(window->cmdConsole, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitForWindowActive(console));
    EXPECT_EQ(shownConsoles(), 1);
    window->close();
    EXPECT_EQ(shownConsoles(), 0);
}

TEST_F(HostWindow, OnlyACellCutByItsColumnShowsItsTextAsToolTip)
{
    QTreeView* list = window->listGenerators;
    const auto tipOver = [&](int column) {
        const QPoint at = list->visualRect(generatorRow("BNREPNTL").siblingAtColumn(column)).center();
        QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    // The cell that fits first: a tip once shown fades only after a while.
    EXPECT_EQ(tipOver(EntryTableModel::ColName), QString());
    list->header()->resizeSection(EntryTableModel::ColName, 80);
    EXPECT_EQ(tipOver(EntryTableModel::ColName), "Netlists for analysis");
    QToolTip::hideText();
}

} // namespace
} // namespace kalvex::edit::test
