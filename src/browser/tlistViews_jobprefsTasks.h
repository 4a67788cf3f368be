// Tree views of job preferences (layer groups, via spans) and of a task
// list grouped by production site.
#pragma once
#include <memory>

#include "interfaces/IKalvexJobPreferences.h"
#include "interfaces/IKalvexTask.h"

namespace kalvex {

class TList;

// Adds the "Job preferences" node under parentIndex; with initGrid the list
// is emptied and set up for name/value rows first. Answers the node's row,
// -1 when nothing was added.
int tlist_showJobPrefs(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexJobPreferences>& jobPrefs,
                       bool onlyModified, bool initGrid);
// Adds the "Total mod count" node and one group node per production site
// with its tasks under parentIndex. Answers the first node's row, -1 when
// nothing was added.
int tlist_showTasks(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexTasks>& tasks, bool onlyModified);

// The layers of one type (LAYER_ANY: the whole stack) under a group node;
// nothing in only-modified mode.
void tlist_showJobPrefs_layers(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexJobLayers>& layers,
                               bool onlyModified, int layerType);
// The "Via list" node; nothing in only-modified mode.
void tlist_showJobPrefs_viaSpans(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexJobViaSpans>& spans,
                                 bool onlyModified);
int tlist_showJobPrefs_layer(TList* tlist, int parentIndex, const IKalvexJobLayerPtr& layer, bool onlyModified);
int tlist_showJobPrefs_viaSpan(TList* tlist, int parentIndex, const IKalvexJobViaSpanPtr& span, bool onlyModified);
int tlist_showTask(TList* tlist, int parentIndex, const IKalvexTaskPtr& task, bool onlyModified);

} // namespace kalvex
