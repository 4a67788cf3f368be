#include "platform/VbCommandButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

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

void VbCommandButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // Styles hide the focus until the keyboard moved it; a person who
    // clicked or whose dialog put the focus here must see it as well.
    if (hasFocus())
        option.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    p.drawControl(QStyle::CE_PushButton, option);
    if (hasFocus() && text().isEmpty() && !icon().isNull()) {
        // The style's mark fades into a small square button's frame and icon.
        QPen pen(palette().color(QPalette::Highlight).darker(130), 2);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.setRenderHint(QPainter::Antialiasing);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 2, 2);
    }
}

} // namespace kalvex
