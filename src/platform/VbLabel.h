// Label with Click and DblClick. Its Caption follows the forms' mnemonic
// syntax: "&&" shows one "&", a single "&" marks the next letter and is not
// shown.
#pragma once
#include <QLabel>

namespace kalvex {

class VbLabel : public QLabel {
    Q_OBJECT
public:
    explicit VbLabel(QWidget* parent = nullptr);
    explicit VbLabel(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

signals:
    void Click();
    void DblClick();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QString m_caption;
};

} // namespace kalvex
