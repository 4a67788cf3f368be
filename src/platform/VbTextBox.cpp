#include "platform/VbTextBox.h"

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

namespace {
// Marks the box as edited by the user while one of its input handlers runs.
class UserEdit {
public:
    explicit UserEdit(bool& flag) : m_flag(flag), m_was(flag) { m_flag = true; }
    ~UserEdit() { m_flag = m_was; }
    UserEdit(const UserEdit&) = delete;
    UserEdit& operator=(const UserEdit&) = delete;

private:
    bool& m_flag;
    bool m_was;
};
} // namespace

void VbTextBox::keyPressEvent(QKeyEvent* e)
{
    const UserEdit edit(m_userEdit);
    QLineEdit::keyPressEvent(e);
}

void VbTextBox::inputMethodEvent(QInputMethodEvent* e)
{
    const UserEdit edit(m_userEdit);
    QLineEdit::inputMethodEvent(e);
}

void VbTextBox::mouseReleaseEvent(QMouseEvent* e)
{
    const UserEdit edit(m_userEdit); // a middle-button paste
    QLineEdit::mouseReleaseEvent(e);
}

void VbTextBox::dropEvent(QDropEvent* e)
{
    const UserEdit edit(m_userEdit);
    QLineEdit::dropEvent(e);
}

void VbTextBox::contextMenuEvent(QContextMenuEvent* e)
{
    const UserEdit edit(m_userEdit); // paste, cut, undo from the menu
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
