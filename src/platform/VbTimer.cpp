#include "platform/VbTimer.h"

namespace kalvex {

VbTimer::VbTimer(QObject* parent, int intervalMs)
    : QObject(parent)
    , m_interval(intervalMs)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { emit Timer(); });
}

void VbTimer::setInterval(int ms)
{
    m_interval = qMax(0, ms);
    if (m_timer.isActive()) {
        m_timer.stop();
        setEnabled(true);
    }
}

void VbTimer::setEnabled(bool on)
{
    if (!on || m_interval <= 0) {
        m_timer.stop();
        return;
    }
    if (!m_timer.isActive())
        m_timer.start(m_interval);
}

} // namespace kalvex
