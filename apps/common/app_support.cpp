// File checks and window helpers of the host programs.
#include "app_support.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace kalvex::apps {

void nameProgram(const QString& name)
{
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(QStringLiteral(KALVEX_VERSION));
}

int parseProgramArguments(const QStringList& arguments, const QString& summary,
                          const QList<ValueOption>& options, QString& file, FileArgument fileArgument)
{
    const bool required = fileArgument == FileArgument::Required;
    QCommandLineParser parser;
    parser.setApplicationDescription(summary);
    parser.addHelpOption();
    parser.addVersionOption();
    for (const ValueOption& o : options)
        parser.addOption(QCommandLineOption(o.name, o.description, o.valueName, *o.value));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The keyword file to open."),
                                 required ? QStringLiteral("FILE") : QStringLiteral("[FILE]"));
    const QString program = QCoreApplication::applicationName();
    const auto refuse = [&](const QString& why) {
        std::fprintf(stderr, "%s: %s\n%s", qPrintable(program), qPrintable(why), qPrintable(parser.helpText()));
        return kExitUsage;
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    // Only the parser knows Qt's own options; it prints them and exits.
    if (parser.isSet(QStringLiteral("help-all")))
        parser.process(arguments);
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(program), qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refuse(QStringLiteral("one file at most, not %1").arg(files.join(QLatin1Char(' '))));
    for (const ValueOption& o : options)
        if (parser.isSet(o.name))
            *o.value = parser.value(o.name);
    if (!files.isEmpty())
        file = files.first();
    else if (required)
        return refuse(QStringLiteral("a keyword file is needed"));
    return -1;
}

void keepSettingsInOwnFolder()
{
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, own);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, own);
}

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

int reportStartFault(const QString& text, bool withBox)
{
    const QString program = QCoreApplication::applicationName();
    std::fprintf(stderr, "%s: %s\n", qPrintable(program), qPrintable(text));
    if (withBox)
        QMessageBox::critical(nullptr, program, text);
    return kExitFileError;
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
