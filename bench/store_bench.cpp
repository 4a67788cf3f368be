// Keyword-file throughput: administration databases of about 5,000, 50,000
// and 200,000 objects (entries, parameters and assignments), and two lopsided
// shapes (16,000 generators; one generator with 20,000 parameters), saved and
// loaded through the storage controller. Reports MB/s, the time per object
// (flat when the load is linear) and the peak resident memory of a load
// against the file size; and the line reader alone on the same files, the
// ceiling a load is measured against.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <malloc.h>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "admin/KalvexAdministrator.h"
#include "bench_admin_db.h"
#include "bench_store_file.h"
#include "foundation/KalvexKeywordReader.h"
#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"

using namespace kalvex;
using kalvex::bench::makeBenchDatabase;
using kalvex::bench::Sizes;
using kalvex::bench::runStore;

namespace {

int g_objects = 0;

// The database shapes measured, by benchmark argument.
Sizes shape(int which)
{
    Sizes n;
    auto scale = [&](double f) {
        n.sites = std::max(4, int(n.sites * f));
        n.generators = int(n.generators * f);
        n.distributors = std::max(1, int(n.distributors * f));
        n.processes = int(n.processes * f);
        n.filters = int(n.filters * f);
    };
    switch (which) {
    case 0: scale(0.1); break;   // about 5,000 objects
    case 1: break;               // about 50,000
    case 2: scale(4.0); break;   // about 200,000
    case 3:                      // 16,000 generators and little else
        n = Sizes{4, 5, 5, 10, 16000, 0, 1, 1, 10, 1};
        break;
    case 4:                      // one generator with 20,000 parameters
        n = Sizes{4, 5, 5, 10, 1, 20000, 1, 1, 10, 1};
        break;
    }
    return n;
}
const char* const kShapeNames[] = {"5k", "50k", "200k", "16000_generators", "20000_parameters"};

IKalvexAdministratorPtr makeDatabase(const Sizes& n)
{
    return makeBenchDatabase(n, &g_objects);
}

long procStatusKb(const char* field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return -1;
}

// Resets the peak resident size, so that VmHWM afterwards is the peak of
// what follows.
void resetPeak()
{
    std::FILE* f = std::fopen("/proc/self/clear_refs", "w");
    if (f) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

struct Fixture {
    QTemporaryDir dir;
    QString path;
    IKalvexAdministratorPtr db;
    qint64 bytes = 0;
    int objects = 0;
    explicit Fixture(int which)
    {
        db = makeDatabase(shape(which));
        objects = g_objects;
        path = dir.filePath(QStringLiteral("bench.mra"));
        runStore(db, path, true);
        bytes = QFileInfo(path).size();
    }
};

Fixture& fixture(int which)
{
    static std::map<int, std::unique_ptr<Fixture>> made;
    auto& f = made[which];
    if (!f)
        f = std::make_unique<Fixture>(which);
    return *f;
}

void report(benchmark::State& state, const Fixture& f)
{
    state.SetLabel(kShapeNames[state.range(0)]);
    state.SetBytesProcessed(state.iterations() * f.bytes);
    state.counters["objects"] = f.objects;
    state.counters["file_MB"] = static_cast<double>(f.bytes) / 1e6;
    state.counters["ns_per_object"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * f.objects * 1e-9,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_SaveAdminDb(benchmark::State& state)
{
    auto& f = fixture(static_cast<int>(state.range(0)));
    for (auto _ : state)
        if (runStore(f.db, f.path, true) != STORAGE_OK)
            state.SkipWithError("save failed");
    report(state, f);
}
BENCHMARK(BM_SaveAdminDb)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_LoadAdminDb(benchmark::State& state)
{
    auto& f = fixture(static_cast<int>(state.range(0)));
    double peakMB = 0;
    double keptMB = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto target = classCreate_KalvexAdministrator();
        // Memory freed by the last round goes back first, or the new tree
        // would grow into it unseen.
        malloc_trim(0);
        const long before = procStatusKb("VmRSS");
        resetPeak();
        state.ResumeTiming();
        if (runStore(target, f.path, false) != STORAGE_OK) {
            state.SkipWithError("load failed");
            break;
        }
        state.PauseTiming();
        const long peak = procStatusKb("VmHWM");
        peakMB = std::max(peakMB, static_cast<double>(peak - before) / 1024.0);
        // What stays: the tree; the rest of the peak was the load's own.
        malloc_trim(0);
        keptMB = std::max(keptMB, static_cast<double>(procStatusKb("VmRSS") - before) / 1024.0);
        target.reset();
        state.ResumeTiming();
    }
    report(state, f);
    state.counters["peak_MB_above_start"] = peakMB;
    state.counters["peak_per_file_MB"] = peakMB / (static_cast<double>(f.bytes) / 1048576.0);
    state.counters["tree_MB"] = keptMB;
}
BENCHMARK(BM_LoadAdminDb)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The line reader alone on the same files: read the file and split every
// line into level, keyword and values, building nothing. The ceiling a load
// is compared with.
void BM_ReadLines(benchmark::State& state)
{
    auto& f = fixture(static_cast<int>(state.range(0)));
    qint64 lines = 0;
    for (auto _ : state) {
        QFile file(f.path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open");
            break;
        }
        KalvexKeywordReader reader(file.readAll());
        KeywordLine line;
        lines = 0;
        qint64 values = 0;
        while (reader.next(line) == KalvexKeywordReader::Ok) {
            ++lines;
            values += line.count();
        }
        benchmark::DoNotOptimize(values);
        if (reader.failed())
            state.SkipWithError("read failed");
    }
    report(state, f);
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ReadLines)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
