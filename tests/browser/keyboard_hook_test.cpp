#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "browser/cdialogEx.h"
#include "platform/CommonDialogDirect6.h"
#include "platform/OpenDialogWindow.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

// The four Tab words the hook accepts: repeat 1, scan code 15, bits 27 and 30 free.
const quint32 TAB_PRESS = 0x000F0001u;
const quint32 TAB_BIT27 = 0x080F0001u;
const quint32 TAB_REPEAT = 0x400F0001u;
const quint32 TAB_BOTH = 0x480F0001u;
const quint32 TAB_RELEASE = 0xC00F0001u;
const quint32 ALT_TAB_PRESS = 0x200F0001u;

HookKeyState keys(bool tab, bool shift = false, bool ctrl = false)
{
    HookKeyState k;
    k.tab = tab;
    k.shift = shift;
    k.ctrl = ctrl;
    return k;
}

struct FakeBrowser : QObject, ITabFocusSteering {
    bool forwardAnswer = true;
    int forward = 0, backward = 0;
    bool SetForwardFocus() override { ++forward; return forwardAnswer; }
    bool SetBackwardFocus() override { ++backward; return false; }
};

struct Registered {
    FakeBrowser form;
    Registered() { cdialogEx_setForm(&form); }
    ~Registered() { cdialogEx_setForm(nullptr); }
};

} // namespace

TEST(KeyboardHook, TabStateAcceptsExactlyTheFourTabWords)
{
    for (quint32 w : {TAB_PRESS, TAB_BIT27, TAB_REPEAT, TAB_BOTH}) {
        EXPECT_EQ(mKeyboardHook_TabKeyProc_getTabState(w, keys(true)), "TAB") << std::hex << w;
        EXPECT_EQ(mKeyboardHook_TabKeyProc_getTabState(w, keys(true, true)), "SHIFT_TAB") << std::hex << w;
    }
    // Ctrl wins over everything; Tab must be down.
    EXPECT_EQ(mKeyboardHook_TabKeyProc_getTabState(TAB_PRESS, keys(true, true, true)), "NODEF");
    EXPECT_EQ(mKeyboardHook_TabKeyProc_getTabState(TAB_PRESS, keys(false)), "NODEF");
    // Repeat count 2, another scan code, and each bit that must be clear.
    for (quint32 w : {0x000F0002u, 0x00100001u, 0x010F0001u, 0x020F0001u, 0x040F0001u, 0x100F0001u,
                      ALT_TAB_PRESS, 0x800F0001u, TAB_RELEASE})
        EXPECT_EQ(mKeyboardHook_TabKeyProc_getTabState(w, keys(true)), "NODEF") << std::hex << w;
}

TEST(KeyboardHook, TabGoesToTheFormAndIsSwallowedWhenItSaysSo)
{
    Registered r;
    EXPECT_EQ(mKeyboardHook_TabKeyProc(0, VK_TAB, TAB_PRESS, keys(true)), 1);
    EXPECT_EQ(r.form.forward, 1);
    // A repeated Tab is handled like the first press.
    EXPECT_EQ(mKeyboardHook_TabKeyProc(0, VK_TAB, TAB_REPEAT, keys(true)), 1);
    EXPECT_EQ(r.form.forward, 2);
    // The form declines: the key goes on.
    r.form.forwardAnswer = false;
    EXPECT_EQ(mKeyboardHook_TabKeyProc(0, VK_TAB, TAB_PRESS, keys(true)), 0);
    EXPECT_EQ(r.form.forward, 3);
}

TEST(KeyboardHook, ShiftTabCtrlTabAltAndReleaseAreNeverSwallowed)
{
    Registered r;
    EXPECT_EQ(mKeyboardHook_TabKeyProc(0, VK_TAB, TAB_PRESS, keys(true, true)), 0);
    EXPECT_EQ(r.form.backward, 1);
    EXPECT_EQ(mKeyboardHook_TabKeyProc(0, VK_TAB, TAB_PRESS, keys(true, false, true)), 0);
    EXPECT_EQ(mKeyboardHook_TabKeyProc(0, VK_TAB, ALT_TAB_PRESS, keys(true)), 0);
    EXPECT_EQ(mKeyboardHook_TabKeyProc(0, VK_TAB, TAB_RELEASE, keys(false)), 0);
    EXPECT_EQ(mKeyboardHook_TabKeyProc(0, VK_TAB, TAB_RELEASE, keys(true)), 0);
    EXPECT_EQ(r.form.forward, 0);
    EXPECT_EQ(r.form.backward, 1);
    // Negative code and other keys pass untouched.
    EXPECT_EQ(mKeyboardHook_TabKeyProc(-1, VK_TAB, TAB_PRESS, keys(true)), 0);
    EXPECT_EQ(mKeyboardHook_TabKeyProc(0, 0x41, TAB_PRESS, keys(true)), 0);
    EXPECT_EQ(r.form.forward, 0);
}

