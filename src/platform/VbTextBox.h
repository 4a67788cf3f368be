// Text box. Change is raised for typed and for programmatic changes, as the
// forms expect (a handler may set Text again and re-enter). Text set by the
// program shows its first characters (cursor at 0); the user's typing keeps
// its cursor.
#pragma once
#include <QLineEdit>

namespace kalvex {

class VbTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit VbTextBox(QWidget* parent = nullptr);

signals:
    void Change();
    void GotFocus();
    void LostFocus();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    bool m_userEdit = false;
};

} // namespace kalvex
