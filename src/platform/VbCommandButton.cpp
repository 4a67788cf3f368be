#include "platform/VbCommandButton.h"

#include <QKeyEvent>
#include <QPainter>

#include "platform/VbStaleInput.h"

namespace kalvex {

VbCommandButton::VbCommandButton(QWidget* parent)
    : VbCommandButton(QString(), parent)
{
}

VbCommandButton::VbCommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    // Enter belongs to the form's own key handling, not to a default button.
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { emit Click(); });
    vbl_dropStaleInput(this);
}

void VbCommandButton::keyPressEvent(QKeyEvent* e)
{
    // A focused button takes Enter itself, as Space, whatever the form does
    // with Enter elsewhere.
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        e->accept();
        if (!e->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void VbCommandButton::setPicture(const QIcon& icon)
{
    setIcon(icon);
    setIconSize(QSize(16, 16));
}

void VbCommandButton::paintEvent(QPaintEvent* e)
{
    QPushButton::paintEvent(e);
    // The style's focus mark fades into a small square button's frame and icon.
    if (hasFocus() && text().isEmpty() && !icon().isNull())
        vbl_drawFocusRing(this);
}

void vbl_drawFocusRing(QWidget* button)
{
    QPainter p(button);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(button->palette().color(QPalette::Highlight).darker(130), 2));
    p.drawRoundedRect(QRectF(button->rect()).adjusted(1, 1, -1, -1), 2, 2);
}

} // namespace kalvex
