// Label with Click and DblClick.
#pragma once
#include <QLabel>

namespace kalvex {

class VbLabel : public QLabel {
    Q_OBJECT
public:
    explicit VbLabel(QWidget* parent = nullptr);
    explicit VbLabel(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

signals:
    void Click();
    void DblClick();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

} // namespace kalvex
