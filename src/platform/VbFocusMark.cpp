#include "platform/VbFocusMark.h"

#include <QAbstractItemView>
#include <QPainter>

namespace kalvex {

void vbl_paintEmptyViewFocus(QAbstractItemView* view)
{
    if (!view || !view->hasFocus() || view->currentIndex().isValid())
        return;
    // Round the first row as it is drawn, which may be lower than a line of
    // text: the frame never reaches into the row below.
    const QAbstractItemModel* model = view->model();
    QRect line = model ? view->visualRect(model->index(0, 0, view->rootIndex())) : QRect();
    if (line.isEmpty())
        line = QRect(0, 0, 1, view->fontMetrics().height() + 4);
    QPainter p(view->viewport());
    p.setPen(QPen(view->palette().color(QPalette::Text), 1, Qt::DotLine));
    p.drawRect(QRect(1, line.top() + 1, view->viewport()->width() - 3, line.height() - 2));
}

} // namespace kalvex
