#include "platform/VbPictureBox.h"

#include <QPainter>

namespace kalvex {

VbPictureBox::VbPictureBox(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
}

void VbPictureBox::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void VbPictureBox::paintEvent(QPaintEvent* e)
{
    QFrame::paintEvent(e);
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void VbPictureBox::focusInEvent(QFocusEvent* e)
{
    QFrame::focusInEvent(e);
    emit GotFocus();
}

} // namespace kalvex
