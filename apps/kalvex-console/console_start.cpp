// kalvex-console's start: the file boxes filled, the keyword file loaded,
// a file that cannot be loaded named on the status line.
#include "console_start.h"

#include <QFileInfo>

#include "app_support.h"

#include "browser/frmObjectTest.h"
#include "interfaces/IKalvexStorageCtrl.h"
#include "jobprefs/KalvexJobPreferences.h"
#include "platform/VbCommandButton.h"
#include "platform/VbTextBox.h"
#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"

namespace kalvex::console {

namespace {
QString fullPath(const QString& path) { return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath(); }

// Why the job preferences cannot be loaded, their fault and its line
// included; empty when they load. The console keeps nothing of this read.
QString jobPrefsFault(const QString& path)
{
    if (QString why = apps::unreadableReason(path); !why.isEmpty())
        return why;
    const auto conn = classCreate_KalvexRUVConnection();
    const auto ctrl = classCreate_KalvexStorageCtrl();
    conn->setApplMode(2); // as the console's own Load reads them
    conn->setFileIO(path);
    conn->setFileOpenMode(RUV_OPEN_READ);
    conn->setKwLevel(1);
    conn->setSourceId(SOURCE_ID_JOB_PREFERENCES);
    ctrl->setStorageObject(conn);
    if (ctrl->loadFromStorage(classCreate_KalvexJobPreferences(), true) == STORAGE_OK)
        return QString();
    return QStringLiteral("%1: not valid job preferences: %2").arg(path, ruvFaultText(*conn));
}
} // namespace

ConsoleStart startConsole(frmObjectTest* console, const QString& keywordFile, const QString& jobPrefsFile)
{
    // A file not named leaves its box with the console's own name.
    if (!keywordFile.isEmpty())
        console->textASCIISource->setText(fullPath(keywordFile));
    if (!jobPrefsFile.isEmpty())
        console->textJprefs->setText(fullPath(jobPrefsFile));
    ConsoleStart start;
    if (!keywordFile.isEmpty()) {
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
    }
    // The job preferences are shown only on the user's click; a file that
    // cannot be loaded is said now, below the keyword file's line.
    if (!jobPrefsFile.isEmpty())
        start.failure = jobPrefsFault(jobPrefsFile);
    if (!start.failure.isEmpty())
        console->postMessage(QStringLiteral("Job preferences: ") + start.failure, 2);
    return start;
}

} // namespace kalvex::console
