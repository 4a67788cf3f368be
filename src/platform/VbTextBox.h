// Text box. Change is raised for typed and for programmatic changes, as the
// forms expect (a handler may set Text again and re-enter).
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
};

} // namespace kalvex
