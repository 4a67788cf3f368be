#include "platform/VbCommandButton.h"

#include <QKeyEvent>

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

} // namespace kalvex
