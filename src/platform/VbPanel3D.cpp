#include "platform/VbPanel3D.h"

namespace kalvex {

VbPanel3D::VbPanel3D(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
}

void VbPanel3D::resizeEvent(QResizeEvent* e)
{
    QFrame::resizeEvent(e);
    emit Resize();
}

} // namespace kalvex
