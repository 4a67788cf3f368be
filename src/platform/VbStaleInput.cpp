#include "platform/VbStaleInput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QInputEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace kalvex {

namespace {

qint64 clockMs()
{
    static const QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started.elapsed();
}

bool isButtonOrKey(QEvent::Type t)
{
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return true;
    default:
        return false;
    }
}

// The window system's clock, read from the input events passing through the
// application. Only button and key events count: pointer motion may come
// stamped by another source (a cursor moved by code) than the clicks.
class InputClock : public QObject {
public:
    static InputClock& instance()
    {
        static QPointer<InputClock> clock;
        if (!clock) {
            clock = new InputClock(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(clock);
        }
        return *clock;
    }

    bool known() const { return m_known; }
    // Now, in the clock of the last stamped event.
    qint64 now() const { return m_stamp + (clockMs() - m_arrival); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (isButtonOrKey(e->type())) {
            const auto stamp = static_cast<qint64>(static_cast<QInputEvent*>(e)->timestamp());
            if (stamp != 0) {
                m_stamp = stamp;
                m_arrival = clockMs();
                m_known = true;
            }
        }
        return QObject::eventFilter(watched, e);
    }

private:
    using QObject::QObject;
    qint64 m_stamp = 0;
    qint64 m_arrival = 0;
    bool m_known = false;
};

class StaleInputFilter : public QObject {
public:
    explicit StaleInputFilter(QWidget* control)
        : QObject(control)
    {
        InputClock::instance();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        const auto* control = static_cast<QWidget*>(watched);
        if (e->type() == QEvent::EnabledChange && control->isEnabled())
            open();
        else if (m_waiting && isButtonOrKey(e->type())) {
            const auto stamp = static_cast<qint64>(static_cast<QInputEvent*>(e)->timestamp());
            if (stamp != 0 && stamp < m_enabledAt)
                return true;
        }
        return QObject::eventFilter(watched, e);
    }

private:
    void open()
    {
        const InputClock& clock = InputClock::instance();
        m_waiting = clock.known();
        if (!m_waiting)
            return;
        m_enabledAt = clock.now();
        const int round = ++m_round;
        // What the window system had queued is delivered in the event loop's
        // next pass; the second one finds only input made since.
        QTimer::singleShot(0, this, [this, round] {
            QTimer::singleShot(0, this, [this, round] {
                if (round == m_round)
                    m_waiting = false;
            });
        });
    }

    qint64 m_enabledAt = 0;
    int m_round = 0;
    bool m_waiting = false;
};

} // namespace

void vbl_dropStaleInput(QWidget* control)
{
    if (control)
        control->installEventFilter(new StaleInputFilter(control));
}

} // namespace kalvex
