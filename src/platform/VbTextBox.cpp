// The platform layer's text box: Change on every change, program text shown
// from its start.
#include "platform/VbTextBox.h"

#include <limits>

namespace kalvex {

VbTextBox::VbTextBox(QWidget* parent)
    : QLineEdit(parent)
{
    // A bound box must hold a stored value whole: one cut at the line edit's
    // default limit would be written back cut.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, &VbTextBox::Change);
}

void VbTextBox::setText(const QString& text)
{
    // The line edit leaves its cursor at the end, and where the text is the
    // one it holds it leaves the cursor where the user put it: the platform's
    // boxes show the start of a text set by the program, every time.
    QLineEdit::setText(text);
    setCursorPosition(0);
}

void VbTextBox::rewriteText(const QString& text)
{
    const qsizetype fromEnd = QLineEdit::text().size() - cursorPosition();
    QLineEdit::setText(text);
    setCursorPosition(static_cast<int>(qMax<qsizetype>(0, text.size() - fromEnd)));
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
