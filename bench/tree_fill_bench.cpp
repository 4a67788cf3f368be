// Tree fills over the benchmark database (about 50,000 objects, and a
// quarter of it to show how the time grows): the console's view of the
// whole administration database (into an empty list, and replacing the last
// fill) and the browser's process tree (a refill, as the browser does it,
// and into an empty list).
// Reports rows per second.
#include <map>

#include "bench_admin_db.h"
#include "browser/morvObjs_tlist.h"
#include "browser/tlistViews_admin.h"
#include "platform/TList.h"
#include "widget_bench_main.h"

using namespace kalvex;

namespace {

// One database per size, built once.
const IKalvexAdministratorPtr& database(int divisor)
{
    static std::map<int, IKalvexAdministratorPtr> made;
    auto& db = made[divisor];
    if (!db)
        db = bench::makeBenchDatabase(bench::scaledSizes(divisor));
    return db;
}

void reportRows(benchmark::State& state, qint64 rows)
{
    state.counters["rows"] = double(rows);
    state.counters["rows_per_s"] =
        benchmark::Counter(double(rows) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_AdminDbView(benchmark::State& state)
{
    const auto& db = database(int(state.range(0)));
    TList tree;
    qint64 rows = 0;
    for (auto _ : state) {
        // Showing the database: the last fill's rows go first, untimed.
        state.PauseTiming();
        tree.Clear();
        state.ResumeTiming();
        tlist_showAdmDb(&tree, db, true, false);
        rows = tree.ListCount();
    }
    reportRows(state, rows);
}
BENCHMARK(BM_AdminDbView)->Arg(4)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same view replacing the rows of the last fill, as a second show does.
void BM_AdminDbViewAgain(benchmark::State& state)
{
    const auto& db = database(int(state.range(0)));
    TList tree;
    qint64 rows = 0;
    for (auto _ : state) {
        tlist_showAdmDb(&tree, db, true, false);
        rows = tree.ListCount();
    }
    reportRows(state, rows);
}
BENCHMARK(BM_AdminDbViewAgain)->Arg(4)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ProcessTreeFill(benchmark::State& state)
{
    const auto& db = database(int(state.range(0)));
    TList tree;
    qint64 rows = 0;
    for (auto _ : state) {
        morvObjs_checkOut_fillProcTree(&tree, db, QStringLiteral("MASTER_PROCS"), nullptr,
                                       QStringLiteral("<current>"));
        rows = tree.ListCount();
    }
    reportRows(state, rows);
}
BENCHMARK(BM_ProcessTreeFill)->Arg(4)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The process tree into an empty list: the last fill's rows go first, untimed.
void BM_ProcessTreeFillEmpty(benchmark::State& state)
{
    const auto& db = database(int(state.range(0)));
    TList tree;
    qint64 rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        tree.Clear();
        state.ResumeTiming();
        morvObjs_checkOut_fillProcTree(&tree, db, QStringLiteral("MASTER_PROCS"), nullptr,
                                       QStringLiteral("<current>"));
        rows = tree.ListCount();
    }
    reportRows(state, rows);
}
BENCHMARK(BM_ProcessTreeFillEmpty)->Arg(4)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

KALVEX_WIDGET_BENCHMARK_MAIN()
