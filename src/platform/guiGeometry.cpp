#include "platform/guiGeometry.h"

#include "platform/VbControl.h"
#include "platform/VbForm.h"
#include "platform/VbTwips.h"

namespace kalvex {

namespace {
GuiMetrics& moduleValues()
{
    static GuiMetrics values;
    return values;
}
} // namespace

GuiMetrics gui_computeMetrics(double tppX, double tppY)
{
    GuiMetrics m;
    m.twipsPerPixelX = tppX;
    m.twipsPerPixelY = tppY;
    m.gap = static_cast<int>(roundHalfEven(6 * tppX));
    m.quarterGap = static_cast<int>(roundHalfEven(m.gap / 4.0));
    m.narrowWidth = static_cast<int>(roundHalfEven(25 * tppX));
    m.initialised = true;
    return m;
}

void gui_getScreenMetrics()
{
    if (moduleValues().initialised)
        return;
    moduleValues() = gui_computeMetrics(twipsPerPixelX(), twipsPerPixelY());
}

const GuiMetrics& guiLib()
{
    gui_getScreenMetrics();
    return moduleValues();
}

void gui_setButtonSize(QObject* control, bool narrow, bool square)
{
    const GuiMetrics& m = guiLib();
    if (narrow) {
        vb::setWidth(control, m.narrowWidth);
        vb::setHeight(control, m.narrowHeight);
    } else if (square) {
        vb::setWidth(control, m.squareWidth);
        vb::setHeight(control, m.squareHeight);
    } else {
        vb::setWidth(control, m.buttonWidth);
        vb::setHeight(control, m.buttonHeight);
    }
}

void gui_placeDialogButtons(VbForm* form, const QString& anchor, double right, double top, bool hasApply,
                            bool hasHelp, bool hasCancel, bool hasOK)
{
    if (!form || anchor != QLatin1String("RB"))
        return;
    const double gap = guiLib().gap;
    QObject* help = form->controlByName(QStringLiteral("cmdHelp"));
    QObject* apply = form->controlByName(QStringLiteral("cmdApply"));
    QObject* cancel = form->controlByName(QStringLiteral("cmdCancel"));
    QObject* ok = form->controlByName(QStringLiteral("cmdOk"));
    if ((hasHelp && !help) || (hasCancel && !cancel))
        return;
    if (hasHelp)
        vb::setTop(help, top);
    if (hasCancel)
        vb::setTop(cancel, top);
    double okWidth = 0;
    if (hasOK && ok) {
        vb::setTop(ok, top);
        okWidth = vb::width(ok);
    }
    if (hasApply && apply)
        vb::setTop(apply, top);

    double x = right;
    if (hasHelp) {
        x = right - vb::width(help);
        vb::setLeft(help, x);
    }
    if (hasApply && apply) {
        x = x - vb::width(apply) - gap;
        vb::setLeft(apply, x);
    }
    if (hasCancel) {
        x = x - vb::width(cancel) - gap;
        vb::setLeft(cancel, x);
    }
    x = x - okWidth - gap;
    if (hasOK && ok)
        vb::setLeft(ok, x);
}

void gui_centerVertically(QObject* reference, QObject* control, bool inside)
{
    if (!reference || !control)
        return;
    const double half = vb::height(reference) / 2;
    const double centre = static_cast<double>(roundHalfEven(inside ? half : vb::top(reference) + half));
    vb::setTop(control, centre - vb::height(control) / 2);
}

} // namespace kalvex
