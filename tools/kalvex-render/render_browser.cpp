#include "render_browser.h"
#include "render_demo.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "browser/frmFileBrowser.h"
#include "dialogs/morvObjs_pickers.h"
#include "platform/CommonDialog.h"
#include "platform/SSTab.h"
#include "platform/TList.h"
#include "platform/VbCommandButton.h"
#include "platform/VbPictureBox.h"
#include "render_demo.h"

namespace kalvex::render {

namespace {

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Runs `prepare` on the first modal window, draws it into the file and
// closes it; `open` is what opens the window.
bool drawModal(const QString& pngFile, std::function<void(QWidget*)> prepare, std::function<void()> open)
{
    bool saved = false;
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        settle(300);
        if (prepare)
            prepare(w);
        settle(300);
        saved = w->grab().save(pngFile, "PNG");
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
    });
    poll->start();
    open();
    return saved;
}

QString makeFiles(const QTemporaryDir& dir)
{
    for (const char* name : {"board_top.gpf", "board_bottom.gpf", "drill.mmm", "README.txt"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        f.open(QIODevice::WriteOnly);
    }
    return QDir(dir.path()).absolutePath();
}

// The example database of the project; none when it cannot be read.
IKalvexAdministratorPtr exampleDb(const QString& workDir)
{
    auto adm = loadDemoAdminDb();
    if (!adm)
        return nullptr;
    adm->envirVars()->add(QStringLiteral("KVX_TASK_WORKDIR"), workDir);
    return adm;
}

} // namespace

bool renderFileBrowser(const QString& pngFile, int tab)
{
    QTemporaryDir dir;
    const QString work = makeFiles(dir);
    auto adm = exampleDb(work);
    if (!adm)
        return false;
    QWidget caller;
    const QString spec = tab == 0 ? QStringLiteral("${KVX_TASK_WORKDIR}/board_top.gpf")
                                  : QStringLiteral("VM_DATA_CHECKOUT><current>#P_PHOTO#SITE_FAB#P_DRILL =to= "
                                                   "${KVX_TASK_WORKDIR}\\checkedOut_file.dat");
    return drawModal(
        pngFile,
        [](QWidget*) {
            if (!vbl_formExists<frmFileBrowser>())
                return;
            frmFileBrowser* b = vbl_formInstance<frmFileBrowser>();
            // Cancel closes the browser after the picture.
            QTimer::singleShot(0, b->cmdCancel, [] {});
        },
        [&] { morvObjs_parmBrowseFile(spec, QStringLiteral("GERBER_PLOT_SETUP"), &caller, adm, false, true); });
}

bool renderParmBrowseDlg(const QString& pngFile)
{
    QTemporaryDir dir;
    const QString work = makeFiles(dir);
    QWidget form;
    CommonDialog cd(&form);
    return drawModal(pngFile, nullptr, [&] {
        morvObjs_parmBrowseDlg(&cd, work + QStringLiteral("/board_top.gpf"), QStringLiteral("GERBER_PLOT_SETUP"),
                               nullptr, false);
    });
}

bool renderDirBrowser(const QString& pngFile)
{
    QTemporaryDir dir;
    const QString work = makeFiles(dir);
    QDir(work).mkdir(QStringLiteral("transfer"));
    return drawModal(pngFile, nullptr, [&] {
        morvObjs_dirBrowser(work, QStringLiteral("Select the transfer directory"), nullptr, QString(), false);
    });
}

} // namespace kalvex::render
