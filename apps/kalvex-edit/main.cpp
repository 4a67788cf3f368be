// kalvex-edit [--png OUT.png] [FILE]   (--help, --version)
//
// Lists the generators and distributors of an administration database in a
// keyword file (named: none is opened by default) and opens their
// parameter dialogs as a host application does; OK on a change saves the
// file. With a display it is the real window. Without one (no DISPLAY or
// WAYLAND_DISPLAY, or QT_QPA_PLATFORM=offscreen) the window is drawn into
// OUT.png (default kalvex-edit.png) and the first generator's dialog into
// OUT-<id>.png beside it, and the program ends without writing anything else.
// A file that is missing, unreadable or not a valid database ends it with a
// message (in a box too when there is a display) and exit code 1; wrong
// arguments or no file with the usage and 2.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTreeView>
#include <QStyleFactory>
#include <cstdio>

#include "admin_file.h"
#include "app_support.h"
#include "browser/kalvexUi_install.h"
#include "edit_window.h"
#include "object_counts.h"
#include "parm_dialog_host.h"

using namespace kalvex;

namespace {

struct Options {
    QString file;
    QString png = QStringLiteral("kalvex-edit.png");
};

void fail(const QString& text) { std::fprintf(stderr, "kalvex-edit: %s\n", qPrintable(text)); }

// "dir/kalvex-edit.png" and "GERBER" give "dir/kalvex-edit-GERBER.png".
QString besidePng(const QString& png, const QString& suffix)
{
    const QFileInfo info(png);
    return info.dir().filePath(QStringLiteral("%1-%2.png").arg(info.completeBaseName(), suffix));
}

bool savePicture(QWidget* w, const QString& png)
{
    if (w->grab().save(png, "PNG")) {
        std::printf("  drawn into %s\n", qPrintable(QFileInfo(png).absoluteFilePath()));
        return true;
    }
    fail(QStringLiteral("cannot write %1").arg(png));
    return false;
}

// The window and the first generator's dialog, each into a picture; the
// dialog is cancelled, so nothing is written.
int drawHeadless(edit::EditWindow& window, const Options& opt)
{
    if (!savePicture(&window, opt.png))
        return apps::kExitFileError;
    edit::ParmDialogHost* dialog = window.openGenerator(0);
    if (!dialog)
        return 0;
    apps::waitUntilExposed(dialog);
    const QString id = window.listGenerators->model()->index(0, 0).data().toString();
    const bool drawn = savePicture(dialog, besidePng(opt.png, id));
    dialog->reject();
    return drawn ? 0 : apps::kExitFileError;
}

} // namespace

int main(int argc, char** argv)
{
    apps::chooseHeadlessWithoutDisplay();
    apps::quietHeadlessPlatform();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    apps::nameProgram(QStringLiteral("kalvex-edit"));
    apps::keepSettingsInOwnFolder();

    Options opt;
    const int parsed = apps::parseProgramArguments(
        app.arguments(), QStringLiteral("Lists the generators and distributors of a keyword file and opens their "
                                        "parameter dialogs; OK saves the file."),
        {{QStringLiteral("png"), QStringLiteral("OUT.png"),
          QStringLiteral("Without a display, the picture of the window (and OUT-<id>.png of the first dialog)."),
          &opt.png}},
        opt.file, apps::FileArgument::Required);
    if (parsed >= 0)
        return parsed;
    // With a display the fault is shown in a box: started from a desktop,
    // nobody reads stderr.
    const bool withBox = !apps::headlessPlatform();
    if (const QString why = apps::unreadableReason(opt.file); !why.isEmpty())
        return apps::reportStartFault(why, withBox);
    // Before the load: each generator read chooses its dialog as its command is set.
    kalvexUi_install();
    const edit::LoadedDatabase db = edit::loadAdminFile(opt.file);
    if (!db.adm)
        return apps::reportStartFault(
            QStringLiteral("%1: not a valid administration database: %2").arg(opt.file, db.error), withBox);

    edit::EditWindow window;
    window.setDatabase(db.adm, QFileInfo(opt.file).absoluteFilePath(), db.read);
    window.show();
    apps::waitUntilExposed(&window);
    std::printf("%s\n", qPrintable(QFileInfo(opt.file).absoluteFilePath()));
    std::printf("  %s\n", qPrintable(apps::countObjects(db.adm).text()));
    std::printf("  The object test console is a button away: Console.\n");
    std::fflush(stdout);
    if (!apps::headlessPlatform())
        return app.exec();
    return drawHeadless(window, opt);
}
