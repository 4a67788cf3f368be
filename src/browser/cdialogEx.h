// Keyboard steering of the file browser. The browser's controls live inside
// the Open dialog window, whose own focus handling knows nothing of them, so
// while the browser is open a keyboard hook (an application event filter)
// sees every key event first and lets the browser form decide where Tab goes.
//
// The hook procedure works on the key-event word of the platform's keyboard
// hook: repeat count in bits 0-15, scan code in bits 16-23, bit 29 the Alt
// context, bit 30 the previous key state, bit 31 the transition (release).
// The filter builds that word from each Qt key event.
#pragma once
#include <QObject>
#include <QString>

class QKeyEvent;
class QWidget;

namespace kalvex {

constexpr int WH_KEYBOARD = 2;
constexpr int VK_TAB = 0x09;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int TAB_SCAN_CODE = 15;
constexpr int MAX_PATH_BUFFER = 260;

// The key states the hook reads (pressed or not) when an event arrives.
struct HookKeyState {
    bool ctrl = false;
    bool shift = false;
    bool tab = false;
};

// What the hook asks of the browser form: true when the key was handled
// and is to be swallowed.
class ITabFocusSteering {
public:
    virtual ~ITabFocusSteering() = default;
    virtual bool SetForwardFocus() = 0;
    virtual bool SetBackwardFocus() = 0;
};

// "TAB", "SHIFT_TAB" or "NODEF".
QString mKeyboardHook_TabKeyProc_getTabState(quint32 keyWord, const HookKeyState& keys);

// 1 when the event is swallowed, else what passing it on answers (0).
int mKeyboardHook_TabKeyProc(int code, int virtualKey, quint32 keyWord, const HookKeyState& keys);

// Installs the hook once; a second call while one is held does nothing.
void vblCdlg_installHook();
// Removes it; nothing without one.
void vblCdlg_removeHook();
// The handle of the installed hook, 0 when none.
int vblCdlg_hookHandle();

// The Open dialog's current path through a 260-character buffer: the empty
// text when the path does not fit (no room left for the terminating NUL).
QString vblCdlg_getFilePath(QWidget* hookDialog);

// The browser form the hook steers for (an ITabFocusSteering); none: the
// hook only passes events on.
void cdialogEx_setForm(QObject* form);
QObject* cdialogEx_form();

// The key-event word and the virtual key of a Qt key event.
quint32 cdialogEx_keyEventWord(const QKeyEvent& event);
int cdialogEx_virtualKey(const QKeyEvent& event);
HookKeyState cdialogEx_keyState(const QKeyEvent& event);

} // namespace kalvex
