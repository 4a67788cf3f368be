// Filling and sorting the spreadsheet grid the way the parameter dialog does,
// for 1,000 rows of six columns.
#include <benchmark/benchmark.h>

#include "widget_bench_main.h"

#include <QApplication>

#include "platform/vaSpread.h"

using kalvex::vaSpread;

namespace {

void fill(vaSpread& grid, int rows)
{
    grid.setReDraw(false);
    grid.setMaxRows(rows);
    for (int r = 1; r <= rows; ++r) {
        grid.setRow(r);
        const int n = (r * 7919) % rows;
        grid.setCol(1);
        grid.setText(QStringLiteral("parameter_%1").arg(n));
        grid.setBackColor(0x80000005);
        grid.setCol(2);
        grid.setText(QStringLiteral("value %1").arg(r));
        grid.setCol(3);
        grid.setText(QStringLiteral("parameter_%1").arg(n));
        grid.setCol(4);
        grid.setText(QStringLiteral("value %1").arg(r));
        grid.setCol(5);
        grid.setText(r % 10 == 0 ? QStringLiteral("1") : QStringLiteral("0"));
        grid.setCol(6);
        grid.setText(QStringLiteral("0"));
    }
    grid.setReDraw(true);
}

void BM_SpreadFill1000(benchmark::State& state)
{
    vaSpread grid;
    grid.setMaxCols(6);
    for (auto _ : state) {
        grid.setMaxRows(0);
        fill(grid, 1000);
    }
}
BENCHMARK(BM_SpreadFill1000)->Unit(benchmark::kMillisecond);

void BM_SpreadSort1000(benchmark::State& state)
{
    vaSpread grid;
    grid.setMaxCols(6);
    for (auto _ : state) {
        state.PauseTiming();
        grid.setMaxRows(0);
        fill(grid, 1000);
        state.ResumeTiming();
        grid.sortRows(1, 1000, {5, vaSpread::SortDescending}, {1, vaSpread::SortAscending});
    }
}
BENCHMARK(BM_SpreadSort1000)->Unit(benchmark::kMillisecond);

} // namespace

KALVEX_WIDGET_BENCHMARK_MAIN()
