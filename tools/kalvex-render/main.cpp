// kalvex-render FORM OUT.png   draws a form of the library into a PNG file
// kalvex-render --list          names the forms it knows
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise, in
// the Fusion style, with settings of its own in a temporary folder (the file
// dialogs keep their sidebar and history there), so a picture looks the same
// on every run and the user's ~/.config stays untouched.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "browser/kalvexUi_install.h"
#include "render_forms.h"

using kalvex::render::renderForms;

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    // Qt wants a runtime folder and warns on every start without one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(settings.path()));
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    kalvex::kalvexUi_install();
    const QStringList args = app.arguments().mid(1);

    if (args.size() == 1 && args[0] == QLatin1String("--list")) {
        for (const auto& f : renderForms())
            std::printf("%s\n", qPrintable(f.name));
        return 0;
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: kalvex-render FORM OUT.png | --list\n");
        return 2;
    }
    for (const auto& f : renderForms()) {
        if (f.name != args[0])
            continue;
        if (f.renderTo) {
            if (!f.renderTo(args[1])) {
                std::fprintf(stderr, "kalvex-render: %s could not be drawn into %s\n", qPrintable(f.name),
                             qPrintable(args[1]));
                return 1;
            }
            std::printf("%s -> %s\n", qPrintable(f.name), qPrintable(args[1]));
            return 0;
        }
        QWidget* w = f.make();
        if (!w) {
            std::fprintf(stderr, "kalvex-render: %s could not be built\n", qPrintable(f.name));
            return 1;
        }
        w->show();
        QElapsedTimer waited;
        waited.start();
        while (!(w->windowHandle() && w->windowHandle()->isExposed()) && waited.elapsed() < 2000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        QApplication::processEvents();
        if (!w->grab().save(args[1], "PNG")) {
            std::fprintf(stderr, "kalvex-render: cannot write %s\n", qPrintable(args[1]));
            return 1;
        }
        std::printf("%s -> %s (%dx%d)\n", qPrintable(f.name), qPrintable(args[1]), w->width(), w->height());
        return 0;
    }
    std::fprintf(stderr, "kalvex-render: no form named %s (see --list)\n", qPrintable(args[0]));
    return 1;
}
