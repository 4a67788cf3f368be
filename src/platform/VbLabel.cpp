#include "platform/VbLabel.h"

#include <QMouseEvent>

namespace kalvex {

VbLabel::VbLabel(QWidget* parent)
    : VbLabel(QString(), parent)
{
}

VbLabel::VbLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
}

void VbLabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit Click();
}

void VbLabel::mouseDoubleClickEvent(QMouseEvent* e)
{
    QLabel::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton)
        emit DblClick();
}

} // namespace kalvex
