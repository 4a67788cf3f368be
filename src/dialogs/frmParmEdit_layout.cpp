// Layout of frmParmEdit: the batch frame above the grid frame, the button
// strip, the grid and the message lines.
#include "dialogs/frmParmEdit.h"

#include "dialogs/guiLib.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "platform/vaSpread.h"
#include "platform/vbl_form.h"

namespace kalvex {

void frmParmEdit::Form_Resize()
{
    if (vbWindowState() == 1 || form_set_size)
        return;
    if (layoutForm())
        vbl_form_size(this, QStringLiteral("STORE_VALUES"));
    else
        restoreLastSize();
}

bool frmParmEdit::layoutForm()
{
    const GuiMetrics& m = guiLib();
    const double px = 2 * m.twipsPerPixelX;
    const double margin = m.margin;
    bool ok = true;

    vb::setLeft(frameBatchExec, px);
    vb::setTop(frameBatchExec, margin + px);
    const double gridTop = m_batchMode ? vb::top(frameBatchExec) + vb::height(frameBatchExec) + margin : px;

    const double frameWidth = vb::scaleWidth(this) - 2 * px;
    vb::setLeft(frameParms, px);
    vb::setTop(frameParms, gridTop);
    ok = vb::setWidth(frameParms, frameWidth) && ok;
    ok = vb::setHeight(frameParms, vb::scaleHeight(this) - gridTop - margin) && ok;
    ok = vb::setWidth(frameBatchExec, frameWidth) && ok;

    const double panelLeft = vb::left(buttonPanel);
    ok = vb::setWidth(buttonPanel, vb::width(frameParms) - 2 * panelLeft) && ok;

    vb::setLeft(mess1, panelLeft);
    vb::setTop(mess1, vb::height(frameParms) - vb::height(mess1) - margin / 2);
    // The second line shares the first one's row, on its right half.
    const double halfWidth = vb::width(buttonPanel) / 2;
    ok = vb::setWidth(mess1, halfWidth) && ok;
    vb::move(mess2, panelLeft + halfWidth, vb::top(mess1), halfWidth, vb::height(mess1));

    const double gridTopInFrame = vb::top(buttonPanel) + vb::height(buttonPanel) + margin / 2;
    vb::setLeft(parmsGrid, panelLeft);
    vb::setTop(parmsGrid, gridTopInFrame);
    ok = vb::setWidth(parmsGrid, vb::width(buttonPanel)) && ok;
    ok = vb::setHeight(parmsGrid, vb::top(mess1) - gridTopInFrame - margin / 2) && ok;
    vb::move(textFocus, panelLeft, gridTopInFrame, 15, 15);
    setColWidths();

    vb::setLeft(browseBatchFile, vb::width(frameBatchExec) - m.gap - vb::width(browseBatchFile));
    gui_formResizePanel(textBatchfile, browseBatchFile);
    ok = vb::setWidth(textTitle, vb::width(frameBatchExec) - m.gap - vb::left(textTitle)) && ok;
    return ok;
}

void frmParmEdit::buttonPanel_Resize()
{
    const GuiMetrics& m = guiLib();
    const double panelWidth = vb::width(buttonPanel);
    vb::setLeft(cmdDelete, panelWidth - vb::width(cmdDelete) - m.gap / 4.0);
    vb::setLeft(cmdBrowse, vb::left(cmdDelete) - vb::width(cmdBrowse) - m.gap);
    vb::setLeft(cmdNew, vb::left(cmdBrowse) - vb::width(cmdNew) - m.gap);
}

} // namespace kalvex
