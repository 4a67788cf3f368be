// kalvex-edit's one console beside its window, its buttons and lists by keyboard, and the lists' tool tips.
#include <QApplication>
#include <QHeaderView>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>

#include "browser/console_fixture.h"
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

TEST_F(HostWindow, EnterOnConsoleRestoresTheMinimisedConsoleAsLeftUntilTheDatabaseIsSaved)
{
    frmObjectTest* console = vbl_formInstance<frmObjectTest>();
    TList* tree = console->tlistResult;
    const auto pressConsole = [&](Qt::Key key) { // Return, or keypad Enter, on the focused button
        window->activateWindow();
        window->cmdConsole->setFocus();
        QTest::keyClick(window->cmdConsole, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_TRUE(QTest::qWaitForWindowActive(console) && !console->isMinimized()) << key;
        console->showMinimized();
    };
    pressConsole(Qt::Key_Return);
    tree->setCurrentItem(tree->topLevelItem(1));
    QTest::keyClick(tree, Qt::Key_Right);
    typeInto(console->textASCIISource, "typed.mra");
    pressConsole(Qt::Key_Enter);
    EXPECT_TRUE(tree->topLevelItem(1)->isExpanded());
    EXPECT_EQ(console->textASCIISource->text(), "typed.mra");
    typeInto(open<frmGerberParms>("GERBER")->textpsetupFile, "C:/plots/saved.psu");
    clickAndSettle(dialog()->cmdOK);
    pressConsole(Qt::Key_Return);
    EXPECT_FALSE(tree->topLevelItem(1)->isExpanded()) << "shown anew";
    EXPECT_TRUE(treeShows(tree, "C:/plots/saved.psu"));
}

TEST_F(HostWindow, TheListWithoutTheFocusDrawsItsSelectionPlainlyApart)
{
    QTreeView* lists[] = {window->listGenerators, window->listDistributors};
    lists[1]->setCurrentIndex(lists[1]->model()->index(0, 0));
    const auto selectionAt = [](QTreeView* list) { // the first row's right end, where no text reaches
        const QImage shown = list->viewport()->grab().toImage();
        return shown.pixelColor(shown.width() - 4, list->visualRect(list->model()->index(0, 0)).center().y());
    };
    for (const int focused : {0, 1}) {
        lists[focused]->setFocus();
        const QColor a = selectionAt(lists[focused]), b = selectionAt(lists[1 - focused]);
        EXPECT_GT(std::abs(a.lightness() - b.lightness()) + std::abs(a.saturation() - b.saturation()), 60) << focused;
    }
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
