// The console's keyword-file and job-preference loads, the refresh on
// "Show modifications only" and the dump of the shown database.
#include "browser/frmObjectTest.h"

#include <QTime>
#include <initializer_list>
#include <utility>
#include <vector>

#include "browser/tlistViews_admin.h"
#include "browser/tlistViews_jobprefsTasks.h"
#include "jobprefs/KalvexJobPreferences.h"
#include "platform/TList.h"
#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "platform/vbl_form.h"
#include "platform/vbl_msgBox.h"
#include "foundation/vbl_err.h"
#include "foundation/vbl_file.h"
#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"

namespace kalvex {

namespace {
const QString kLoadTime = QStringLiteral("Load time : ");
const QString kOpeningTitle = QStringLiteral("Opening RUV file");
constexpr int kCriticalOk = 16;
constexpr int kApplMode = 2;

double secondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

QString loadTimeText(double seconds) { return kLoadTime + QString::number(seconds, 'g', 7); }

// While a load or dump runs, the buttons and check boxes that start one are
// disabled, so that clicks queued on them meanwhile are dropped; each gets its
// own state back however the run ends (the load buttons are enabled again).
class DisabledWhileLoading {
public:
    explicit DisabledWhileLoading(std::initializer_list<QWidget*> controls)
    {
        for (QWidget* c : controls) {
            m_controls.push_back({c, c->isEnabled()});
            c->setEnabled(false);
        }
    }
    ~DisabledWhileLoading()
    {
        for (const auto& [control, enabled] : m_controls)
            control->setEnabled(enabled);
    }
    DisabledWhileLoading(const DisabledWhileLoading&) = delete;
    DisabledWhileLoading& operator=(const DisabledWhileLoading&) = delete;

private:
    std::vector<std::pair<QWidget*, bool>> m_controls;
};

DisabledWhileLoading busyControls(const frmObjectTest& f)
{
    return DisabledWhileLoading{f.CheckDefaults, f.CheckOnlyMod, f.cmdRUVOut, f.cmdLoadJprefs, f.cmdLoadGenRUV};
}

// Records the exception being handled in the (silent) log; its text, which
// the console shows on its status line.
QString trapped(const QString& procedure)
{
    return vbl_err_trapped(procedure, VBL_LOG_DIALOGS);
}
} // namespace

double objectTest_elapsedSeconds(double start, double end)
{
    constexpr double day = 24 * 60 * 60;
    const double span = end - start;
    return span < 0 ? span + day : span;
}

void frmObjectTest::cmdLoadGenRUV_Click()
{
    ensureLoaded();
    clearStatusLines();
    const bool defaults = vbl_chk_isChecked(CheckDefaults);
    const auto conn = classCreate_KalvexRUVConnection();
    const auto ctrl = classCreate_KalvexStorageCtrl();
    if (!conn || !ctrl || !m_admObj)
        return;
    const QString file = textASCIISource->text();
    if (!vbl_file_exists(file, true)) {
        vbl_msgBox(kOpeningTitle, QStringLiteral("Could not open file"), kCriticalOk);
        return;
    }
    const DisabledWhileLoading busy = busyControls(*this);
    conn->setApplMode(kApplMode);
    conn->setFileIO(file);
    conn->setFileOpenMode(RUV_OPEN_READ);
    conn->setKwLevel(1);
    conn->setSourceId(SOURCE_ID_ADMIN_DB);
    const double start = secondsSinceMidnight();
    double end = start;
    m_lastLoadStatus = STORAGE_FAILED;
    m_lastLoadError.clear();
    try {
        m_admObj->setInternalValue(SET_DEFAULTS_OBJECT_FLAG, defaults);
        m_admObj->setMessagesObj(this);
        ctrl->setStorageObject(conn);
        m_lastLoadStatus = ctrl->loadFromStorage(m_admObj, true);
        m_lastLoadError = ruvFaultText(*conn);
        end = secondsSinceMidnight();
        // Whatever the load left in the database is shown, a failed load too.
        tlist_showAdmDb(tlistResult, m_admObj, true, vbl_chk_isChecked(CheckOnlyMod));
    } catch (...) {
        m_lastLoadError = trapped(QStringLiteral("frmObjectTest.cmdLoadGenRUV_Click"));
        m_lastLoadStatus = STORAGE_FAILED;
    }
    m_lastLoadCmd = cmdLoadGenRUV->objectName();
    m_shownAdmObj = m_admObj;
    // A failed load left the database as an earlier load had filled it.
    if (m_lastLoadStatus == STORAGE_OK)
        m_admFile = file;
    nameShownFile(m_admFile);
    m_shownAdmCaption = caption();
    timeLabel->setCaption(loadTimeText(objectTest_elapsedSeconds(start, end)));
    if (m_lastLoadStatus != STORAGE_OK)
        postMessage(QStringLiteral("Load failed: ") + m_lastLoadError, 1);
}

void frmObjectTest::clearStatusLines()
{
    // A message of an earlier load or dump would read as this one's outcome.
    postMessage(QString(), 1);
    postMessage(QString(), 2);
}

void frmObjectTest::CheckDefaults_Click() { cmdLoadGenRUV_Click(); }

void frmObjectTest::cmdLoadJprefs_Click()
{
    ensureLoaded();
    clearStatusLines();
    double elapsed = 0;
    m_lastLoadStatus = STORAGE_FAILED;
    m_lastLoadError.clear();
    try {
        const auto conn = classCreate_KalvexRUVConnection();
        const auto ctrl = classCreate_KalvexStorageCtrl();
        const auto jobPrefs = classCreate_KalvexJobPreferences();
        const QString file = textJprefs->text();
        if (conn && ctrl && jobPrefs) {
            if (!vbl_file_exists(file, true)) {
                vbl_msgBox(kOpeningTitle, QStringLiteral("Could not job preferences"), kCriticalOk);
            } else {
                const DisabledWhileLoading busy = busyControls(*this);
                conn->setApplMode(kApplMode);
                conn->setFileIO(file);
                conn->setFileOpenMode(RUV_OPEN_READ);
                conn->setKwLevel(1);
                conn->setSourceId(SOURCE_ID_JOB_PREFERENCES);
                const double start = secondsSinceMidnight();
                jobPrefs->setMessagesObj(this);
                ctrl->setStorageObject(conn);
                m_lastLoadStatus = ctrl->loadFromStorage(jobPrefs, true);
                m_lastLoadError = ruvFaultText(*conn);
                elapsed = objectTest_elapsedSeconds(start, secondsSinceMidnight());
                const bool onlyModified = vbl_chk_isChecked(CheckOnlyMod);
                tlistResult->Clear();
                tlist_showJobPrefs(tlistResult, -1, jobPrefs, onlyModified, true);
                nameShownFile(m_lastLoadStatus == STORAGE_OK ? file : QString());
                if (m_lastLoadStatus != STORAGE_OK)
                    postMessage(QStringLiteral("Load failed: ") + m_lastLoadError, 1);
            }
        }
    } catch (...) {
        m_lastLoadStatus = STORAGE_FAILED;
        m_lastLoadError = trapped(QStringLiteral("frmObjectTest.cmdLoadJprefs_Click"));
    }
    m_lastLoadCmd = cmdLoadJprefs->objectName();
    timeLabel->setCaption(loadTimeText(elapsed));
}

void frmObjectTest::CheckOnlyMod_Click()
{
    ensureLoaded();
    if (const IKalvexAdministratorPtr shown = shownAdmObj())
        showAdminDB(m_shownAdmCaption, shown, true, vbl_chk_isChecked(CheckOnlyMod));
    else if (m_lastLoadCmd == cmdLoadGenRUV->objectName())
        cmdLoadGenRUV_Click();
    else if (m_lastLoadCmd == cmdLoadDbFile->objectName())
        cmdLoadDbFile_Click();
}

void frmObjectTest::cmdRUVOut_Click()
{
    ensureLoaded();
    const IKalvexAdministratorPtr shown = shownAdmObj();
    if (!shown)
        return;
    const auto ctrl = classCreate_KalvexStorageCtrl();
    const auto conn = classCreate_KalvexRUVConnection();
    if (!ctrl || !conn)
        return;
    clearStatusLines();
    const DisabledWhileLoading busy = busyControls(*this);
    ctrl->setStorageObject(conn);
    conn->setFileOpenMode(RUV_OPEN_WRITE);
    conn->setApplMode(kApplMode);
    conn->setFileIO(TextRUVOut->text().trimmed());
    conn->setKwLevel(0);
    // The shown database may be the host's with unsaved edits: its change
    // counts stay as they are (no "mark saved").
    int status = STORAGE_FAILED;
    try {
        status = ctrl->saveToStorage(shown, true, false);
    } catch (...) {
        trapped(QStringLiteral("frmObjectTest.cmdRUVOut_Click"));
    }
    if (status != STORAGE_OK)
        postMessage(QStringLiteral("Dump failed: ") + ruvFaultText(*conn), 1);
}

} // namespace kalvex
