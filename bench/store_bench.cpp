// Keyword-file throughput: an administration database of at least 50,000
// objects (entries, parameters and assignments) is saved and loaded through
// the storage controller. Reports MB/s and the peak resident memory of a
// load against the file size.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <malloc.h>
#include <fstream>
#include <string>

#include "admin/KalvexAdministrator.h"
#include "bench_admin_db.h"
#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"

using namespace kalvex;
using kalvex::bench::makeBenchDatabase;
using kalvex::bench::Sizes;

namespace {

int g_objects = 0;

IKalvexAdministratorPtr makeDatabase(const Sizes& n)
{
    return makeBenchDatabase(n, &g_objects);
}

int runStore(const IKalvexObjectPtr& obj, const QString& path, bool save)
{
    auto conn = classCreate_KalvexRUVConnection();
    conn->setFileIO(path);
    conn->setFileOpenMode(save ? RUV_OPEN_WRITE : RUV_OPEN_READ);
    conn->setKwLevel(save ? 0 : 1);
    conn->setSourceId(SOURCE_ID_ADMIN_DB);
    auto ctrl = classCreate_KalvexStorageCtrl();
    ctrl->setStorageObject(conn);
    return save ? ctrl->saveToStorage(obj, true, true) : ctrl->loadFromStorage(obj, true);
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
    Fixture()
    {
        db = makeDatabase(Sizes());
        path = dir.filePath(QStringLiteral("bench.mra"));
        runStore(db, path, true);
        bytes = QFileInfo(path).size();
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_SaveAdminDb(benchmark::State& state)
{
    auto& f = fixture();
    for (auto _ : state)
        if (runStore(f.db, f.path, true) != STORAGE_OK)
            state.SkipWithError("save failed");
    state.SetBytesProcessed(state.iterations() * f.bytes);
    state.counters["objects"] = g_objects;
    state.counters["file_MB"] = static_cast<double>(f.bytes) / 1e6;
}
BENCHMARK(BM_SaveAdminDb)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_LoadAdminDb(benchmark::State& state)
{
    auto& f = fixture();
    double peakMB = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto target = classCreate_KalvexAdministrator();
        // Memory freed by the last round goes back first, or the new tree
        // would grow into it unseen.
        malloc_trim(0);
        const long before = procStatusKb("VmRSS");
        resetPeak();
        state.ResumeTiming();
        if (runStore(target, f.path, false) != STORAGE_OK)
            state.SkipWithError("load failed");
        state.PauseTiming();
        const long peak = procStatusKb("VmHWM");
        peakMB = std::max(peakMB, static_cast<double>(peak - before) / 1024.0);
        target.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * f.bytes);
    state.counters["objects"] = g_objects;
    state.counters["file_MB"] = static_cast<double>(f.bytes) / 1e6;
    state.counters["peak_MB_above_start"] = peakMB;
    state.counters["peak_per_file_MB"] = peakMB / (static_cast<double>(f.bytes) / 1048576.0);
}
BENCHMARK(BM_LoadAdminDb)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
