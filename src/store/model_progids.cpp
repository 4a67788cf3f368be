#include "store/model_progids.h"

#include "admin/KalvexADMDbStatus.h"
#include "admin/KalvexAdministrator.h"
#include "admin/KalvexDistributor.h"
#include "admin/KalvexDistributors.h"
#include "admin/KalvexErrorFilter.h"
#include "admin/KalvexFileType.h"
#include "admin/KalvexFileTypes.h"
#include "admin/KalvexProdClass.h"
#include "admin/KalvexProdClasses.h"
#include "admin/KalvexProdSite.h"
#include "admin/KalvexProdSites.h"
#include "admin/KalvexPsiteAssignment.h"
#include "foundation/progid_registry.h"
#include "generators/KalvexGenAssignment.h"
#include "generators/KalvexProcess.h"
#include "generators/KalvexProcessOrderKey.h"
#include "generators/KalvexProcesses.h"
#include "jobprefs/KalvexJobLayer.h"
#include "jobprefs/KalvexJobPreferences.h"
#include "jobprefs/KalvexJobViaSpan.h"
#include "tasks/KalvexTask.h"
#include "tasks/KalvexTasks.h"

namespace kalvex {

namespace {
template <typename F>
void add(ProgIdRegistry& r, const char* className, F factory)
{
    r.registerClass<IKalvexObject>(QStringLiteral("KalvexObjs.") + QLatin1String(className),
                                   [factory]() -> std::shared_ptr<IKalvexObject> { return factory(); });
}
} // namespace

void registerModelProgIds(ProgIdRegistry& r)
{
    add(r, "KalvexAdministrator", classCreate_KalvexAdministrator);
    add(r, "KalvexADMDbStatus", classCreate_KalvexADMDbStatus);
    add(r, "KalvexProdSite", classCreate_KalvexProdSite);
    add(r, "KalvexProdSites", classCreate_KalvexProdSites);
    add(r, "KalvexProdClass", classCreate_KalvexProdClass);
    add(r, "KalvexProdClasses", classCreate_KalvexProdClasses);
    add(r, "KalvexFileType", classCreate_KalvexFileType);
    add(r, "KalvexFileTypes", classCreate_KalvexFileTypes);
    add(r, "KalvexErrorFilter", classCreate_KalvexErrorFilter);
    add(r, "KalvexErrorFilters", classCreate_KalvexErrorFilters);
    add(r, "KalvexDistributor", classCreate_KalvexDistributor);
    add(r, "KalvexDistributors", classCreate_KalvexDistributors);
    add(r, "KalvexPsiteAssignment", classCreate_KalvexPsiteAssignment);
    add(r, "KalvexPsiteAssignments", classCreate_KalvexPsiteAssignments);
    add(r, "KalvexProcess", classCreate_KalvexProcess);
    add(r, "KalvexProcesses", classCreate_KalvexProcesses);
    add(r, "KalvexProcessOrderKey", classCreate_KalvexProcessOrderKey);
    add(r, "KalvexGenAssignment", classCreate_KalvexGenAssignment);
    add(r, "KalvexGenAssignments", classCreate_KalvexGenAssignments);
    add(r, "KalvexJobPreferences", classCreate_KalvexJobPreferences);
    add(r, "KalvexJobLayer", classCreate_KalvexJobLayer);
    add(r, "KalvexJobLayers", classCreate_KalvexJobLayers);
    add(r, "KalvexJobViaSpan", classCreate_KalvexJobViaSpan);
    add(r, "KalvexJobViaSpans", classCreate_KalvexJobViaSpans);
    add(r, "KalvexTask", classCreate_KalvexTask);
    add(r, "KalvexTasks", classCreate_KalvexTasks);
}

} // namespace kalvex
