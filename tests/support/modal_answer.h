// Answering modal dialogs from a test: the answer is scheduled before the
// dialog is opened and runs once the dialog is the active modal window. The
// answer must always close the dialog; a watchdog rejects any modal window
// still open after the time limit so that a failing test cannot hang.
#pragma once
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace kalvex::test {

// Runs answer(window) when a modal window other than `except` is active.
inline void whenModal(std::function<void(QWidget*)> answer, QWidget* except = nullptr, int limitMs = 10000)
{
    auto timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QPointer<QWidget> skip(except);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer, skip, limitMs] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w != skip.data() && w->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(w);
            return;
        }
        if (clock->elapsed() > limitMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

// While it lives, rejects any modal window still open after limitMs.
class Watchdog {
public:
    explicit Watchdog(int limitMs = 15000)
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            for (int i = 0; i < 8; ++i) {
                QWidget* w = QApplication::activeModalWidget();
                if (!w)
                    break;
                if (auto* d = qobject_cast<QDialog*>(w))
                    d->reject();
                else
                    w->close();
            }
        });
        m_timer.start(limitMs);
    }

private:
    QTimer m_timer;
};

} // namespace kalvex::test
