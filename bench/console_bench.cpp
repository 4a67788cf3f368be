// Opening the object test console on the benchmark database of at least
// 50,000 objects: a new console, the file name typed, Load clicked (the
// keyword-file load and the tree), then shown until its window is exposed.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWindow>
#include <malloc.h>

#include "bench_admin_db.h"
#include "browser/frmObjectTest.h"
#include "browser/kalvexUi_install.h"
#include "platform/TList.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"
#include "widget_bench_main.h"

using namespace kalvex;

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString path;
    int objects = 0;
    qint64 bytes = 0;
    Fixture()
    {
        const auto db = bench::makeBenchDatabase(bench::Sizes(), &objects);
        path = dir.filePath(QStringLiteral("bench.mra"));
        auto conn = classCreate_KalvexRUVConnection();
        conn->setFileIO(path);
        conn->setFileOpenMode(RUV_OPEN_WRITE);
        auto ctrl = classCreate_KalvexStorageCtrl();
        ctrl->setStorageObject(conn);
        ctrl->saveToStorage(db, true, true);
        bytes = QFileInfo(path).size();
    }
};

void BM_OpenConsole(benchmark::State& state)
{
    static Fixture f;
    kalvexUi_install();
    int rows = 0;
    double loadMs = 0;
    double readMs = 0;
    for (auto _ : state) {
        auto* console = vbl_formInstance<frmObjectTest>();
        QElapsedTimer load;
        load.start();
        console->textASCIISource->setText(f.path);
        console->cmdLoadGenRUV->click();
        loadMs += static_cast<double>(load.nsecsElapsed()) / 1e6;
        console->show();
        while (!(console->windowHandle() && console->windowHandle()->isExposed()))
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        QApplication::processEvents();

        state.PauseTiming();
        if (console->lastLoadStatus() != 0)
            state.SkipWithError("load failed");
        rows = console->tlistResult->ListCount();
        // The console's own figure: the keyword-file read alone.
        readMs += console->timeLabel->caption().mid(12).toDouble() * 1000;
        vbl_formRelease<frmObjectTest>();
        QApplication::processEvents();
        // The freed tree goes back now, not inside the next round.
        malloc_trim(0);
        state.ResumeTiming();
    }
    state.counters["objects"] = f.objects;
    state.counters["file_MB"] = static_cast<double>(f.bytes) / 1e6;
    state.counters["tree_rows"] = rows;
    state.counters["load_and_tree_ms"] = loadMs / static_cast<double>(state.iterations());
    state.counters["read_ms"] = readMs / static_cast<double>(state.iterations());
}
BENCHMARK(BM_OpenConsole)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

KALVEX_WIDGET_BENCHMARK_MAIN()
