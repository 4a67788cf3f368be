// Tree views of an administration database: the root view, one view per
// collection and one per object kind. The views only read the objects and
// keep no reference to them.
#pragma once
#include <memory>

#include "interfaces/IKalvexAdministrator.h"
#include "interfaces/IKalvexGenAssignment.h"
#include "interfaces/IKalvexGenParms.h"
#include "interfaces/IKalvexGenerator.h"
#include "interfaces/IKalvexGenerators.h"
#include "interfaces/IKalvexProcess.h"
#include "interfaces/IKalvexPsiteAssignment.h"

namespace kalvex {

class TList;

// Fills tlist with the whole database at top level; with initGrid the list
// is emptied and set up for name/value rows first.
void tlist_showAdmDb(TList* tlist, const std::shared_ptr<IKalvexAdministrator>& admin, bool initGrid,
                     bool onlyModified);

// Collection views: a node captioned by getCollCounts, the items below it.
// Nothing for an empty collection, or in only-modified mode when no item
// changed.
void tlist_showProcesses(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexProcesses>& processes,
                         bool onlyModified);
void tlist_showGenerators(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexGenerators>& generators,
                          bool onlyModified);
void tlist_showDistributors(TList* tlist, int parentIndex,
                            const std::shared_ptr<IKalvexDistributors>& distributors, bool onlyModified);
void tlist_showErrorFilters(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexErrorFilters>& filters,
                            bool onlyModified);
void tlist_showProdSites(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexProdSites>& sites,
                         bool onlyModified);
void tlist_showProdClasses(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexProdClasses>& classes,
                           bool onlyModified);
void tlist_showFileTypes(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexFileTypes>& fileTypes,
                         bool onlyModified);
void tlist_showParameters(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexGenParms>& parms,
                          bool onlyModified);
void tlist_showGenAssignments(TList* tlist, int parentIndex,
                              const std::shared_ptr<IKalvexGenAssignments>& assignments, bool onlyModified);
void tlist_showPsiteAssignments(TList* tlist, int parentIndex,
                                const std::shared_ptr<IKalvexPsiteAssignments>& assignments, bool onlyModified);

// Item views: a node for the object, its properties as name/value rows and
// its owned objects as child nodes. The result is the node's row, -1 when
// none was added.
int tlist_showProcess(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexProcess>& process,
                      bool onlyModified);
int tlist_showGenerator(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexGenerator>& generator,
                        bool onlyModified);
int tlist_showDistributor(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexDistributor>& distributor,
                          bool onlyModified);
int tlist_showErrorFilter(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexErrorFilter>& filter,
                          bool onlyModified);
int tlist_showProdSite(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexProdSite>& site,
                       bool onlyModified);
int tlist_showProdClass(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexProdClass>& prodClass,
                        bool onlyModified);
int tlist_showFileType(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexFileType>& fileType,
                       bool onlyModified);
int tlist_showGenAssignment(TList* tlist, int parentIndex,
                            const std::shared_ptr<IKalvexGenAssignment>& assignment, bool onlyModified);
int tlist_showPsiteAssignment(TList* tlist, int parentIndex,
                              const std::shared_ptr<IKalvexPsiteAssignment>& assignment, bool onlyModified);
// Shown in either mode.
int tlist_showAdminDbStatus(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexADMDbStatus>& status,
                            bool onlyModified);

} // namespace kalvex
