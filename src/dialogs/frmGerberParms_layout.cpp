// The Gerber dialog's panel layout: the file rows fill the width, the header
// and trailer frame sits below them, one grid high.
#include "dialogs/frmGerberParms.h"

#include "dialogs/guiLib.h"
#include "platform/VbCommandButton.h"
#include "platform/VbTextBox.h"
#include "platform/VbTwips.h"
#include "platform/vaSpread.h"

namespace kalvex {

bool frmGerberParms::layoutPanel()
{
    const double margin = guiLib().margin;
    bool ok = vb::setWidth(frameGerbGenParms, vb::width(parmsPanel) - 2 * vb::left(frameGerbGenParms));
    ok = vb::setWidth(FrameGerbHeadFoot, vb::width(frameGerbGenParms) - vb::left(textdcodeFile)) && ok;
    const double top = vb::top(frameGerbGenParms) + vb::height(frameGerbGenParms) + margin / 4;
    vb::setTop(FrameGerbHeadFoot, top);
    ok = vb::setHeight(FrameGerbHeadFoot, vb::height(parmsPanel) - top - margin / 2) && ok;
    resize_genParmsFrame();
    return resize_headFootFrame() && ok;
}

void frmGerberParms::resize_genParmsFrame()
{
    const double x = static_cast<double>(
        roundHalfEven(vb::width(frameGerbGenParms) - vb::width(browsePdesc) - guiLib().gap));
    for (VbCommandButton* b : {browsePdesc, browseMachFile, browseDCODEFile})
        vb::setLeft(b, x);
    gui_formResizePanel(textpsetupFile, browsePdesc);
    gui_formResizePanel(textmachFmtFile, browseMachFile);
    gui_formResizePanel(textdcodeFile, browseDCODEFile);
}

bool frmGerberParms::resize_headFootFrame()
{
    listHeaderLines->setReDraw(true);
    listTrailerLines->setReDraw(true);
    const bool ok =
        vb::setWidth(listHeaderLines, vb::width(FrameGerbHeadFoot) - 2 * vb::left(listHeaderLines));
    vb::move(listTrailerLines, vb::left(listHeaderLines), vb::top(listHeaderLines), vb::width(listHeaderLines),
             vb::height(listTrailerLines));
    vb::setHeight(FrameGerbHeadFoot,
                  vb::top(listHeaderLines) + LineCount * listHeaderLines->rowHeight(1) + guiLib().margin);
    set_headTrailColWidths();
    return ok;
}

void frmGerberParms::set_headTrailColWidths()
{
    const int width = static_cast<int>(vb::width(listHeaderLines)) - listHeaderLines->colWidth(0);
    listHeaderLines->setColWidth(ColText, width);
    listTrailerLines->setColWidth(ColText, width);
}

} // namespace kalvex
