// Picture box: shows its picture unscaled at its top-left corner on its back
// colour, and can contain other controls.
#pragma once
#include <QFrame>
#include <QPixmap>

namespace kalvex {

class VbPictureBox : public QFrame {
    Q_OBJECT
public:
    explicit VbPictureBox(QWidget* parent = nullptr);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

signals:
    void GotFocus();

protected:
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    QPixmap m_picture;
};

} // namespace kalvex
