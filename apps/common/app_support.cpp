// File checks and window helpers of the host programs.
#include "app_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <QWindow>

namespace kalvex::apps {

QString unreadableReason(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("%1: no such file").arg(path);
    if (info.isDir())
        return QStringLiteral("%1: is a directory, not a keyword file").arg(path);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: cannot be read (%2)").arg(path, f.errorString());
    return QString();
}

bool headlessPlatform()
{
    const QString p = QGuiApplication::platformName();
    return p == QLatin1String("offscreen") || p == QLatin1String("minimal");
}

void chooseHeadlessWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

namespace {
QtMessageHandler defaultHandler = nullptr;
void dropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    defaultHandler(type, context, text);
}
} // namespace

void quietHeadlessPlatform()
{
    if (!defaultHandler)
        defaultHandler = qInstallMessageHandler(dropPlatformNotes);
}

void waitUntilExposed(QWidget* w)
{
    QElapsedTimer waited;
    waited.start();
    while (!(w->windowHandle() && w->windowHandle()->isExposed()) && waited.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    QApplication::processEvents();
}

} // namespace kalvex::apps
