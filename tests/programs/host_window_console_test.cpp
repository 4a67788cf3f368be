// kalvex-edit's one console beside its window, its buttons and lists by keyboard, and the lists' tool tips.
#include <QApplication>
#include <QHeaderView>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>

#include "browser/console_fixture.h"
#include "edit/host_window_fixture.h"
#include "platform/TList.h"
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

TEST_F(HostWindow, ConsoleRestoresTheMinimisedConsoleAsLeftUntilTheDatabaseIsSaved)
{
    QTest::mouseClick(window->cmdConsole, Qt::LeftButton);
    frmObjectTest* console = vbl_formInstance<frmObjectTest>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(console));
    TList* tree = console->tlistResult;
    tree->setFocus();
    tree->setCurrentItem(tree->topLevelItem(1));
    QTest::keyClick(tree, Qt::Key_Right);
    ASSERT_TRUE(tree->topLevelItem(1)->isExpanded());
    typeInto(console->textASCIISource, "typed.mra");
    // Return and keypad Enter on the focused button press it, as Space does.
    const auto pressConsole = [&](Qt::Key key) {
        console->showMinimized();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->cmdConsole->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window->cmdConsole, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_TRUE(QTest::qWaitForWindowActive(console)) << key;
        EXPECT_FALSE(console->windowState() & Qt::WindowMinimized) << key;
    };
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        pressConsole(key);
        EXPECT_TRUE(tree->topLevelItem(1)->isExpanded()) << key;
        EXPECT_EQ(console->textASCIISource->text(), "typed.mra") << key;
    }

    // Saved since: the console shows the database anew, the saved value in it.
    typeInto(open<frmGerberParms>("GERBER")->textpsetupFile, "C:/plots/saved.psu");
    clickAndSettle(dialog()->cmdOK);
    ASSERT_FALSE(dialog());
    EXPECT_FALSE(treeShows(tree, "C:/plots/saved.psu")) << "a save alone leaves the console as it is";
    pressConsole(Qt::Key_Return);
    EXPECT_FALSE(tree->topLevelItem(1)->isExpanded());
    EXPECT_EQ(console->textASCIISource->text(), path);
    EXPECT_TRUE(treeShows(tree, "C:/plots/saved.psu"));

    window->cmdEdit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window->cmdEdit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(dialog()) << "Enter presses Edit too";
}

TEST_F(HostWindow, TheListWithoutTheFocusDrawsItsSelectionInactive)
{
    QTreeView* lists[] = {window->listGenerators, window->listDistributors};
    lists[1]->setCurrentIndex(lists[1]->model()->index(0, 0));
    // The selected first row at the right end, where no text reaches.
    const auto selectionColour = [](QTreeView* list) {
        const QImage shown = list->viewport()->grab().toImage();
        return shown.pixelColor(shown.width() - 4, list->visualRect(list->model()->index(0, 0)).center().y());
    };
    lists[0]->setFocus();
    const QColor focused = selectionColour(lists[0]), unfocused = selectionColour(lists[1]);
    const auto apart = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    };
    EXPECT_GT(apart(focused, unfocused), 100) << "plainly different, not a shade of the style's gradient";
    lists[1]->setFocus();
    EXPECT_LT(apart(selectionColour(lists[1]), focused), 10);
    EXPECT_LT(apart(selectionColour(lists[0]), unfocused), 10);
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
