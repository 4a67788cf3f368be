// What the host programs share around their windows: why a file cannot be
// loaded, whether there is a screen, waiting for a window to appear.
#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

class QWidget;

namespace kalvex::apps {

// The programs' exit codes beside 0: a file that cannot be loaded, wrong arguments.
constexpr int kExitFileError = 1;
constexpr int kExitUsage = 2;

// Reads "[--NAME VALUE]... [FILE]": an option named in `values` stores the
// argument after it; another option, a missing value or a second file name
// make it false. `file` keeps its default when no file is named.
bool parseArgs(const QStringList& args, QString& file, const QHash<QString, QString*>& values);

// Why the file cannot be loaded, or empty when it can be opened for reading.
QString unreadableReason(const QString& path);

// True on a platform that draws nowhere (offscreen, minimal).
bool headlessPlatform();

// Chooses the offscreen platform when neither X nor Wayland is reachable;
// call before the QApplication exists.
void chooseHeadlessWithoutDisplay();

// Drops the offscreen platform's notes on what it does not do (raise,
// size hints): nothing a user of a headless run can act on.
void quietHeadlessPlatform();

// Processes events until the window is exposed (at most two seconds).
void waitUntilExposed(QWidget* w);

} // namespace kalvex::apps
