#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListView>

#include "browser/browser_fixture.h"
#include "browser/cdialogEx.h"
#include "platform/OpenDialogWindow.h"
#include "platform/VbControl.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

QModelIndex waitForListRow(QListView* view, const QString& name)
{
    QModelIndex found;
    (void)QTest::qWaitFor([&] {
        const QModelIndex root = view->rootIndex();
        for (int r = 0; r < view->model()->rowCount(root); ++r) {
            const QModelIndex i = view->model()->index(r, 0, root);
            if (i.data().toString() == name) {
                found = i;
                return true;
            }
        }
        return false;
    }, 5000);
    return found;
}

// Where Tab (Shift+Tab) takes the focus from `start` until it is back there, at most 100 presses.
QList<QWidget*> tabWalk(QWidget* start, bool back)
{
    QList<QWidget*> seen;
    start->setFocus(Qt::TabFocusReason);
    while (seen.size() < 100 && (seen.isEmpty() || seen.last() != start)) {
        QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        seen << QApplication::focusWidget();
    }
    EXPECT_EQ(seen.last(), start) << "the focus does not come back round";
    return seen;
}

} // namespace

TEST(FileBrowser, AFileChosenBelowTheWorkDirectoryComesBackCollapsed)
{
    SampleDb db;
    db.file("a.gpf");
    db.file("b.gpf");
    QString openedIn, nameField, resultShown;
    bool itemsShown = false;
    const QString answer = runBrowser("${KVX_TASK_WORKDIR}/a.gpf", "GERBER_PLOT_SETUP", db.adm, false,
                                      [&](frmFileBrowser* b) {
        OpenDialogWindow* wnd = b->openDialog();
        openedIn = wnd->items()->directory().absolutePath();
        nameField = qobject_cast<QLineEdit*>(wnd->item(ID_EDT1))->text();
        itemsShown = wnd->item(ID_EDT1)->isVisible() && !wnd->item(IDOK)->isVisible();
        auto* view = wnd->items()->findChild<QListView*>("listView");
        const QModelIndex row = waitForListRow(view, "b.gpf");
        view->scrollTo(row);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(row).center());
        (void)QTest::qWaitFor([&] { return b->textResult->text().endsWith("b.gpf"); }, 2000);
        resultShown = b->textResult->text();
        b->cmdOk->click();
    });
    EXPECT_EQ(openedIn, db.workPath());
    EXPECT_EQ(nameField, "a.gpf");
    EXPECT_TRUE(itemsShown);
    EXPECT_EQ(resultShown, "${KVX_TASK_WORKDIR}/b.gpf");
    EXPECT_EQ(answer, "${KVX_TASK_WORKDIR}/b.gpf");
    // Closed: no hook, no form left behind.
    EXPECT_EQ(vblCdlg_hookHandle(), 0);
    EXPECT_EQ(cdialogEx_form(), nullptr);
    EXPECT_FALSE(vbl_formExists<frmFileBrowser>());
}

TEST(FileBrowser, ATypedResultIsMarkedWhenMissingAndStillAnsweredWithOk)
{
    SampleDb db;
    bool markedMissing = false, markedAfterFix = true;
    QString nested;
    quint32 colourMissing = 0;
    const QString existing = db.file("real.gpf");
    const QString answer = runBrowser("", "GERBER_PLOT_SETUP", db.adm, false, [&](frmFileBrowser* b) {
        typeInto(b->textResult, "${KVX_TASK_WORKDIR}/typed.gpf");
        markedMissing = vb::visible(b->LabelFileErr);
        colourMissing = vb::foreColor(b->textResult);
        typeInto(b->textResult, "${KVX_TASK_WORKDIR}/real.gpf");
        markedAfterFix = vb::visible(b->LabelFileErr);
        typeInto(b->textResult, "${KVX_TASK_WORKDIR}/typed.gpf");
        // A second opening while this one runs is refused.
        nested = morvObjs_parmBrowseFile("", "GERBER_PLOT_SETUP", nullptr, db.adm, false, true);
        QTest::keyClick(b->textResult, Qt::Key_Return);
    });
    EXPECT_TRUE(markedMissing);
    EXPECT_EQ(colourMissing, 255u);
    EXPECT_FALSE(markedAfterFix);
    EXPECT_EQ(answer, "${KVX_TASK_WORKDIR}/typed.gpf");
    EXPECT_EQ(nested, "NODEF");
}

