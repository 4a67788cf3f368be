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

// Fills a tree list again and again; with fromEmpty the last fill's rows go
// first, untimed, otherwise each fill replaces them as a second show does.
template <class Fill>
void runFills(benchmark::State& state, bool fromEmpty, Fill fill)
{
    const auto& db = database(int(state.range(0)));
    TList tree;
    qint64 rows = 0;
    for (auto _ : state) {
        if (fromEmpty) {
            state.PauseTiming();
            tree.Clear();
            state.ResumeTiming();
        }
        fill(tree, db);
        rows = tree.ListCount();
    }
    reportRows(state, rows);
}

void showAdmDb(TList& tree, const IKalvexAdministratorPtr& db)
{
    tlist_showAdmDb(&tree, db, true, false);
}

void fillProcTree(TList& tree, const IKalvexAdministratorPtr& db)
{
    morvObjs_checkOut_fillProcTree(&tree, db, QStringLiteral("MASTER_PROCS"), nullptr, QStringLiteral("<current>"));
}

void BM_AdminDbView(benchmark::State& state) { runFills(state, true, showAdmDb); }
BENCHMARK(BM_AdminDbView)->Arg(4)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_AdminDbViewAgain(benchmark::State& state) { runFills(state, false, showAdmDb); }
BENCHMARK(BM_AdminDbViewAgain)->Arg(4)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ProcessTreeFill(benchmark::State& state) { runFills(state, false, fillProcTree); }
BENCHMARK(BM_ProcessTreeFill)->Arg(4)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ProcessTreeFillEmpty(benchmark::State& state) { runFills(state, true, fillProcTree); }
BENCHMARK(BM_ProcessTreeFillEmpty)->Arg(4)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

KALVEX_WIDGET_BENCHMARK_MAIN()
