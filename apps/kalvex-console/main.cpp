// kalvex-console [--png OUT.png] [--jobprefs FILE.ruv] [FILE]   (--help, --version)
//
// Opens the object test console on an administration database in a keyword
// file, loaded and shown, with the job preferences of its other page named;
// without a file it starts empty, for its own Load. With a display it is the
// real window; a file that cannot be loaded leaves the window open with the
// name in its box and the reason on its status line. Without one (no DISPLAY or WAYLAND_DISPLAY, or
// QT_QPA_PLATFORM=offscreen) the loaded console is drawn into OUT.png
// (default kalvex-console.png) and the program ends. Either way a loaded
// file's load time and object counts are printed. Headless, a file that is
// missing, unreadable or not valid (the job preferences too) ends it with a
// message and exit code 1; wrong arguments with the usage and 2.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

#include "app_support.h"
#include "browser/frmObjectTest.h"
#include "browser/kalvexUi_install.h"
#include "console_start.h"
#include "object_counts.h"
#include "platform/TList.h"
#include "platform/VbLabel.h"

using namespace kalvex;

namespace {

struct Options {
    QString file;
    QString jobPrefs;
    QString png = QStringLiteral("kalvex-console.png");
};

void fail(const QString& text) { std::fprintf(stderr, "kalvex-console: %s\n", qPrintable(text)); }

} // namespace

int main(int argc, char** argv)
{
    apps::chooseHeadlessWithoutDisplay();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    apps::nameProgram(QStringLiteral("kalvex-console"));
    apps::keepSettingsInOwnFolder();

    Options opt;
    const int parsed = apps::parseProgramArguments(
        app.arguments(), QStringLiteral("Opens the object test console on an administration database."),
        {{QStringLiteral("png"), QStringLiteral("OUT.png"), QStringLiteral("Without a display, the console's picture."),
          &opt.png},
         {QStringLiteral("jobprefs"), QStringLiteral("FILE.ruv"),
          QStringLiteral("The job preferences named on the console's third page."), &opt.jobPrefs}},
        opt.file, apps::FileArgument::Optional);
    if (parsed >= 0)
        return parsed;
    const bool headless = apps::headlessPlatform();

    kalvexUi_install();
    frmObjectTest* console = vbl_formInstance<frmObjectTest>();
    QElapsedTimer opening;
    opening.start();
    const console::ConsoleStart start = console::startConsole(console, opt.file, opt.jobPrefs);
    if (!start.failure.isEmpty()) {
        fail(start.failure);
        // Without a window nobody could correct the name.
        if (headless)
            return apps::kExitFileError;
    }
    console->show();
    apps::waitUntilExposed(console);
    const qint64 openMs = opening.elapsed();

    if (start.loaded) {
        std::printf("%s\n", qPrintable(QFileInfo(opt.file).absoluteFilePath()));
        std::printf("  %s s; loaded and shown in %lld ms\n", qPrintable(console->timeLabel->caption()),
                    static_cast<long long>(openMs));
        std::printf("  %s\n", qPrintable(apps::countObjects(console->admObj()).text()));
        std::printf("  %d tree rows\n", console->tlistResult->ListCount());
    }

    if (!headless) {
        std::fflush(stdout);
        return app.exec();
    }
    if (!console->grab().save(opt.png, "PNG")) {
        fail(QStringLiteral("cannot write %1").arg(opt.png));
        return apps::kExitFileError;
    }
    std::printf("  console drawn into %s\n", qPrintable(QFileInfo(opt.png).absoluteFilePath()));
    return 0;
}
