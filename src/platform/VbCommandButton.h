// Command button and picture button (a button showing an icon instead of, or
// beside, its caption). Click is raised by a user's click, by Enter or Space
// while it has the focus, and by click(). Clicks made while it was disabled
// do not act once it is enabled again (VbStaleInput.h). A focused picture
// button without a caption draws a ring round itself (vbl_drawFocusRing).
#pragma once
#include <QPushButton>

namespace kalvex {

// Rings a focused button whose own look hides the focus: a small picture
// button, or a default button, whose frame already looks focused.
void vbl_drawFocusRing(QWidget* button);

class VbCommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit VbCommandButton(QWidget* parent = nullptr);
    explicit VbCommandButton(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    void setPicture(const QIcon& icon);

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

} // namespace kalvex
