// Drivers for modal windows in widget tests: answer a dialog the way a user
// would, and never leave one open.
//
//   auto seen = whenModal([](QWidget* dlg) { typeInto(findChildByName<QLineEdit>(dlg, "fileNameEdit"), "a.txt");
//                                            acceptModal(dlg); });
//   dialog.exec();                       // returns once the answer ran
//   EXPECT_TRUE(seen->ran);
//
// The action runs on the first modal window that opens after the call (not
// one open already). It must not ASSERT (an early return would leave the
// window open): record what you saw and check it after exec() returns.
// Whatever is still open after the action is rejected; when no modal window
// appears within the timeout, the first that opens later (within another
// 30 s) is rejected on sight. Both are reported in the returned record.
#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QAbstractButton;
class QCheckBox;
class QRadioButton;

namespace kalvex::test {

struct ModalAnswer {
    bool ran = false;             // the action ran on a modal window
    bool leftOpen = false;        // the window was still open after the action
    bool timedOut = false;        // no modal window appeared, or it was never answered
    QString title;                // window title of the modal window answered
    QString text;                 // a message box's text
};

QWidget* activeModal();

std::shared_ptr<ModalAnswer> whenModal(std::function<void(QWidget*)> action, int timeoutMs = 5000);

// Answers the next message box by clicking the button with that text
// ("OK", "&Yes" or "Yes"; mnemonics ignored).
std::shared_ptr<ModalAnswer> answerMessageBox(const QString& buttonText, int timeoutMs = 5000);

// Types as a user: click into the box, select all, type (replace) or type at
// the end (replace false).
void typeInto(QWidget* box, const QString& text, bool replace = true);
// Clears a text box with the keyboard.
void clearByKeyboard(QWidget* box);
// Clicks the centre of a widget with the left button.
void clickWidget(QWidget* w);
// A click as the window system queues it: stamped when made (in the test
// clicks' clock), delivered when the event loop next runs.
void queueClick(QWidget* control, QPoint at, qint64 stamp);
// The stamp of the last test click, as the window system made it.
qint64 lastClickMadeAt();
// Clicks a check box or option button on its indicator.
void clickIndicator(QAbstractButton* button);
// The button below `root` whose text (mnemonics removed) equals `text`.
QAbstractButton* findButton(QWidget* root, const QString& text);
// Clicks that button; false when there is none.
bool clickButton(QWidget* root, const QString& text);
// Enter on the dialog (its default button) / Escape.
void acceptModal(QWidget* dialog);
void cancelModal(QWidget* dialog);
// Rejects or closes every modal window still open; the number closed.
int closeLeftoverModals();
// Stops every whenModal driver still waiting or rejecting late windows (the
// test main does this after each test); the number stopped.
int stopModalDrivers();

// Closes any modal window still open when it fires (every `ms` while it
// lives); put one in a test that runs exec() without an answer of its own.
class ModalWatchdog {
public:
    explicit ModalWatchdog(int ms = 10000);
    ~ModalWatchdog();
    int closed() const { return *m_closed; }

private:
    QPointer<QObject> m_timer;
    std::shared_ptr<int> m_closed;
};

template <class W>
W* findChildByName(QWidget* root, const QString& name)
{
    return root ? root->findChild<W*>(name) : nullptr;
}

} // namespace kalvex::test
