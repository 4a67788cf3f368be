// What the host programs share around their windows: why a file cannot be
// loaded, whether there is a screen, waiting for a window to appear.
#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace kalvex::apps {

// The programs' exit codes beside 0: a file that cannot be loaded, wrong arguments.
constexpr int kExitFileError = 1;
constexpr int kExitUsage = 2;

// Names the application (its messages, its settings folder, --version) and
// gives it the project's version. Call right after the QApplication exists.
void nameProgram(const QString& name);

// An option of a program that takes a value: --NAME VALUE or --NAME=VALUE.
struct ValueOption {
    QString name;        // without the dashes
    QString valueName;   // shown in the usage, "OUT.png"
    QString description;
    QString* value;      // keeps its default unless the option is given
};

// Whether a program can start without a file.
enum class FileArgument { Optional, Required };

// Reads the program's arguments, "[options] [FILE]", through
// QCommandLineParser. Answers -1 when the program goes on (`file` stays
// empty unless one is named); otherwise the exit code: 0 after --help
// (usage on stdout) or --version, kExitUsage after an unknown option, a
// missing value, a second file or no file where one is required (the fault
// and the usage on stderr). --help-all prints the usage with Qt's own
// options and ends the program with 0 at once.
int parseProgramArguments(const QStringList& arguments, const QString& summary,
                          const QList<ValueOption>& options, QString& file, FileArgument fileArgument);

// The file dialogs keep their state (last folder, columns) in the user's
// settings: this program's go to its own folder, named after the
// application, not to the file every Qt program shares. Call once the
// application's name is set.
void keepSettingsInOwnFolder();

// Why the file cannot be loaded, or empty when it can be opened for reading.
QString unreadableReason(const QString& path);

// Says why the program cannot go on: on stderr, and in a message box too
// when `withBox` (a program started from a desktop has no terminal to show
// stderr). Answers kExitFileError.
int reportStartFault(const QString& text, bool withBox);

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
