// A focus mark painted over the Open dialog's places list.
#include "platform/OpenDialogFocus.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>

#include "platform/VbFocusMark.h"

namespace kalvex {

namespace {

// Paints the mark over what the list painted; lives as the list's child.
class PlacesFocusMark : public QObject {
public:
    explicit PlacesFocusMark(QAbstractItemView* view) : QObject(view), m_view(view)
    {
        view->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::Paint || m_painting)
            return false;
        // The list paints first (this filter passes the event on), then the mark.
        m_painting = true;
        QCoreApplication::sendEvent(watched, e);
        m_painting = false;
        vbl_paintEmptyViewFocus(m_view);
        return true;
    }

private:
    QAbstractItemView* m_view;
    bool m_painting = false;
};

} // namespace

void markOpenDialogPlacesFocus(QFileDialog& dialog)
{
    if (auto* places = dialog.findChild<QAbstractItemView*>(QStringLiteral("sidebar")))
        new PlacesFocusMark(places);
}

} // namespace kalvex
