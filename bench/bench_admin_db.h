// The administration database of the benchmarks: production sites, file
// types, classes, error filters, generators with parameters, distributors
// with site settings and grouped processes with generator assignments
// (about 50,000 objects at the default sizes).
#pragma once
#include <algorithm>

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

namespace kalvex::bench {

struct Sizes {
    int sites = 100, fileTypes = 50, classes = 50, filters = 200;
    int generators = 1000, parmsPerGenerator = 20;
    int distributors = 20, parmsPerDistributor = 10;
    int processes = 5500, assignmentsPerProcess = 4;
};

inline IKalvexAdministratorPtr makeBenchDatabase(const Sizes& n, int* objectCount = nullptr)
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
    if (objectCount)
        *objectCount = objects;
    return adm;
}

// The default sizes divided by divisor (at least one of each).
inline Sizes scaledSizes(int divisor)
{
    Sizes n;
    const auto div = [divisor](int v) { return std::max(1, v / std::max(1, divisor)); };
    n.sites = div(n.sites);
    n.fileTypes = div(n.fileTypes);
    n.classes = div(n.classes);
    n.filters = div(n.filters);
    n.generators = div(n.generators);
    n.distributors = div(n.distributors);
    n.processes = div(n.processes);
    return n;
}

} // namespace kalvex::bench
