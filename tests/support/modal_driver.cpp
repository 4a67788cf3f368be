#include "support/modal_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

namespace kalvex::test {

namespace {
QString plain(QString s)
{
    s.remove(QLatin1Char('&'));
    return s.trimmed();
}

void closeWindow(QWidget* w)
{
    if (auto* d = qobject_cast<QDialog*>(w))
        d->reject();
    else
        w->close();
}
} // namespace

QWidget* activeModal() { return QApplication::activeModalWidget(); }

namespace {
// Every driver still polling, so that the end of a test can stop them.
QList<QPointer<QTimer>>& liveDrivers()
{
    static QList<QPointer<QTimer>> drivers;
    return drivers;
}
} // namespace

int stopModalDrivers()
{
    int n = 0;
    for (const QPointer<QTimer>& t : std::as_const(liveDrivers()))
        if (t && t->isActive()) {
            t->stop();
            t->deleteLater();
            ++n;
        }
    liveDrivers().clear();
    return n;
}

std::shared_ptr<ModalAnswer> whenModal(std::function<void(QWidget*)> action, int timeoutMs)
{
    auto answer = std::make_shared<ModalAnswer>();
    QPointer<QWidget> before = activeModal();
    auto* poll = new QTimer(qApp);
    liveDrivers().removeAll(nullptr);
    liveDrivers().append(poll);
    poll->setInterval(5);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, poll, [=]() {
        const qint64 elapsed = clock->elapsed();
        QWidget* m = activeModal();
        if (!answer->timedOut && m && m != before.data() && m->isVisible()) {
            poll->stop();
            poll->deleteLater();
            QPointer<QWidget> guard = m;
            answer->title = m->windowTitle();
            if (auto* box = qobject_cast<QMessageBox*>(m))
                answer->text = box->text();
            answer->ran = true;
            action(m);
            if (guard && guard->isVisible()) {
                answer->leftOpen = true;
                closeWindow(guard);
            }
            return;
        }
        if (elapsed >= timeoutMs && !answer->timedOut) {
            // Too late for the answer: from now on a modal window that opens
            // is closed on sight, so a late one cannot block the test.
            answer->timedOut = true;
            if (m && m != before.data())
                closeWindow(m);
        } else if (answer->timedOut) {
            // The late window is the one this answer waited for: close it
            // and stop, so later tests' windows are left alone.
            if (m && m != before.data()) {
                closeWindow(m);
                poll->stop();
                poll->deleteLater();
                return;
            }
            if (elapsed >= timeoutMs + 30000) {
                poll->stop();
                poll->deleteLater();
            }
        }
    });
    poll->start();
    return answer;
}

std::shared_ptr<ModalAnswer> answerMessageBox(const QString& buttonText, int timeoutMs)
{
    return whenModal([buttonText](QWidget* m) { clickButton(m, buttonText); }, timeoutMs);
}

void clickWidget(QWidget* w)
{
    if (w)
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void queueClick(QWidget* control, QPoint at, qint64 stamp)
{
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        auto* e = new QMouseEvent(type, at, control->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        e->setTimestamp(static_cast<quint64>(stamp));
        QCoreApplication::postEvent(control, e);
    }
}

// QTest moves its clock on by a double-click interval before each click.
qint64 lastClickMadeAt() { return QTest::lastMouseTimestamp - QTest::mouseDoubleClickInterval; }

void typeInto(QWidget* box, const QString& text, bool replace)
{
    if (!box)
        return;
    clickWidget(box);
    if (replace)
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    else
        QTest::keyClick(box, Qt::Key_End);
    if (replace && text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

void clearByKeyboard(QWidget* box) { typeInto(box, QString(), true); }

void clickIndicator(QAbstractButton* button)
{
    if (!button)
        return;
    QStyleOptionButton opt;
    opt.initFrom(button);
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    const QRect r = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &opt, button);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, r.center());
}

QAbstractButton* findButton(QWidget* root, const QString& text)
{
    if (!root)
        return nullptr;
    const QString want = plain(text);
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
        if (plain(b->text()) == want && b->isVisible())
            return b;
    return nullptr;
}

bool clickButton(QWidget* root, const QString& text)
{
    QAbstractButton* b = findButton(root, text);
    if (!b || !b->isEnabled())
        return false;
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
    return true;
}

void acceptModal(QWidget* dialog)
{
    if (!dialog)
        return;
    QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QTest::keyClick(target, Qt::Key_Return);
}

void cancelModal(QWidget* dialog)
{
    if (!dialog)
        return;
    QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QTest::keyClick(target, Qt::Key_Escape);
}

int closeLeftoverModals()
{
    int n = 0;
    while (QWidget* m = activeModal()) {
        closeWindow(m);
        QApplication::processEvents();
        if (++n > 20)
            break;
    }
    return n;
}

ModalWatchdog::ModalWatchdog(int ms)
    : m_closed(std::make_shared<int>(0))
{
    auto* t = new QTimer(qApp);
    auto closed = m_closed;
    QObject::connect(t, &QTimer::timeout, t, [closed] { *closed += closeLeftoverModals(); });
    t->start(ms);
    m_timer = t;
}

ModalWatchdog::~ModalWatchdog()
{
    if (m_timer)
        m_timer->deleteLater();
}

} // namespace kalvex::test
