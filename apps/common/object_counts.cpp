// Counting the objects of an administration database by kind.
#include "object_counts.h"

#include <QStringList>

#include "interfaces/IKalvexGenAssignment.h"
#include "interfaces/IKalvexGenerators.h"
#include "interfaces/IKalvexProcess.h"

namespace kalvex::apps {

namespace {
template <class C>
int countOf(const std::shared_ptr<C>& collection)
{
    return collection ? collection->count() : 0;
}
} // namespace

int ObjectCounts::total() const
{
    return 1 + productionSites + fileTypes + productClasses + errorFilters + generators + generatorParameters
        + distributors + distributorParameters + siteAssignments + processes + generatorAssignments;
}

QString ObjectCounts::text() const
{
    const QStringList parts = {
        QStringLiteral("%1 production sites").arg(productionSites),
        QStringLiteral("%1 file types").arg(fileTypes),
        QStringLiteral("%1 product classes").arg(productClasses),
        QStringLiteral("%1 error filters").arg(errorFilters),
        QStringLiteral("%1 generators with %2 parameters").arg(generators).arg(generatorParameters),
        QStringLiteral("%1 distributors with %2 parameters and %3 site assignments")
            .arg(distributors)
            .arg(distributorParameters)
            .arg(siteAssignments),
        QStringLiteral("%1 processes with %2 generator assignments").arg(processes).arg(generatorAssignments),
    };
    return QStringLiteral("%1 objects: ").arg(total()) + parts.join(QStringLiteral(", "));
}

ObjectCounts countObjects(const IKalvexAdministratorPtr& adm)
{
    ObjectCounts n;
    if (!adm)
        return n;
    n.productionSites = countOf(adm->productionSites());
    n.fileTypes = countOf(adm->fileTypes());
    n.productClasses = countOf(adm->productClasses());
    n.errorFilters = countOf(adm->errorFilters());
    if (const auto gens = adm->generators()) {
        n.generators = gens->count();
        for (int i = 1; i <= n.generators; ++i)
            if (const auto g = gens->item(i))
                n.generatorParameters += countOf(g->parameters());
    }
    if (const auto dists = adm->distributors()) {
        n.distributors = dists->count();
        for (int i = 1; i <= n.distributors; ++i)
            if (const auto d = dists->item(i)) {
                n.distributorParameters += countOf(d->parameters());
                n.siteAssignments += countOf(d->psiteAssignments());
            }
    }
    if (const auto procs = adm->processes()) {
        n.processes = procs->count();
        for (int i = 1; i <= n.processes; ++i)
            if (const auto p = procs->item(i))
                n.generatorAssignments += countOf(p->generatorAssignments());
    }
    return n;
}

} // namespace kalvex::apps