TEST(FileBrowser, CancelAnswersNodefEvenWithAResultShown)
{
    SampleDb db;
    const QString file = db.file("a.gpf");
    QString shown;
    EXPECT_EQ(runBrowser(file, "GERBER_PLOT_SETUP", db.adm, true, [&](frmFileBrowser* b) {
                  shown = b->textResult->text();
                  clickWidget(b->cmdCancel);
              }),
              "NODEF");
    EXPECT_EQ(shown, "${KVX_TASK_WORKDIR}/a.gpf");
    // Escape in the Open dialog's items cancels the same way.
    EXPECT_EQ(runBrowser(file, "GERBER_PLOT_SETUP", db.adm, true, [&](frmFileBrowser* b) {
                  QTest::keyClick(b->openDialog()->item(ID_EDT1), Qt::Key_Escape);
              }),
              "NODEF");
    EXPECT_EQ(vblCdlg_hookHandle(), 0);
}

TEST(FileBrowser, SpecificationsReachTheOpenDialogExpandedAndWithoutBrackets)
{
    SampleDb db;
    db.file("a.gpf");
    QDir(db.workPath()).mkdir("sub");
    struct Seen {
        QString dir, name, ext, result;
        bool errShown = false;
    };
    auto open = [&](const QString& spec) {
        Seen seen;
        runBrowser(spec, "GERBER_PLOT_SETUP", db.adm, false, [&](frmFileBrowser* b) {
            seen.dir = b->cD()->InitDir();
            seen.name = b->cD()->FileName();
            seen.ext = b->cD()->DefaultExt();
            seen.result = b->Result();
            seen.errShown = vb::visible(b->LabelFileErr);
            b->cmdCancel->click();
        });
        return seen;
    };
    const Seen brackets = open("<${KVX_TASK_WORKDIR}/a.gpf>");
    EXPECT_EQ(QDir(brackets.dir).absolutePath(), db.workPath());
    EXPECT_EQ(brackets.name, "a.gpf");
    EXPECT_EQ(brackets.ext, "gpf");
    EXPECT_EQ(brackets.result, "${KVX_TASK_WORKDIR}/a.gpf");
    EXPECT_FALSE(brackets.errShown);

    const Seen noExt = open("${KVX_TASK_WORKDIR}/sub/noext");
    EXPECT_EQ(QDir(noExt.dir).absolutePath(), db.workPath() + "/sub");
    EXPECT_EQ(noExt.name, "");
    EXPECT_EQ(noExt.ext, "");

    // A directory that does not exist leaves the initial directory alone;
    // the text is kept and marked.
    const Seen missing = open("/no/such/dir/x.gpf");
    EXPECT_EQ(missing.dir, "");
    EXPECT_EQ(missing.result, "/no/such/dir/x.gpf");
    EXPECT_TRUE(missing.errShown);
}

TEST(FileBrowser, ACheckOutExpressionOpensOnTabOneWhateverTheFlagSays)
{
    SampleDb db;
    int tab = -1;
    bool tabOneEnabled = false;
    QString result;
    const QString spec = "M_DATA_CHECKOUT_NM><current>#Assembly =to= x.dat";
    runBrowser(spec, "GERBER_PLOT_SETUP", db.adm, false, [&](frmFileBrowser* b) {
        tab = b->SSTabMain->Tab();
        tabOneEnabled = b->SSTabMain->TabEnabled(1);
        result = b->Result();
        b->cmdCancel->click();
    });
    EXPECT_EQ(tab, 1);
    EXPECT_TRUE(tabOneEnabled);
    EXPECT_EQ(result, spec);
    // The keyword is found in any letter case, anywhere in the text.
    runBrowser("xx m_Data_Checkout yy", "GERBER_PLOT_SETUP", db.adm, false, [&](frmFileBrowser* b) {
        tab = b->SSTabMain->Tab();
        b->cmdCancel->click();
    });
    EXPECT_EQ(tab, 1);
    EXPECT_EQ(frmFileBrowser::fileSpec_getSelectMode("  xx VM_LOG_CHECKOUT yy"), 1);
    EXPECT_EQ(frmFileBrowser::fileSpec_getSelectMode("C:\\data\\checkout.dat"), 0);
}

