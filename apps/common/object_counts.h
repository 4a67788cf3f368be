// How many objects of each kind an administration database holds.
#pragma once
#include <QString>

#include "interfaces/IKalvexAdministrator.h"

namespace kalvex::apps {

struct ObjectCounts {
    int productionSites = 0, fileTypes = 0, productClasses = 0, errorFilters = 0;
    int generators = 0, generatorParameters = 0;
    int distributors = 0, distributorParameters = 0, siteAssignments = 0;
    int processes = 0, generatorAssignments = 0;
    // Every object above plus the database itself.
    int total() const;
    // "N objects: 4 production sites, …"
    QString text() const;
};

ObjectCounts countObjects(const IKalvexAdministratorPtr& adm);

} // namespace kalvex::apps
