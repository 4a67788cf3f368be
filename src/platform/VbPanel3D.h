// The 3-D panel: a flat, borderless container that raises Resize when its
// size changes.
#pragma once
#include <QFrame>

namespace kalvex {

class VbPanel3D : public QFrame {
    Q_OBJECT
public:
    explicit VbPanel3D(QWidget* parent = nullptr);

signals:
    void Resize();

protected:
    void resizeEvent(QResizeEvent* e) override;
};

} // namespace kalvex