TEST(FileBrowser, WithoutCheckOutAFileSpecificationKeepsTabOneClosed)
{
    SampleDb db;
    int tabAfterClick = -1;
    bool enabled = true;
    bool itemsVisible = false;
    runBrowser(db.file("a.gpf"), "GERBER_PLOT_SETUP", db.adm, false, [&](frmFileBrowser* b) {
        enabled = b->SSTabMain->TabEnabled(1);
        clickTab(b->SSTabMain, 1);
        tabAfterClick = b->SSTabMain->Tab();
        itemsVisible = b->openDialog()->item(ID_EDT1)->isVisible();
        b->cmdCancel->click();
    });
    EXPECT_FALSE(enabled);
    EXPECT_EQ(tabAfterClick, 0);
    EXPECT_TRUE(itemsVisible);
}

TEST(FileBrowser, WithoutCheckOutAnEmptyTextKeepsTabOneClosedToo)
{
    // A fresh form holds the empty text already: setting it changes nothing.
    SampleDb db;
    bool enabled = true;
    int tabAfterClick = -1;
    runBrowser("", "GERBER_PLOT_SETUP", db.adm, false, [&](frmFileBrowser* b) {
        enabled = b->SSTabMain->TabEnabled(1);
        clickTab(b->SSTabMain, 1);
        tabAfterClick = b->SSTabMain->Tab();
        b->cmdCancel->click();
    });
    EXPECT_FALSE(enabled);
    EXPECT_EQ(tabAfterClick, 0);
}

TEST(FileBrowser, TabsSwapTheOpenDialogItemsAndTheResult)
{
    SampleDb db;
    const QString file = db.file("a.gpf");
    bool itemsOnTab1 = true, itemsBack = false;
    QString resultTab1, resultBack;
    runBrowser(file, "GERBER_PLOT_SETUP", db.adm, true, [&](frmFileBrowser* b) {
        clickTab(b->SSTabMain, 1);
        itemsOnTab1 = b->openDialog()->items()->isVisible();
        resultTab1 = b->Result();
        clickTab(b->SSTabMain, 0);
        itemsBack = b->openDialog()->item(ID_EDT1)->isVisible() && !b->openDialog()->item(IDCANCEL)->isVisible();
        resultBack = b->Result();
        b->cmdCancel->click();
    });
    EXPECT_FALSE(itemsOnTab1);
    // Master checked by default, no process chosen yet: no expression.
    EXPECT_EQ(resultTab1, "");
    EXPECT_TRUE(itemsBack);
    EXPECT_EQ(resultBack, "${KVX_TASK_WORKDIR}/a.gpf");
}

TEST(FileBrowser, BothSidesComposeByNameWhileOpenAndByIdentifiersAfterOk)
{
    SampleDb db;
    QString whileOpen, toolTip;
    int cursorAt = -1;
    QStringList masterRows, variantRows, sites;
    const QString answer = runBrowser("", "GERBER_PLOT_SETUP", db.adm, true, [&](frmFileBrowser* b) {
        clickTab(b->SSTabMain, 1);
        for (int i = 0; i < b->comboVARPsite->ListCount(); ++i)
            sites << b->comboVARPsite->List(i);
        clickIndicator(b->checkVariantProcess);
        // The variant site S2 chosen with the keyboard.
        b->comboVARPsite->setFocus();
        while (b->comboVARPsite->currentText() != "S2" && b->comboVARPsite->currentIndex() < b->comboVARPsite->count() - 1)
            QTest::keyClick(b->comboVARPsite, Qt::Key_Down);
        for (int r = 0; r < b->tlistProcMaster->ListCount(); ++r)
            masterRows << b->tlistProcMaster->ItemText(r);
        for (int r = 0; r < b->tlistProcVAR->ListCount(); ++r)
            variantRows << b->tlistProcVAR->ItemText(r);
        clickRow(b->tlistProcMaster, rowOfText(b->tlistProcMaster, "Assembly"));
        clickRow(b->tlistProcVAR, rowOfText(b->tlistProcVAR, "Netlist"));
        whileOpen = b->textResult->text();
        toolTip = b->textResult->toolTip();
        cursorAt = b->textResult->cursorPosition();
        clickWidget(b->cmdOk);
    });
    // The variant's own site is never offered.
    EXPECT_EQ(sites, QStringList({"<current>", "Main plant", "S2"}));
    EXPECT_EQ(masterRows, QStringList({"<current>", "Fabrication", "Gerber data", "Drill data", "Assembly"}));
    EXPECT_EQ(variantRows, QStringList({"S2", "Fabrication", "Gerber data", "Assembly", "Netlist"}));
    EXPECT_EQ(whileOpen,
              "VM_DATA_CHECKOUT_NM><current>#Assembly#S2#Netlist =to= ${KVX_TASK_WORKDIR}\\checkedOut_file.dat");
    // Longer than the box: it shows its start, the whole text on hovering.
    EXPECT_EQ(cursorAt, 0);
    EXPECT_EQ(toolTip, whileOpen);
    EXPECT_EQ(answer, "VM_DATA_CHECKOUT><current>#P_ASM#PS2#P_NET =to= ${KVX_TASK_WORKDIR}\\checkedOut_file.dat");
}

