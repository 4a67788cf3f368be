#include "platform/VbFocusMark.h"

#include <QAbstractItemView>
#include <QPainter>

namespace kalvex {

void vbl_paintEmptyViewFocus(QAbstractItemView* view)
{
    if (!view || !view->hasFocus() || view->currentIndex().isValid())
        return;
    QPainter p(view->viewport());
    p.setPen(QPen(view->palette().color(QPalette::Text), 1, Qt::DotLine));
    const int line = view->fontMetrics().height() + 4;
    p.drawRect(QRect(1, 1, view->viewport()->width() - 3, line - 2));
}

} // namespace kalvex
