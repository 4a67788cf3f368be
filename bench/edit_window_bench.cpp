// kalvex-edit on the benchmark database of at least 50,000 objects (1,000
// generators): its window filled from the loaded database and shown, and one
// generator's parameter dialog opened in its host window and shown (the grid
// dialog of a 20-parameter generator, and the Gerber dialog), and Cancel
// after New in the grid dialog, which reads the database back from its file
// and refills the lists. Each a median over repeated single runs.
#include <QApplication>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeView>
#include <QWindow>
#include <malloc.h>

#include "admin_file.h"
#include "bench_admin_db.h"
#include "browser/kalvexUi_install.h"
#include "dialogs/frmParmEdit.h"
#include "platform/VbCommandButton.h"
#include "edit_window.h"
#include "parm_dialog_host.h"
#include "widget_bench_main.h"

using namespace kalvex;

namespace {

void waitExposed(QWidget* w)
{
    while (!(w->windowHandle() && w->windowHandle()->isExposed()))
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
}

// The database written to a file and read back as the program reads it, so
// that every set has the dialog its command chooses.
struct Fixture {
    QTemporaryDir dir;
    QString path;
    int objects = 0;
    IKalvexAdministratorPtr adm;
    edit::FileStamp read;
    Fixture()
    {
        kalvexUi_install();
        const auto made = bench::makeBenchDatabase(bench::Sizes(), &objects);
        made->generators()->item(2)->setCmdGen(QStringLiteral("(INTERNAL)Kalvex Gerber Generator"));
        path = dir.filePath(QStringLiteral("bench.mra"));
        if (!edit::saveAdminFile(made, path).isEmpty())
            return;
        // A file as a person meets it, written a while ago: its stamp stands
        // until its metadata move, so its bytes are not hashed at each look.
        QThread::msleep(3200);
        const edit::LoadedDatabase db = edit::loadAdminFile(path);
        adm = db.adm;
        read = db.read;
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

// The window shown on the benchmark database; false (the run skipped) without one.
bool showDatabase(benchmark::State& state, edit::EditWindow& window)
{
    Fixture& f = fixture();
    if (!f.adm) {
        state.SkipWithError("no database");
        return false;
    }
    window.setDatabase(f.adm, f.path, f.read);
    window.show();
    waitExposed(&window);
    return true;
}

void BM_FillHostWindow(benchmark::State& state)
{
    Fixture& f = fixture();
    if (!f.adm) {
        state.SkipWithError("no database");
        return;
    }
    int rows = 0;
    for (auto _ : state) {
        auto* window = new edit::EditWindow;
        window->setDatabase(f.adm, f.path, f.read);
        window->show();
        waitExposed(window);

        state.PauseTiming();
        rows = window->listGenerators->model()->rowCount() + window->listDistributors->model()->rowCount();
        delete window;
        QApplication::processEvents();
        malloc_trim(0);
        state.ResumeTiming();
    }
    state.counters["objects"] = f.objects;
    state.counters["rows"] = rows;
}
BENCHMARK(BM_FillHostWindow)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15)
    ->ReportAggregatesOnly(true);

// range(0): the generator's row (0: grid dialog, 1: Gerber dialog).
void BM_OpenGeneratorDialog(benchmark::State& state)
{
    Fixture& f = fixture();
    edit::EditWindow window;
    if (!showDatabase(state, window))
        return;
    for (auto _ : state) {
        edit::ParmDialogHost* dialog = window.openGenerator(static_cast<int>(state.range(0)));
        if (!dialog) {
            state.SkipWithError("no dialog");
            break;
        }
        waitExposed(dialog);

        state.PauseTiming();
        dialog->reject();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["objects"] = f.objects;
}
BENCHMARK(BM_OpenGeneratorDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15)
    ->ReportAggregatesOnly(true);

// New adds a parameter at once; Cancel puts the file's database back.
// range(0): 1 with the console open on the database, which follows.
void BM_CancelAfterNew(benchmark::State& state)
{
    Fixture& f = fixture();
    edit::EditWindow window;
    if (!showDatabase(state, window))
        return;
    if (state.range(0))
        window.cmdConsole->click();
    for (auto _ : state) {
        state.PauseTiming();
        edit::ParmDialogHost* dialog = window.openGenerator(0);
        auto* grid = dialog ? qobject_cast<frmParmEdit*>(dialog->form()) : nullptr;
        if (!grid) {
            state.SkipWithError("no grid dialog");
            break;
        }
        waitExposed(dialog);
        grid->cmdNew->click();
        QApplication::processEvents();
        state.ResumeTiming();

        dialog->reject();
        QApplication::processEvents();
    }
    state.counters["objects"] = f.objects;
    state.counters["unsaved"] = f.adm->modified();
}
BENCHMARK(BM_CancelAfterNew)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace

KALVEX_WIDGET_BENCHMARK_MAIN()
