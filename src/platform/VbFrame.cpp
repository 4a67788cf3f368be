#include "platform/VbFrame.h"

#include <QPainter>

namespace kalvex {

VbFrame::VbFrame(QWidget* parent)
    : VbFrame(QString(), parent)
{
}

VbFrame::VbFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent)
    , m_caption(caption)
{
}

void VbFrame::setCaption(const QString& caption)
{
    m_caption = caption;
    setTitle(m_borderStyle == 0 ? QString() : caption);
}

void VbFrame::setBorderStyle(int style)
{
    m_borderStyle = style == 0 ? 0 : 1;
    setTitle(m_borderStyle == 0 ? QString() : m_caption);
    update();
}

void VbFrame::paintEvent(QPaintEvent* e)
{
    if (m_borderStyle == 0)
        return; // the background, if any, is filled by the widget itself
    QGroupBox::paintEvent(e);
}

} // namespace kalvex
