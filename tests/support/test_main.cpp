// GoogleTest entry point shared by every suite. Settings (the file dialogs'
// state) go to a temporary folder, never to the user's ~/.config. Widget
// suites get a QApplication on the offscreen platform whatever the shell's
// QT_QPA_PLATFORM says (a developer's Wayland or X desktop is no place for
// them); only KALVEX_TEST_PLATFORM chooses another (the test run's second
// pass sets xcb, on virtual X servers). Nothing else of the developer's
// desktop reaches a suite either: scaling, font DPI, style, platform theme,
// input method and locale are the suites' own. Core suites get a
// QCoreApplication.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "support/dpi_child.h"
#include "support/global_state.h"

#if KALVEX_TEST_WIDGETS
#include <QApplication>
#include <QStyleFactory>

#include "browser/kalvexUi_install.h"
#endif

#if defined(__SANITIZE_ADDRESS__)
// On a real X server (xcb) libdbus keeps one allocation for the life of the
// process: not a leak of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }
#endif

namespace {
// The offscreen platform says so each time a window asks for what it does not
// do (raise, keyboard grab, size hints): nothing a test can act on.
QtMessageHandler qtDefaultHandler = nullptr;
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    qtDefaultHandler(type, context, text);
}
// Under ctest with a resource spec from scripts/with-xservers each running
// test gets its own X server ("id:d<display>,slots:1"): window activation is
// one per server, so parallel tests sharing one would take it from each other.
void useAssignedDisplay()
{
    const QByteArray slot = qgetenv("CTEST_RESOURCE_GROUP_0_XDISPLAY");
    const int at = slot.indexOf("id:d");
    if (at < 0)
        return;
    const int end = slot.indexOf(',', at);
    qputenv("DISPLAY", ':' + slot.mid(at + 4, end < 0 ? -1 : end - at - 4));
}
// Drops what the developer's session says of Qt (scaling, font DPI, style,
// platform theme, input method), of the desktop and of the language: the
// console's tree views write numbers in the locale's form. Qt's diagnostics
// and where Qt finds its plugins stay as the shell says.
void useOwnDesktopSettings()
{
    const QStringList kept = {"QT_LOGGING_RULES", "QT_MESSAGE_PATTERN", "QT_DEBUG_PLUGINS", "QT_FATAL_WARNINGS",
                              "QT_PLUGIN_PATH", "QT_QPA_PLATFORM_PLUGIN_PATH"};
    const QStringList desktop = {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION",
                                 "GNOME_DESKTOP_SESSION_ID", "KDE_FULL_SESSION", "KDE_SESSION_VERSION",
                                 "SESSION_MANAGER", "XMODIFIERS", "GTK_IM_MODULE", "GTK_THEME", "LANG", "LANGUAGE"};
    for (const QString& name : QProcessEnvironment::systemEnvironment().keys())
        if ((name.startsWith(QLatin1String("QT_")) && !kept.contains(name)) || name.startsWith(QLatin1String("LC_"))
            || desktop.contains(name))
            qunsetenv(name.toLocal8Bit().constData());
    qputenv("LC_ALL", "C.UTF-8");
}
} // namespace

int main(int argc, char** argv)
{
    qtDefaultHandler = qInstallMessageHandler(quietPlatform);
    useOwnDesktopSettings();
    kalvex::test::useDpiChildScreen();
    useAssignedDisplay();
    const QByteArray platform = qgetenv("KALVEX_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    // Qt wants a runtime folder and warns on every start without one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(settings.path()));
    ::testing::InitGoogleTest(&argc, argv);
#if KALVEX_TEST_WIDGETS
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    kalvex::kalvexUi_install();
#else
    QCoreApplication app(argc, argv);
#endif
    kalvex::test::installGlobalStateGuard();
    return RUN_ALL_TESTS();
}
