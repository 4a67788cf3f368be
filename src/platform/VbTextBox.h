// Text box. Change is raised for typed and for programmatic changes, as the
// forms expect (a handler may set Text again and re-enter). Text set by the
// program shows its first characters (cursor at 0), also when it is the text
// the box already holds; the user's own editing keeps its cursor, also where a
// rule rewrites what the user typed.
#pragma once
#include <QLineEdit>

namespace kalvex {

class VbTextBox : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY Change USER true)
public:
    explicit VbTextBox(QWidget* parent = nullptr);

    // The program's setter: hides QLineEdit::setText, so set a box's text
    // through a VbTextBox pointer (or the "text" property), never through a
    // QLineEdit one, or it shows its end.
    Q_SLOT void setText(const QString& text);
    // A Change handler's rule rewriting the text the box holds: the cursor
    // keeps its distance from the end, so the person's typing goes on where
    // it was; a rewrite of text the program set still shows the start, as
    // setText puts the cursor at 0 once its Change handlers have run.
    void rewriteText(const QString& text);

signals:
    void Change();
    void GotFocus();
    void LostFocus();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

} // namespace kalvex
