// kalvex-console [--png OUT.png] [FILE]
//
// Opens the object test console on an administration database in a keyword
// file (default: the bundled examples/demo.mra), loaded and shown. With a
// display it is the real window. Without one (no DISPLAY or WAYLAND_DISPLAY,
// or QT_QPA_PLATFORM=offscreen) the loaded console is drawn into OUT.png
// (default kalvex-console.png) and the program ends. Either way it prints the
// load time and the object counts. A file that is missing, unreadable or not
// a valid database ends it with a message and exit code 1; wrong arguments
// with 2.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

#include "app_support.h"
#include "browser/frmObjectTest.h"
#include "browser/kalvexUi_install.h"
#include "interfaces/IKalvexStorageCtrl.h"
#include "object_counts.h"
#include "platform/TList.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"

using namespace kalvex;

namespace {

constexpr int kExitFileError = 1;
constexpr int kExitUsage = 2;

struct Options {
    QString file = QStringLiteral(KALVEX_SOURCE_DIR "/examples/demo.mra");
    QString png = QStringLiteral("kalvex-console.png");
};

void fail(const QString& text) { std::fprintf(stderr, "kalvex-console: %s\n", qPrintable(text)); }

bool parseArgs(const QStringList& args, Options& opt)
{
    bool fileGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--png") && i + 1 < args.size()) {
            opt.png = args[++i];
        } else if (a.startsWith(QLatin1String("-")) || fileGiven) {
            return false;
        } else {
            opt.file = a;
            fileGiven = true;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    apps::chooseHeadlessWithoutDisplay();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    Options opt;
    if (!parseArgs(app.arguments().mid(1), opt)) {
        std::fprintf(stderr, "usage: kalvex-console [--png OUT.png] [FILE]\n");
        return kExitUsage;
    }
    if (const QString why = apps::unreadableReason(opt.file); !why.isEmpty()) {
        fail(why);
        return kExitFileError;
    }

    kalvexUi_install();
    frmObjectTest* console = vbl_formInstance<frmObjectTest>();
    QElapsedTimer opening;
    opening.start();
    console->textASCIISource->setText(opt.file);
    console->cmdLoadGenRUV->click();
    if (console->lastLoadStatus() != STORAGE_OK) {
        fail(QStringLiteral("%1: not a valid administration database: %2").arg(opt.file, console->lastLoadError()));
        return kExitFileError;
    }
    console->show();
    apps::waitUntilExposed(console);
    const qint64 openMs = opening.elapsed();

    std::printf("%s\n", qPrintable(QFileInfo(opt.file).absoluteFilePath()));
    std::printf("  %s s; loaded and shown in %lld ms\n", qPrintable(console->timeLabel->caption()),
                static_cast<long long>(openMs));
    std::printf("  %s\n", qPrintable(apps::countObjects(console->admObj()).text()));
    std::printf("  %d tree rows\n", console->tlistResult->ListCount());

    if (!apps::headlessPlatform()) {
        std::fflush(stdout);
        return app.exec();
    }
    if (!console->grab().save(opt.png, "PNG")) {
        fail(QStringLiteral("cannot write %1").arg(opt.png));
        return kExitFileError;
    }
    std::printf("  console drawn into %s\n", qPrintable(QFileInfo(opt.png).absoluteFilePath()));
    return 0;
}
