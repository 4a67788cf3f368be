#include "browser/tlistViews_jobprefsTasks.h"

#include "platform/TList.h"

namespace kalvex {

int tlist_showJobPrefs(TList*, int, const std::shared_ptr<IKalvexJobPreferences>&, bool, bool) { return -1; }
int tlist_showTasks(TList*, int, const std::shared_ptr<IKalvexTasks>&, bool) { return -1; }
void tlist_showJobPrefs_layers(TList*, int, const std::shared_ptr<IKalvexJobLayers>&, bool, int) {}
void tlist_showJobPrefs_viaSpans(TList*, int, const std::shared_ptr<IKalvexJobViaSpans>&, bool) {}
int tlist_showJobPrefs_layer(TList*, int, const IKalvexJobLayerPtr&, bool) { return -1; }
int tlist_showJobPrefs_viaSpan(TList*, int, const IKalvexJobViaSpanPtr&, bool) { return -1; }
int tlist_showTask(TList*, int, const IKalvexTaskPtr&, bool) { return -1; }

} // namespace kalvex