TEST(FileBrowser, AClickOnAGroupRowComesBackToTheAcceptedRow)
{
    SampleDb db;
    int rightAfter = -2, later = -2, accepted = -2;
    bool expanded = false;
    QString resultBefore, resultAfter;
    runBrowser("M_DATA_CHECKOUT><current>#P_ASM =to= out.dat", "GERBER_PLOT_SETUP", db.adm, true,
               [&](frmFileBrowser* b) {
        TList* t = b->tlistProcMaster;
        accepted = t->ListIndex();
        resultBefore = b->Result();
        const int group = rowOfText(t, "Fabrication");
        clickRow(t, group);
        rightAfter = t->ListIndex();
        expanded = t->ItemExpanded(group);
        (void)QTest::qWaitFor([&] { return t->ListIndex() != group; }, 1000);
        later = t->ListIndex();
        resultAfter = b->Result();
        b->cmdCancel->click();
    });
    EXPECT_EQ(accepted, 4); // <current>, Fabrication, Gerber data, Drill data, Assembly
    EXPECT_EQ(rightAfter, 1);
    EXPECT_TRUE(expanded);
    EXPECT_EQ(later, accepted);
    EXPECT_EQ(resultBefore, "M_DATA_CHECKOUT_NM><current>#Assembly =to= out.dat");
    EXPECT_EQ(resultAfter, resultBefore);
}

TEST(FileBrowser, UncheckingASideGreysItAndCheckingRestoresItsRow)
{
    SampleDb db;
    bool treeEnabledOff = true, treeEnabledOn = false;
    int rowOff = -2, rowOn = -2;
    QString resultOff, resultOn, variantOnly;
    runBrowser("VM_LOG_CHECKOUT_NM><current>#Assembly#S2#Netlist =to= out.dat", "GERBER_PLOT_SETUP", db.adm, true,
               [&](frmFileBrowser* b) {
        clickIndicator(b->checkVariantProcess);
        treeEnabledOff = vb::enabled(b->tlistProcVAR);
        rowOff = b->tlistProcVAR->ListIndex();
        resultOff = b->Result();
        clickIndicator(b->checkVariantProcess);
        treeEnabledOn = vb::enabled(b->tlistProcVAR);
        rowOn = b->tlistProcVAR->ListIndex();
        resultOn = b->Result();
        clickIndicator(b->checkMasterProcess);
        variantOnly = b->Result();
        b->cmdCancel->click();
    });
    EXPECT_FALSE(treeEnabledOff);
    EXPECT_EQ(rowOff, -1);
    EXPECT_EQ(resultOff, "M_LOG_CHECKOUT_NM><current>#Assembly =to= out.dat");
    EXPECT_TRUE(treeEnabledOn);
    EXPECT_EQ(rowOn, 4);
    EXPECT_EQ(resultOn, "VM_LOG_CHECKOUT_NM><current>#Assembly#S2#Netlist =to= out.dat");
    EXPECT_EQ(variantOnly, "V_LOG_CHECKOUT_NM>S2#Netlist =to= out.dat");
}

TEST(FileBrowser, UnknownSitesOrProcessesSelectNothing)
{
    SampleDb db;
    int siteIndex = -2, rows = -2, procRow = -2;
    QString answer = runBrowser("M_DATA_CHECKOUT>NOWHERE#P_ASM =to= out.dat", "GERBER_PLOT_SETUP", db.adm, true,
                                [&](frmFileBrowser* b) {
        siteIndex = b->comboMASPsite->ListIndex();
        rows = b->tlistProcMaster->ListCount();
        b->cmdOk->click();
    });
    EXPECT_EQ(siteIndex, -1);
    EXPECT_EQ(rows, 0);
    // Checked without a process: the answer is empty.
    EXPECT_EQ(answer, "");

    runBrowser("M_DATA_CHECKOUT>PS1#NO_SUCH =to= out.dat", "GERBER_PLOT_SETUP", db.adm, true,
               [&](frmFileBrowser* b) {
        siteIndex = b->comboMASPsite->ListIndex();
        procRow = b->tlistProcMaster->ListIndex();
        b->cmdCancel->click();
    });
    EXPECT_EQ(siteIndex, 1); // Main plant
    EXPECT_EQ(procRow, -1);
}

