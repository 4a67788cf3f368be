#include "browser/tlistViews_admin.h"

#include "platform/TList.h"

namespace kalvex {

void tlist_showAdmDb(TList*, const std::shared_ptr<IKalvexAdministrator>&, bool, bool) {}
void tlist_showProcesses(TList*, int, const std::shared_ptr<IKalvexProcesses>&, bool) {}
void tlist_showGenerators(TList*, int, const std::shared_ptr<IKalvexGenerators>&, bool) {}
void tlist_showDistributors(TList*, int, const std::shared_ptr<IKalvexDistributors>&, bool) {}
void tlist_showErrorFilters(TList*, int, const std::shared_ptr<IKalvexErrorFilters>&, bool) {}
void tlist_showProdSites(TList*, int, const std::shared_ptr<IKalvexProdSites>&, bool) {}
void tlist_showProdClasses(TList*, int, const std::shared_ptr<IKalvexProdClasses>&, bool) {}
void tlist_showFileTypes(TList*, int, const std::shared_ptr<IKalvexFileTypes>&, bool) {}
void tlist_showParameters(TList*, int, const std::shared_ptr<IKalvexGenParms>&, bool) {}
void tlist_showGenAssignments(TList*, int, const std::shared_ptr<IKalvexGenAssignments>&, bool) {}
void tlist_showPsiteAssignments(TList*, int, const std::shared_ptr<IKalvexPsiteAssignments>&, bool) {}
int tlist_showProcess(TList*, int, const std::shared_ptr<IKalvexProcess>&, bool) { return -1; }
int tlist_showGenerator(TList*, int, const std::shared_ptr<IKalvexGenerator>&, bool) { return -1; }
int tlist_showDistributor(TList*, int, const std::shared_ptr<IKalvexDistributor>&, bool) { return -1; }
int tlist_showErrorFilter(TList*, int, const std::shared_ptr<IKalvexErrorFilter>&, bool) { return -1; }
int tlist_showProdSite(TList*, int, const std::shared_ptr<IKalvexProdSite>&, bool) { return -1; }
int tlist_showProdClass(TList*, int, const std::shared_ptr<IKalvexProdClass>&, bool) { return -1; }
int tlist_showFileType(TList*, int, const std::shared_ptr<IKalvexFileType>&, bool) { return -1; }
int tlist_showGenAssignment(TList*, int, const std::shared_ptr<IKalvexGenAssignment>&, bool) { return -1; }
int tlist_showPsiteAssignment(TList*, int, const std::shared_ptr<IKalvexPsiteAssignment>&, bool) { return -1; }
int tlist_showAdminDbStatus(TList*, int, const std::shared_ptr<IKalvexADMDbStatus>&, bool) { return -1; }

} // namespace kalvex
