// Keyword-file throughput: administration databases of about 5,000, 50,000
// and 200,000 objects (entries, parameters and assignments), and two lopsided
// shapes (16,000 generators; one generator with 20,000 parameters), saved and
// loaded through the storage controller. Reports MB/s, the time per object
// (flat when the load is linear) and the peak resident memory of a load
// against the file size.
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
#include "admin/KalvexDistributor.h"
#include "admin/KalvexErrorFilter.h"
#include "admin/KalvexFileType.h"
#include "admin/KalvexProdClass.h"
#include "admin/KalvexProdSite.h"
#include "admin/KalvexPsiteAssignment.h"
#include "generators/KalvexGenAssignment.h"
#include "generators/KalvexGenerator.h"
#include "generators/KalvexProcess.h"
#include "interfaces/IKalvexGenerators.h"
#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"

using namespace kalvex;

namespace {

struct Sizes {
    int sites = 100, fileTypes = 50, classes = 50, filters = 200;
    int generators = 1000, parmsPerGenerator = 20;
    int distributors = 20, parmsPerDistributor = 10;
    int processes = 5500, assignmentsPerProcess = 4;
};

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
    auto adm = classCreate_KalvexAdministrator();
    // Built as a reader builds it: with the database suspended it does not
    // give every new process an assignment for every site.
    adm->setModified(MODIFIED_SUSPEND);
    int objects = 1;
    const QString date = QStringLiteral("7 Dec 2026 8:05:09");
    adm->setObjInitDate(date);
    for (int code = 2; code <= 8; ++code)
        adm->statusInfo()->setModificationDate(code, date);
    for (int i = 0; i < n.sites; ++i, ++objects) {
        auto s = classCreate_KalvexProdSite();
        s->setId(QStringLiteral("SITE_%1").arg(i));
        s->setName(QStringLiteral("Production site %1").arg(i));
        s->setAddress(1, QStringLiteral("Street %1").arg(i));
        s->setEmailData(QStringLiteral("site%1@plant.example").arg(i));
        s->setDisplayOrder(i);
        adm->productionSites()->add(s);
    }
    for (int i = 0; i < n.fileTypes; ++i, ++objects) {
        auto t = classCreate_KalvexFileType();
        t->setId(QStringLiteral("FT_%1").arg(i));
        t->setName(QStringLiteral("File type %1").arg(i));
        adm->fileTypes()->add(t);
    }
    for (int i = 0; i < n.classes; ++i, ++objects) {
        auto c = classCreate_KalvexProdClass();
        c->setId(QStringLiteral("PC_%1").arg(i));
        c->setName(QStringLiteral("Product class %1").arg(i));
        adm->productClasses()->add(c);
    }
    for (int i = 0; i < n.filters; ++i, ++objects) {
        auto f = classCreate_KalvexErrorFilter();
        f->setId(QStringLiteral("ERRF_%1").arg(i));
        f->setOrder(10 * (i + 1));
        f->setActionString(QStringLiteral("WARNING"));
        f->setExpression(QStringLiteral("** Warning ** code %1").arg(i));
        adm->errorFilters()->add(f);
    }
    for (int i = 0; i < n.generators; ++i, ++objects) {
        auto g = adm->generators()->add(QStringLiteral("GEN_%1").arg(i), QStringLiteral("Generator %1").arg(i));
        g->setCmdGen(QStringLiteral("${KVX_GENSYS_PATH}\\bin\\gen%1.exe").arg(i));
        g->setDescription(QStringLiteral("Produces data set %1 for the \"standard\" flow").arg(i));
        g->setFileExt(QStringLiteral("dat"));
        for (int p = 0; p < n.parmsPerGenerator; ++p, ++objects)
            g->parameters()->add(QStringLiteral("parameter_%1").arg(p),
                                 QStringLiteral("${KVX_JOB_PCB_PATH}\\config\\value_%1_%2.txt").arg(i).arg(p), p % 2);
    }
    for (int i = 0; i < n.distributors; ++i, ++objects) {
        auto d = classCreate_KalvexDistributor();
        d->setId(QStringLiteral("DIST_%1").arg(i));
        d->setName(QStringLiteral("Distributor %1").arg(i));
        d->setDistribExe(QStringLiteral("${KVX_DISTRSYS_PATH}\\bin\\dist%1.exe").arg(i));
        adm->distributors()->add(d);
        for (int p = 0; p < n.parmsPerDistributor; ++p, ++objects)
            d->parameters()->add(QStringLiteral("dparm_%1").arg(p), QStringLiteral("value %1").arg(p), 1);
        for (int s = 1; s <= adm->productionSites()->count(); ++s, ++objects) {
            auto a = classCreate_KalvexPsiteAssignment();
            a->setProductionSite(adm->productionSites()->item(s, SORT_COLLECTION));
            a->setInUse(s % 3 == 0);
            d->psiteAssignments()->add(a);
        }
    }
    IKalvexProcessPtr group;
    for (int i = 0; i < n.processes; ++i, ++objects) {
        auto p = classCreate_KalvexProcess();
        p->setId(QStringLiteral("PROC_%1").arg(i));
        p->setName(QStringLiteral("Process %1").arg(i));
        const bool isGroup = i % 10 == 0;
        p->setProcessType(isGroup ? PROC_PARENT : PROC_CHILD);
        p->orderKey()->setEncoded(isGroup ? QStringLiteral("%1").arg(i / 10 + 1)
                                          : QStringLiteral("%1.%2").arg(i / 10 + 1).arg(i % 10));
        p->setFileType(adm->fileTypes()->item(i % n.fileTypes + 1, SORT_COLLECTION));
        p->setProductClass(adm->productClasses()->item(i % n.classes + 1, SORT_COLLECTION));
        adm->processes()->add(p);
        if (isGroup)
            group = p;
        else
            p->setProcessParent(group);
        for (int a = 0; a < n.assignmentsPerProcess; ++a, ++objects) {
            auto as = classCreate_KalvexGenAssignment();
            as->setProductionSite(adm->productionSites()->item((i + a) % n.sites + 1, SORT_COLLECTION));
            as->setGenerator(adm->generators()->item((i + a) % n.generators + 1));
            as->setInUse(true);
            p->generatorAssignments()->add(as);
        }
    }
    adm->setModified(MODIFIED_RESUME);
    g_objects = objects;
    return adm;
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
    const int st = save ? ctrl->saveToStorage(obj, true, true) : ctrl->loadFromStorage(obj, true);
    if (st != STORAGE_OK)
        std::fprintf(stderr, "%s failed: %s (line %d)\n", save ? "save" : "load",
                     qPrintable(conn->lastError()), conn->lastErrorLine());
    return st;
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
        target.reset();
        state.ResumeTiming();
    }
    report(state, f);
    state.counters["peak_MB_above_start"] = peakMB;
    state.counters["peak_per_file_MB"] = peakMB / (static_cast<double>(f.bytes) / 1048576.0);
}
BENCHMARK(BM_LoadAdminDb)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
