// Model footprint probe: prints the size of each model class and, given a
// file, loads it once into a fresh database (a short run for heaptrack or
// perf). "--save FILE [FACTOR]" writes the 50,000-object benchmark database
// (FACTOR times as many entries) there instead.
#include <QCoreApplication>
#include <cstdio>

#include "admin/KalvexADMDbStatus.h"
#include "admin/KalvexDistributors.h"
#include "admin/KalvexErrorFilter.h"
#include "admin/KalvexFileTypes.h"
#include "admin/KalvexProdClasses.h"
#include "admin/KalvexProdSites.h"
#include "bench_admin_db.h"
#include "bench_store_file.h"
#include "generators/KalvexGenParm.h"
#include "generators/KalvexGenParms.h"
#include "generators/KalvexGenerators.h"
#include "generators/KalvexProcessOrderKey.h"
#include "generators/KalvexProcesses.h"
#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"

using namespace kalvex;
using kalvex::bench::runStore;

namespace {

void printSizes()
{
#define KALVEX_SIZE(T) std::printf("%-26s %4zu\n", #T, sizeof(T))
    KALVEX_SIZE(KalvexObjectBase);
    KALVEX_SIZE(KalvexGenParm);
    KALVEX_SIZE(KalvexGenParms);
    KALVEX_SIZE(KalvexGenerator);
    KALVEX_SIZE(KalvexGenerators);
    KALVEX_SIZE(KalvexGenAssignment);
    KALVEX_SIZE(KalvexGenAssignments);
    KALVEX_SIZE(KalvexProcess);
    KALVEX_SIZE(KalvexProcessOrderKey);
    KALVEX_SIZE(KalvexProcesses);
    KALVEX_SIZE(KalvexDistributor);
    KALVEX_SIZE(KalvexDistributors);
    KALVEX_SIZE(KalvexPsiteAssignment);
    KALVEX_SIZE(KalvexPsiteAssignments);
    KALVEX_SIZE(KalvexProdSite);
    KALVEX_SIZE(KalvexProdSites);
    KALVEX_SIZE(KalvexFileType);
    KALVEX_SIZE(KalvexProdClass);
    KALVEX_SIZE(KalvexErrorFilter);
    KALVEX_SIZE(KalvexADMDbStatus);
    KALVEX_SIZE(KalvexAdministrator);
#undef KALVEX_SIZE
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printSizes();
        return 0;
    }
    if (args.size() >= 2 && args[0] == QLatin1String("--save")) {
        // An optional factor scales the entry counts (4 gives about 200,000 objects).
        const int f = args.size() > 2 ? std::max(1, args[2].toInt()) : 1;
        bench::Sizes n;
        n.sites *= f;
        n.generators *= f;
        n.distributors *= f;
        n.processes *= f;
        n.filters *= f;
        return runStore(bench::makeBenchDatabase(n), args[1], true) == STORAGE_OK ? 0 : 1;
    }
    auto target = classCreate_KalvexAdministrator();
    return runStore(target, args[0], false) == STORAGE_OK ? 0 : 1;
}
