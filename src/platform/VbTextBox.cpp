#include "platform/VbTextBox.h"

#include <limits>

namespace kalvex {

VbTextBox::VbTextBox(QWidget* parent)
    : QLineEdit(parent)
{
    // A bound box must hold a stored value whole: one cut at the line edit's
    // default limit would be written back cut.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, [this] { emit Change(); });
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