TEST(FileBrowser, WithoutADatabaseOnlyTheCurrentSiteIsOffered)
{
    QStringList entries;
    int rows = -1;
    runBrowser("V_DATA_CHECKOUT_NM><current>#Netlist =to= out.dat", "GERBER_PLOT_SETUP", nullptr, true,
               [&](frmFileBrowser* b) {
        for (int i = 0; i < b->comboVARPsite->ListCount(); ++i)
            entries << b->comboVARPsite->List(i);
        rows = b->tlistProcVAR->ListCount();
        b->cmdCancel->click();
    });
    EXPECT_EQ(entries, QStringList({"<current>"}));
    EXPECT_EQ(rows, 0);
}

TEST(FileBrowser, EachOpeningWorksOnAFreshForm)
{
    SampleDb db;
    QPointer<frmFileBrowser> first;
    runBrowser("", "GERBER_PLOT_SETUP", db.adm, true, [&](frmFileBrowser* b) {
        first = b;
        clickTab(b->SSTabMain, 1);
        b->cmdCancel->click();
    });
    EXPECT_TRUE(first.isNull());
    int tab = -1;
    QString answer = runBrowser(db.file("a.gpf"), "GERBER_PLOT_SETUP", db.adm, true, [&](frmFileBrowser* b) {
        tab = b->SSTabMain->Tab();
        b->cmdOk->click();
    });
    EXPECT_EQ(tab, 0);
    EXPECT_EQ(answer, "${KVX_TASK_WORKDIR}/a.gpf");
    // An id outside the table shows nothing and answers the empty text.
    EXPECT_EQ(morvObjs_parmBrowseFile("x", "gerber_plot_setup", nullptr, db.adm, false, true), "");
}

TEST(FileBrowser, TabKeysLandWhereTheBrowserSteersThem)
{
    SampleDb db;
    bool fromStripIntoCheckout = false, backToStrip = false, shiftTabMoved = false;
    runBrowser(db.file("a.gpf"), "GERBER_PLOT_SETUP", db.adm, true, [&](frmFileBrowser* b) {
        OpenDialogWindow* wnd = b->openDialog();
        wnd->activateWindow();
        (void)QTest::qWaitForWindowActive(wnd);
        // The file tab: Tab visits each control a person can Tab to once, the tab strip among them, and
        // comes back round; Shift+Tab goes the same way back.
        QSet<QWidget*> stops;
        for (QWidget* w : wnd->findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                stops << w;
        const QList<QWidget*> forward = tabWalk(wnd->item(ID_EDT1), false);
        EXPECT_TRUE(stops.contains(b->SSTabMain->focusWindow()) && stops.contains(b->cmdOk));
        EXPECT_EQ(QSet<QWidget*>(forward.begin(), forward.end()), stops);
        EXPECT_EQ(forward.size(), stops.size());
        QList<QWidget*> back(forward.rbegin() + 1, forward.rend());
        EXPECT_EQ(tabWalk(wnd->item(ID_EDT1), true), back << forward.last());
        for (QWidget* w : forward) { // each shows the focus; the style rings the default OK always
            w->setFocus(Qt::TabFocusReason);
            const QImage focused = w->grab().toImage();
            w->clearFocus();
            EXPECT_TRUE(w->grab().toImage() != focused || w == b->cmdOk) << w->objectName().toStdString();
        }

        clickTab(b->SSTabMain, 1);
        b->SSTabMain->SetFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* f = QApplication::focusWidget();
        fromStripIntoCheckout = f && !b->SSTabMain->hasFocusWindow(f) && b->frameCheckoutparms->isAncestorOf(f);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        backToStrip = b->SSTabMain->hasFocusWindow(QApplication::focusWidget());
        // Shift+Tab is left to the normal focus chain.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        shiftTabMoved = !b->SSTabMain->hasFocusWindow(QApplication::focusWidget());
        b->cmdCancel->click();
    });
    EXPECT_TRUE(fromStripIntoCheckout);
    EXPECT_TRUE(backToStrip);
    EXPECT_TRUE(shiftTabMoved);
}
