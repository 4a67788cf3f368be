// kalvex-console's start: the file boxes filled, the keyword file loaded,
// a file that cannot be loaded named on the status line.
#include "console_start.h"

#include <QFileInfo>

#include "app_support.h"

#include "browser/frmObjectTest.h"
#include "interfaces/IKalvexStorageCtrl.h"
#include "platform/VbCommandButton.h"
#include "platform/VbTextBox.h"

namespace kalvex::console {

namespace {
QString fullPath(const QString& path) { return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath(); }
} // namespace

ConsoleStart startConsole(frmObjectTest* console, const QString& keywordFile, const QString& jobPrefsFile)
{
    console->textASCIISource->setText(fullPath(keywordFile));
    console->textJprefs->setText(fullPath(jobPrefsFile));
    ConsoleStart start;
    start.failure = apps::unreadableReason(keywordFile);
    if (!start.failure.isEmpty()) {
        // Not through Load, whose message box would stand before the window.
        console->postMessage(QStringLiteral("Load failed: ") + start.failure, 1);
        return start;
    }
    console->cmdLoadGenRUV->click();
    if (console->lastLoadStatus() != STORAGE_OK) {
        start.failure = QStringLiteral("%1: not a valid administration database: %2")
                            .arg(keywordFile, console->lastLoadError());
        return start;
    }
    start.loaded = true;
    // The job preferences are loaded only on the user's click; a name that
    // cannot be is said now, below the keyword file's line.
    start.failure = apps::unreadableReason(jobPrefsFile);
    if (!start.failure.isEmpty())
        console->postMessage(QStringLiteral("Job preferences: ") + start.failure, 2);
    return start;
}

} // namespace kalvex::console