TEST(KeyboardHook, WithoutARegisteredFormEverythingPasses)
{
    FakeBrowser form;
    cdialogEx_setForm(nullptr);
    EXPECT_EQ(mKeyboardHook_TabKeyProc(0, VK_TAB, TAB_PRESS, keys(true)), 0);
    {
        auto* gone = new FakeBrowser;
        cdialogEx_setForm(gone);
        delete gone; // the reference lapses with the form
    }
    EXPECT_EQ(cdialogEx_form(), nullptr);
    EXPECT_EQ(mKeyboardHook_TabKeyProc(0, VK_TAB, TAB_PRESS, keys(true)), 0);
}

TEST(KeyboardHook, QtKeyEventsGiveThePlatformWords)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QString(), true);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier);
    QKeyEvent alt(QEvent::KeyPress, Qt::Key_Tab, Qt::AltModifier);
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(cdialogEx_keyEventWord(press), TAB_PRESS);
    EXPECT_EQ(cdialogEx_keyEventWord(repeat), TAB_REPEAT);
    EXPECT_EQ(cdialogEx_keyEventWord(release), TAB_RELEASE);
    EXPECT_EQ(cdialogEx_keyEventWord(alt), ALT_TAB_PRESS);
    EXPECT_EQ(cdialogEx_virtualKey(back), VK_TAB);
    EXPECT_TRUE(cdialogEx_keyState(back).shift);
    EXPECT_TRUE(cdialogEx_keyState(press).tab);
    EXPECT_FALSE(cdialogEx_keyState(release).tab);
}

TEST(KeyboardHook, InstalledOnceItStopsRealTabPresses)
{
    QWidget window;
    auto* a = new QLineEdit(&window);
    auto* b = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(a);
    layout->addWidget(b);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    a->setFocus();

    Registered r;
    vblCdlg_installHook();
    const int handle = vblCdlg_hookHandle();
    EXPECT_NE(handle, 0);
    vblCdlg_installHook();
    EXPECT_EQ(vblCdlg_hookHandle(), handle);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(r.form.forward, 1); // one hook: asked once
    EXPECT_TRUE(a->hasFocus());   // swallowed

    r.form.forwardAnswer = false;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(r.form.forward, 2);
    EXPECT_TRUE(b->hasFocus()); // passed on to the normal focus move

    vblCdlg_removeHook();
    EXPECT_EQ(vblCdlg_hookHandle(), 0);
    vblCdlg_removeHook();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(r.form.forward, 2);
}

TEST(KeyboardHook, FilePathFitsTheBufferOrIsEmpty)
{
    kalvex::test::ModalWatchdog dog;
    CommonDialogDirect6 cd;
    cd.setInitDir(QDir::tempPath());
    QString shortPath, longPath, noWindow;
    kalvex::test::whenModal([&](QWidget* w) {
        auto* wnd = qobject_cast<OpenDialogWindow*>(w);
        auto* edit = qobject_cast<QLineEdit*>(wnd->item(ID_EDT1));
        edit->setText("a.txt");
        shortPath = vblCdlg_getFilePath(wnd->hookDialog());
        edit->setText(QString(300, 'x'));
        longPath = vblCdlg_getFilePath(wnd->hookDialog());
        noWindow = vblCdlg_getFilePath(edit);
        wnd->cancelCommand();
    });
    cd.ShowOpen();
    EXPECT_EQ(shortPath, QDir::toNativeSeparators(QDir(QDir::tempPath()).absoluteFilePath("a.txt")));
    EXPECT_EQ(longPath, QString());
    EXPECT_EQ(noWindow, QString());
}
