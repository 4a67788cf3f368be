// Timer control: one-shot. Enabling it starts the interval; when it elapses
// the timer disables itself and raises Timer (the handler may enable it
// again); enabling a running timer changes nothing. Changing the interval of a running timer starts it anew. An
// interval of 0 never fires. Carries a Tag like every control.
#pragma once
#include <QObject>
#include <QTimer>

#include "platform/VbControl.h"

namespace kalvex {

class VbTimer : public QObject, public IVbControl {
    Q_OBJECT
public:
    explicit VbTimer(QObject* parent = nullptr, int intervalMs = 0);

    int interval() const { return m_interval; }
    void setInterval(int ms);
    bool isEnabled() const { return m_timer.isActive(); }
    void setEnabled(bool on);

    bool vbEnabled() const override { return isEnabled(); }
    void vbSetEnabled(bool on) override { setEnabled(on); }
    bool vbVisible() const override { return false; }
    void vbSetVisible(bool) override {}
    void vbApplyColors(quint32, quint32) override {}

signals:
    void Timer();

private:
    QTimer m_timer;
    int m_interval = 0;
};

} // namespace kalvex
