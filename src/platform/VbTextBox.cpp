#include "platform/VbTextBox.h"

#include <QScopedValueRollback>
#include <limits>

namespace kalvex {

VbTextBox::VbTextBox(QWidget* parent)
    : QLineEdit(parent)
{
    // A bound box must hold a stored value whole: one cut at the line edit's
    // default limit would be written back cut.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, [this] {
        // Text set by the program shows its start, as the platform's boxes
        // do; the user's own typing keeps its cursor, also where a Change
        // handler rewrites the typed text.
        if (!m_userEdit && !isModified())
            setCursorPosition(0);
        emit Change();
    });
}

void VbTextBox::keyPressEvent(QKeyEvent* e)
{
    const QScopedValueRollback<bool> edit(m_userEdit, true);
    QLineEdit::keyPressEvent(e);
}

void VbTextBox::inputMethodEvent(QInputMethodEvent* e)
{
    const QScopedValueRollback<bool> edit(m_userEdit, true);
    QLineEdit::inputMethodEvent(e);
}

void VbTextBox::mouseReleaseEvent(QMouseEvent* e)
{
    const QScopedValueRollback<bool> edit(m_userEdit, true); // a middle-button paste
    QLineEdit::mouseReleaseEvent(e);
}

void VbTextBox::dropEvent(QDropEvent* e)
{
    const QScopedValueRollback<bool> edit(m_userEdit, true);
    QLineEdit::dropEvent(e);
}

void VbTextBox::contextMenuEvent(QContextMenuEvent* e)
{
    const QScopedValueRollback<bool> edit(m_userEdit, true); // paste, cut, undo from the menu
    QLineEdit::contextMenuEvent(e);
}

void VbTextBox::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    emit GotFocus();
}

void VbTextBox::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    emit LostFocus();
}

} // namespace kalvex
