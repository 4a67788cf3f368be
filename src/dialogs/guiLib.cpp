#include "dialogs/guiLib.h"

#include "platform/VbControl.h"
#include "platform/VbOptionButton.h"
#include "platform/VbTwips.h"

namespace kalvex {

void gui_formResizePanel(QObject* textBox, QObject* button)
{
    if (!textBox || !button)
        return;
    gui_centerVertically(textBox, button, false);
    vb::setWidth(textBox, vb::left(button) - vb::left(textBox) - guiLib().quarterGap);
}

double gui_fillPanel(QObject* panel, QObject* frame)
{
    if (!panel)
        return 0;
    if (frame)
        vb::move(frame, 0, 0, vb::width(panel), vb::height(panel));
    return static_cast<double>(roundHalfEven(vb::width(panel) - guiLib().gap));
}

void gui_placeBrowseRow(QObject* textBox, QObject* button, double rightEdge)
{
    if (!button)
        return;
    vb::setLeft(button, rightEdge - vb::width(button));
    gui_formResizePanel(textBox, button);
}

void gui_stretchToRight(QObject* control, double rightEdge)
{
    if (control)
        vb::setWidth(control, rightEdge - vb::left(control));
}

void gui_stackOptions(const VbOptionArray& buttons, double left, double top, double width, double height,
                      double step)
{
    for (int i = 0; i < buttons.count(); ++i)
        vb::move(buttons[i], left, top + i * step, width, height);
}

} // namespace kalvex
