// The grid dialog on a parameter set of 1,000 parameters (every tenth a
// system parameter): load (rows built and sorted), sort alone, persist with
// every value changed and with nothing changed; and one Delete (select a row,
// click Delete) on 1,000 and 10,000 parameters, which must cost the same.
#include <benchmark/benchmark.h>

#include "widget_bench_main.h"

#include <QApplication>

#include "dialogs/frmParmEdit.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "dialogs/morvObjs_parmGridFillRow.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "platform/VbCommandButton.h"
#include "platform/vaSpread.h"

using namespace kalvex;

namespace {

constexpr int kParms = 1000;

struct Bench {
    IKalvexGeneratorPtr gen = classCreate_KalvexGenerator();
    frmParmEdit* form = nullptr;

    explicit Bench(int count = kParms)
    {
        dialogs_install();
        gen->setCmdGen(QStringLiteral("outgen.exe"));
        auto parms = gen->parameters();
        for (int i = 0; i < count; ++i) {
            const int n = (i * 7919) % count;
            parms->add(QStringLiteral("parameter_%1").arg(n), QStringLiteral("${KVX_JOB}\\value %1").arg(i),
                       i % 10 == 0 ? PARM_TYPE_SYSTEM : PARM_TYPE_USER);
        }
        form = dynamic_cast<frmParmEdit*>(parms->editor()->formObj());
        form->resize(520, 420);
    }
    ~Bench() { vbl_formRelease<frmParmEdit>(); }

    void changeEveryValue(const QString& suffix)
    {
        vaSpread* g = form->parmsGrid;
        g->setCol(ParmGridCol::Value);
        for (int r = 1; r <= g->maxRows(); ++r) {
            g->setRow(r);
            g->setText(QStringLiteral("new value %1 %2").arg(r).arg(suffix));
        }
    }
};

void BM_ParmEditLoadAndSort1000(benchmark::State& state)
{
    Bench b;
    for (auto _ : state)
        b.form->loadData();
    state.counters["rows"] = b.form->parmsGrid->maxRows();
}
BENCHMARK(BM_ParmEditLoadAndSort1000)->Unit(benchmark::kMillisecond);

void BM_ParmEditSort1000(benchmark::State& state)
{
    Bench b;
    b.form->loadData();
    for (auto _ : state) {
        state.PauseTiming();
        // Reverse the order so every sort has work to do.
        b.form->parmsGrid->sortRows(1, kParms, {ParmGridCol::Name, vaSpread::SortDescending},
                                    {ParmGridCol::Value, vaSpread::SortDescending});
        state.ResumeTiming();
        b.form->sortGrid();
    }
}
BENCHMARK(BM_ParmEditSort1000)->Unit(benchmark::kMillisecond);

void BM_ParmEditPersistAllChanged1000(benchmark::State& state)
{
    Bench b;
    b.form->loadData();
    int round = 0;
    int written = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.changeEveryValue(QString::number(++round));
        state.ResumeTiming();
        bool flag = false;
        written = b.form->persistData(flag);
    }
    state.counters["written"] = written;
}
BENCHMARK(BM_ParmEditPersistAllChanged1000)->Unit(benchmark::kMillisecond);

void BM_ParmEditPersistUnchanged1000(benchmark::State& state)
{
    Bench b;
    b.form->loadData();
    int written = 0;
    for (auto _ : state) {
        bool flag = false;
        written = b.form->persistData(flag);
    }
    state.counters["written"] = written;
}
BENCHMARK(BM_ParmEditPersistUnchanged1000)->Unit(benchmark::kMillisecond);

void BM_ParmEditDelete(benchmark::State& state)
{
    Bench b(static_cast<int>(state.range(0)));
    b.form->loadData();
    b.form->show(); // scrolling and sizes as a user has them
    vaSpread* g = b.form->parmsGrid;
    int row = 0;
    for (auto _ : state) {
        // The next row from the top; system rows refuse and cost nothing.
        if (++row > g->maxRows()) {
            state.PauseTiming();
            b.form->loadData();
            row = 1;
            state.ResumeTiming();
        }
        g->setCol(ParmGridCol::Value);
        g->setRow(row);
        g->setActiveCell();
        b.form->cmdDelete->click();
    }
    state.counters["rows"] = g->maxRows();
}
BENCHMARK(BM_ParmEditDelete)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace

KALVEX_WIDGET_BENCHMARK_MAIN()
