// Frame: a container with a caption and a border; BorderStyle 0 draws
// neither (the frame only groups and positions its children). A disabled
// frame disables its children.
#pragma once
#include <QGroupBox>

namespace kalvex {

class VbFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit VbFrame(QWidget* parent = nullptr);
    explicit VbFrame(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    int borderStyle() const { return m_borderStyle; }
    // 0 none, 1 single.
    void setBorderStyle(int style);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_caption;
    int m_borderStyle = 1;
};

} // namespace kalvex
