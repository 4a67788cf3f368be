#include "browser/cdialogEx.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

#include "foundation/vbl_err.h"
#include "platform/OpenDialogWindow.h"

namespace kalvex {

namespace {

// Bits of the key-event word.
constexpr quint32 REPEAT_MASK = 0x0000FFFFu;
constexpr quint32 SCAN_MASK = 0x00FF0000u;
constexpr quint32 ALT_CONTEXT = 1u << 29;
constexpr quint32 PREVIOUS_STATE = 1u << 30;
constexpr quint32 TRANSITION = 1u << 31;
// Bits 24-26, 28, 29 and 31 must be clear in a Tab press; 27 and 30 may be set.
constexpr quint32 MUST_BE_CLEAR = (7u << 24) | (1u << 28) | ALT_CONTEXT | TRANSITION;

QPointer<QObject> s_form;
int s_hookHandle = 0;
int s_nextHandle = 0;

class TabKeyFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
            return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w)
            return false;
        // An unhandled key event travels on to the parents: look at it once.
        if (e == m_last && m_lastReceiver && m_lastReceiver != w && w->isAncestorOf(m_lastReceiver))
            return false;
        m_last = e;
        m_lastReceiver = w;
        const auto* k = static_cast<QKeyEvent*>(e);
        return mKeyboardHook_TabKeyProc(0, cdialogEx_virtualKey(*k), cdialogEx_keyEventWord(*k),
                                        cdialogEx_keyState(*k)) != 0;
    }

private:
    const QEvent* m_last = nullptr;
    QPointer<QWidget> m_lastReceiver;
};

QPointer<TabKeyFilter> s_filter;

// Passing an event on: the next handler is the normal key handling.
int callNextHook() { return 0; }

bool acceptedTabWord(quint32 word)
{
    return (word & REPEAT_MASK) == 1 && ((word & SCAN_MASK) >> 16) == TAB_SCAN_CODE && !(word & MUST_BE_CLEAR);
}

} // namespace

QString mKeyboardHook_TabKeyProc_getTabState(quint32 keyWord, const HookKeyState& keys)
{
    QString state = QStringLiteral("NODEF");
    try {
        if (keys.ctrl)
            return state;
        if (keys.tab && acceptedTabWord(keyWord))
            state = keys.shift ? QStringLiteral("SHIFT_TAB") : QStringLiteral("TAB");
    } catch (...) {
        // The hook keeps its key handling quiet: the dialogs' (silent) log.
        vbl_err_trapped(QStringLiteral("mKeyboardHook_TabKeyProc_getTabState"), VBL_LOG_DIALOGS);
        state = QStringLiteral("NODEF");
    }
    return state;
}

int mKeyboardHook_TabKeyProc(int code, int virtualKey, quint32 keyWord, const HookKeyState& keys)
{
    try {
        auto* steering = dynamic_cast<ITabFocusSteering*>(s_form.data());
        const bool freshPress = !(keyWord & (PREVIOUS_STATE | TRANSITION));
        if (!steering || code < 0 || virtualKey != VK_TAB || (freshPress && (keyWord & ALT_CONTEXT)))
            return callNextHook();
        const QString state = mKeyboardHook_TabKeyProc_getTabState(keyWord, keys);
        if (state == QLatin1String("SHIFT_TAB") && steering->SetBackwardFocus())
            return 1;
        if (state == QLatin1String("TAB") && steering->SetForwardFocus())
            return 1;
    } catch (...) {
        // As above; the key then takes its normal course.
        vbl_err_trapped(QStringLiteral("mKeyboardHook_TabKeyProc"), VBL_LOG_DIALOGS);
    }
    return callNextHook();
}

void vblCdlg_installHook()
{
    if (s_hookHandle != 0)
        return;
    if (!s_filter) {
        s_filter = new TabKeyFilter;
        s_filter->setParent(qApp);
    }
    qApp->installEventFilter(s_filter);
    s_hookHandle = ++s_nextHandle;
}

void vblCdlg_removeHook()
{
    if (s_hookHandle == 0)
        return;
    if (s_filter)
        qApp->removeEventFilter(s_filter);
    s_hookHandle = 0;
}

int vblCdlg_hookHandle()
{
    return s_hookHandle;
}

QString vblCdlg_getFilePath(QWidget* hookDialog)
{
    OpenDialogWindow* wnd = openDialogOf(hookDialog);
    if (!wnd)
        return QString();
    const QString path = wnd->currentFilePath();
    // The buffer holds 260 characters including the terminating NUL.
    if (path.size() >= MAX_PATH_BUFFER)
        return QString();
    return path;
}

void cdialogEx_setForm(QObject* form)
{
    s_form = form;
}

QObject* cdialogEx_form()
{
    return s_form.data();
}

int cdialogEx_virtualKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    default: return event.key() & 0xFFFF;
    }
}

quint32 cdialogEx_keyEventWord(const QKeyEvent& event)
{
    quint32 word = 1; // one key stroke per event
    if (cdialogEx_virtualKey(event) == VK_TAB)
        word |= quint32(TAB_SCAN_CODE) << 16;
    else
        word |= (event.nativeScanCode() & 0xFF) << 16;
    if (event.modifiers() & Qt::AltModifier)
        word |= ALT_CONTEXT;
    if (event.type() == QEvent::KeyRelease)
        word |= PREVIOUS_STATE | TRANSITION;
    else if (event.isAutoRepeat())
        word |= PREVIOUS_STATE;
    return word;
}

HookKeyState cdialogEx_keyState(const QKeyEvent& event)
{
    HookKeyState keys;
    keys.ctrl = event.modifiers() & Qt::ControlModifier;
    keys.shift = (event.modifiers() & Qt::ShiftModifier) || event.key() == Qt::Key_Backtab;
    keys.tab = event.type() == QEvent::KeyPress && cdialogEx_virtualKey(event) == VK_TAB;
    return keys;
}

} // namespace kalvex
