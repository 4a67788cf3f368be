#include "platform/VbLabel.h"

#include <QMouseEvent>

namespace kalvex {

VbLabel::VbLabel(QWidget* parent)
    : VbLabel(QString(), parent)
{
}

VbLabel::VbLabel(const QString& caption, QWidget* parent)
    : QLabel(parent)
{
    setCaption(caption);
}

void VbLabel::setCaption(const QString& caption)
{
    m_caption = caption;
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                shown += caption[++i];
            continue;
        }
        shown += caption[i];
    }
    setText(shown);
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
