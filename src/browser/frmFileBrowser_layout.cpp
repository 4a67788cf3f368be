// Layout of the composite dialog: the Open dialog's items over the file
// tab's frame, the tab strip, the result line and the buttons below it.
#include <QApplication>

#include "browser/frmFileBrowser.h"
#include "platform/guiGeometry.h"
#include "platform/CommonDialogDirect6.h"
#include "platform/OpenDialogWindow.h"
#include "platform/SSTab.h"
#include "platform/TList.h"
#include "platform/VbCheckBox.h"
#include "platform/VbComboBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbFrame.h"
#include "platform/VbLabel.h"
#include "platform/VbOptionButton.h"
#include "platform/VbPictureBox.h"
#include "platform/VbTextBox.h"
#include "platform/VbTwips.h"

namespace kalvex {

namespace {

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;
// Height of the file frame in pixels, and with the read-only box.
constexpr int FILE_FRAME_HEIGHT = 240;
constexpr int FILE_FRAME_HEIGHT_RO = 260;

} // namespace

QList<QWidget*> frmFileBrowser::browserItems(bool all) const
{
    QList<QWidget*> items;
    if (!m_openDlg)
        return items;
    auto add = [&](int id) {
        if (QWidget* w = m_openDlg->item(id))
            items << w;
    };
    add(ID_STC4);
    add(ID_CMB2);
    items << m_openDlg->toolBar();
    add(ID_STC3);
    add(ID_EDT1);
    add(ID_STC2);
    add(ID_CMB1);
    if (all || m_showOk)
        add(IDOK);
    if (all || m_showCancel)
        add(IDCANCEL);
    if (all || m_showReadOnly)
        add(ID_CHX1);
    add(ID_LST1);
    add(ID_LST2);
    return items;
}

void frmFileBrowser::cDialog_placeInFrame(QWidget* item)
{
    // The items keep their place relative to one another: their container
    // goes over the frame, 2 pixels down.
    if (!item || !m_openDlg)
        return;
    const QPoint topLeft = frameFileGUI->mapTo(m_controls, QPoint(0, 0)) + QPoint(0, 2);
    item->move(topLeft);
}

void frmFileBrowser::show_browserItems(int showCommand, bool move)
{
    if (!m_openDlg)
        return;
    EmbeddedFileDialog* container = m_openDlg->items();
    if (move) {
        cDialog_placeInFrame(container);
        for (QWidget* w : browserItems(true))
            w->hide();
        if (QWidget* ro = m_openDlg->item(ID_CHX1))
            ro->setEnabled(false);
        return;
    }
    const bool show = showCommand == SW_SHOW;
    // The container only carries the items; hidden, it leaves the check-out
    // tab free for the mouse.
    container->setVisible(show);
    for (QWidget* w : browserItems(false))
        w->setVisible(show);
    if (QWidget* look = m_openDlg->item(ID_CMB2))
        look->setEnabled(show);
    if (m_showReadOnly)
        if (QWidget* ro = m_openDlg->item(ID_CHX1))
            ro->setEnabled(true);
    // The items' button box hands the focus on to their OK button: with that
    // button hidden, Tab would stop on the box and stay there.
    if (QWidget* ok = m_openDlg->item(IDOK))
        ok->parentWidget()->setFocusProxy(show && m_showOk ? ok : nullptr);
    if (show)
        container->raise();
}

void frmFileBrowser::cDialog_moveItems()
{
    if (!m_openDlg)
        return;
    EmbeddedFileDialog* items = m_openDlg->items();
    // What the items need, taken while all of them still count.
    const QSize itemsHint = items->sizeHint();

    // 1-2. Items over the frame, hidden until the first folder is shown.
    m_controls->setParent(m_openDlg);
    m_controls->hide();
    show_browserItems(SW_HIDE, true);

    // 4. The frame: as wide as the items reach to the right edge of their
    // Cancel button less 6 pixels, and 240 pixels high (260 with the
    // read-only box), or what the items need when that is more.
    const int frameW = qMax(itemsHint.width() - 6, 420);
    const int frameH = qMax(m_showReadOnly ? FILE_FRAME_HEIGHT_RO : FILE_FRAME_HEIGHT, itemsHint.height());
    vb::setWidth(frameFileGUI, pixelsToTwipsX(frameW));
    vb::setHeight(frameFileGUI, pixelsToTwipsY(frameH));
    vb::setWidth(frameCheckoutparms, vb::width(frameFileGUI));
    vb::setHeight(frameCheckoutparms, vb::height(frameFileGUI));
    resize_checkoutParms();

    // 5. Tab strip around the frame: side margins, 60 twips below it.
    const GuiMetrics& g = guiLib();
    const QSize chrome = SSTabMain->chromeSize();
    vb::move(frameFileGUI, m_sideMargin, m_frameTop, vb::width(frameFileGUI), vb::height(frameFileGUI));
    vb::move(frameCheckoutparms, m_sideMargin, m_frameTop, vb::width(frameFileGUI), vb::height(frameFileGUI));
    const int tabW = frameW + twipsToPixelsX(2 * m_sideMargin) + chrome.width();
    const int tabH = twipsToPixelsY(m_frameTop) + frameH + twipsToPixelsY(60) + chrome.height();
    SSTabMain->setGeometry(twipsToPixelsX(m_sideMargin), twipsToPixelsY(m_sideMargin), tabW, tabH);

    // The result line below the tab strip.
    const double tabLeftTw = vb::left(SSTabMain);
    const double tabBottomTw = vb::top(SSTabMain) + vb::height(SSTabMain);
    vb::move(frameFeedback, tabLeftTw, tabBottomTw + g.margin / 2.0, vb::width(SSTabMain), 600);
    const double inner = vb::width(frameFeedback);
    vb::move(Label1, 0, 0, inner / 2, 240);
    vb::move(textResult, 0, 255, inner, 315);
    vb::move(LabelFileErr, inner / 2, 0, inner / 2, 240);

    // 6. Help, Cancel and OK from the right edge of the tab strip.
    const double buttonsTop = vb::top(frameFeedback) + vb::height(frameFeedback) + g.margin / 2.0;
    gui_placeDialogButtons(this, QStringLiteral("RB"), tabLeftTw + vb::width(SSTabMain), buttonsTop, false, true,
                           true, true);

    // 7-8. The container, and the Open dialog's window around it.
    const double width = tabLeftTw + vb::width(SSTabMain) + tabLeftTw;
    const double height = vb::top(cmdOk) + vb::height(cmdOk) + g.margin / 2.0;
    vb::move(m_controls, 0, 0, width, height);
    m_openDlg->resize(twipsToPixelsX(width), twipsToPixelsY(height));
    m_openDlg->move(0, 0);
    if (m_cD)
        m_cD->PlaceDialog(m_hookDlg);
    // The items over the frame: the frame's place in the window, found from
    // the tab strip's geometry (its pages are laid out only once shown).
    items->resize(frameW, frameH);
    const QPoint frameInWindow = SSTabMain->pos() + QPoint(chrome.width() / 2, chrome.height() - chrome.width() / 2)
        + frameFileGUI->pos() + QPoint(0, 2);
    items->move(frameInWindow);
}

void frmFileBrowser::resize_checkoutParms()
{
    const GuiMetrics& g = guiLib();
    const double w = vb::width(frameCheckoutparms);
    const double h = vb::height(frameCheckoutparms);
    const double gap = g.gap;
    // Data or log: the first option at the left edge, the second keeps its distance.
    VbOptionButton* opt0 = OptFtype->at(0);
    VbOptionButton* opt1 = OptFtype->at(1);
    const double distance = vb::left(opt1) - vb::left(opt0);
    vb::setLeft(opt0, 0);
    vb::setLeft(opt1, distance > 0 ? distance : 2600);
    // Destination line at the bottom, half a margin above the edge.
    const double lineH = vb::height(textCheckedOutFile);
    const double lineTop = h - g.margin / 2.0 - lineH;
    const double labelW = vb::width(labelCOutFile);
    vb::move(labelCOutFile, 0, lineTop + (lineH - vb::height(labelCOutFile)) / 2, labelW, vb::height(labelCOutFile));
    vb::move(textCheckedOutFile, labelW + g.quarterGap, lineTop, qMax(0.0, w - labelW - g.quarterGap), lineH);
    // The two sides above it, half the width each.
    const double optTop = vb::top(opt0);
    const double optH = vb::height(opt0);
    const double sidesTop = optTop + optH + gap / 2;
    const double sideW = qMax(0.0, (w - gap) / 2);
    const double sideH = qMax(0.0, lineTop - gap / 2 - sidesTop);
    vb::move(frameCoutMaster, 0, sidesTop, sideW, sideH);
    vb::move(frameCoutVar, sideW + gap, sidesTop, sideW, sideH);
    for (VbComboBox* combo : {comboMASPsite, comboVARPsite})
        vb::setWidth(combo, qMax(0.0, sideW - 2 * vb::left(combo)));
    for (TList* tree : {tlistProcMaster, tlistProcVAR}) {
        vb::setWidth(tree, qMax(0.0, sideW - 2 * vb::left(tree)));
        vb::setHeight(tree, qMax(0.0, sideH - vb::top(tree) - gap));
    }
}

} // namespace kalvex
