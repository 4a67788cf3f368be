// Tree views of job preferences and of a task list.
#include "browser/tlistViews_jobprefsTasks.h"

#include <optional>

#include "browser/tlistViews_rows.h"
#include "jobprefs/layerTypeText.h"
#include "platform/TList.h"

namespace kalvex {

namespace {

void addRow(TList* tlist, int node, const QString& name, const QVariant& value)
{
    tlist_addNameVal(name, value, tlist, node);
}

// A layer number in at least two digits ("04", "12", "123").
QString twoDigits(int n)
{
    const QString digits = QStringLiteral("%1").arg(qAbs(qint64(n)), 2, 10, QLatin1Char('0'));
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace

int tlist_showJobPrefs(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexJobPreferences>& jobPrefs,
                       bool onlyModified, bool initGrid)
{
    int result = -1;
    if (!tlist || !jobPrefs)
        return result;
    tlist_viewFrame(tlist, [&] {
        if (initGrid) {
            tlist_prepareGrid(tlist);
            parentIndex = -1; // the list was emptied
        }
        // Shown in either mode.
        tlist_node built(tlist, parentIndex, QStringLiteral("Job preferences"));
        const int node = built.row();
        result = node;
        addRow(tlist, node, QStringLiteral("numPhysicalLayers"), jobPrefs->numPhysicalLayers());
        addRow(tlist, node, QStringLiteral("padstackTechnology"), jobPrefs->padstackTechnology());
        addRow(tlist, node, QStringLiteral("substrateTop"), jobPrefs->substrateTop());
        addRow(tlist, node, QStringLiteral("substrateBottom"), jobPrefs->substrateBottom());
        addRow(tlist, node, QStringLiteral("units"), jobPrefs->units());
        addRow(tlist, node, QStringLiteral("modified"), jobPrefs->modified());

        const auto layers = jobPrefs->layers();
        tlist_node defsBuilt(tlist, node, QStringLiteral("Layer definitions"));
        const int defs = defsBuilt.row();
        addRow(tlist, defs, QStringLiteral("Top Layer"), layers ? layers->topLayer() : 0);
        addRow(tlist, defs, QStringLiteral("Bottom Layer"), layers ? layers->bottomLayer() : 0);
        addRow(tlist, defs, QStringLiteral("# Inner layers"), layers ? layers->countInner() : 0);
        for (int type : {LAYER_ANY, LAYER_DIELECTRIC, LAYER_OTHER, LAYER_PLANE_NEGATIVE, LAYER_PLANE_POSITIVE,
                         LAYER_SIGNAL})
            tlist_showJobPrefs_layers(tlist, defs, layers, onlyModified, type);
        defsBuilt.close();

        tlist_showJobPrefs_viaSpans(tlist, node, jobPrefs->viaSpans(), onlyModified);
        built.close();
    });
    return result;
}

void tlist_showJobPrefs_layers(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexJobLayers>& layers,
                               bool onlyModified, int layerType)
{
    if (!tlist || !layers || layers->count() == 0 || onlyModified)
        return;
    QString caption;
    int size = 0;
    switch (layerType) {
    case LAYER_DIELECTRIC: caption = QStringLiteral("Dielectric layers"), size = layers->countDielectric(); break;
    case LAYER_OTHER: caption = QStringLiteral("Other layers"), size = layers->countOther(); break;
    case LAYER_PLANE_NEGATIVE:
        caption = QStringLiteral("Plane layers negative"), size = layers->countPlaneNegative();
        break;
    case LAYER_PLANE_POSITIVE:
        caption = QStringLiteral("Plane layers positive"), size = layers->countPlanePositive();
        break;
    case LAYER_SIGNAL: caption = QStringLiteral("Signal layers"), size = layers->countSignal(); break;
    default: caption = QStringLiteral("Layer Stackup"), size = layers->count(); break;
    }
    if (size < 1)
        return;
    tlist_viewFrame(tlist, [&] {
        tlist_node built(tlist, parentIndex, caption);
        const int node = built.row();
        for (int i = 1; i <= size; ++i)
            tlist_showJobPrefs_layer(tlist, node, layers->item(i, layerType), onlyModified);
        built.close();
    });
}

void tlist_showJobPrefs_viaSpans(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexJobViaSpans>& spans,
                                 bool onlyModified)
{
    if (!tlist || !spans || spans->count() == 0 || onlyModified)
        return;
    tlist_viewFrame(tlist, [&] {
        tlist_node built(tlist, parentIndex, QStringLiteral("Via list"));
        const int node = built.row();
        const int n = spans->count();
        for (int i = 1; i <= n; ++i)
            tlist_showJobPrefs_viaSpan(tlist, node, spans->item(i), onlyModified);
        tlist->setItemMode(node, 1);
        built.close();
    });
}

int tlist_showJobPrefs_layer(TList* tlist, int parentIndex, const IKalvexJobLayerPtr& layer, bool onlyModified)
{
    int result = -1;
    if (!tlist || !layer || (onlyModified && layer->modified() == 0))
        return result;
    tlist_viewFrame(tlist, [&] {
        tlist_node built(tlist, parentIndex, morvObjs_layerTypeText(layer));
        const int node = built.row();
        result = node;
        const int type = layer->layerType();
        addRow(tlist, node, QStringLiteral("description"), layer->description());
        addRow(tlist, node, QStringLiteral("id"), layer->id());
        addRow(tlist, node, QStringLiteral("condLayerNumber"), layer->condLayerNumber());
        addRow(tlist, node, QStringLiteral("resistivity"), layer->resistivity());
        addRow(tlist, node, QStringLiteral("technology"), layer->technology());
        addRow(tlist, node, QStringLiteral("thickness"), layer->thickNess());
        if (type != LAYER_DIELECTRIC)
            addRow(tlist, node, QStringLiteral("biasDirectional"), layer->biasDirectional());
        addRow(tlist, node, QStringLiteral("dielConstant"), layer->dielConstant());
        addRow(tlist, node, QStringLiteral("enabled"), layer->enabled());
        if (type == LAYER_PLANE_POSITIVE || type == LAYER_PLANE_NEGATIVE)
            addRow(tlist, node, QStringLiteral("planeNets"), layer->planeNets());
        addRow(tlist, node, QStringLiteral("modified"), layer->modified());
        built.close();
    });
    return result;
}

int tlist_showJobPrefs_viaSpan(TList* tlist, int parentIndex, const IKalvexJobViaSpanPtr& span, bool onlyModified)
{
    int result = -1;
    if (!tlist || !span || (onlyModified && span->modified() == 0))
        return result;
    tlist_viewFrame(tlist, [&] {
        const QString caption =
            QStringLiteral("Via ") + twoDigits(span->layerFrom()) + QLatin1String(" - ") + twoDigits(span->layerTo());
        tlist_node built(tlist, parentIndex, caption);
        const int node = built.row();
        result = node;
        addRow(tlist, node, QStringLiteral("padstackName"), span->padstackName());
        addRow(tlist, node, QStringLiteral("delay"), span->delay());
        addRow(tlist, node, QStringLiteral("grid"), span->grid());
        addRow(tlist, node, QStringLiteral("capacitance"), span->capacitance());
        addRow(tlist, node, QStringLiteral("modified"), span->modified());
        built.close();
    });
    return result;
}

int tlist_showTasks(TList* tlist, int parentIndex, const std::shared_ptr<IKalvexTasks>& tasks, bool onlyModified)
{
    int result = -1;
    if (!tlist || !tasks || tasks->count() == 0)
        return result;
    tlist_viewFrame(tlist, [&] {
        result = tlist_addNode(tlist, parentIndex,
                               QStringLiteral("Total mod count ") + QString::number(tasks->modified()));
        // Site groups are shown in either mode, even when none of their
        // tasks is.
        QString previousSite;
        std::optional<tlist_node> group;
        const int n = tasks->count();
        for (int i = 1; i <= n; ++i) {
            const IKalvexTaskPtr task = tasks->item(i, SORT_PRODUCTION_SITE);
            const IKalvexProdSitePtr site = task ? task->productionSite() : nullptr;
            if (!site)
                continue;
            if (!group || site->id() != previousSite) {
                // Earlier groups show open, as new nodes of the original
                // control did; only the last one ends closed.
                if (group) {
                    group->close();
                    tlist->setItemExpanded(group->row(), true);
                }
                group.emplace(tlist, parentIndex,
                              QStringLiteral("Tasks for production site ") + site->name() + QLatin1Char('(')
                                  + site->id() + QLatin1Char(')'));
                previousSite = site->id();
            }
            tlist_showTask(tlist, group->row(), task, onlyModified);
        }
        if (group)
            group->close();
    });
    return result;
}

int tlist_showTask(TList* tlist, int parentIndex, const IKalvexTaskPtr& task, bool onlyModified)
{
    int result = -1;
    if (!tlist || !task || (onlyModified && task->modified() == 0))
        return result;
    tlist_viewFrame(tlist, [&] {
        tlist_node built(tlist, parentIndex, QStringLiteral("Task ") + task->id());
        const int node = built.row();
        result = node;
        int status = 0, numErrors = 0, numWarnings = 0;
        QString statusText;
        QStringList infoLines;
        task->getStatusInfo(status, numErrors, numWarnings, statusText, infoLines);
        const auto process = task->process();
        const auto site = task->productionSite();
        const auto key = process ? process->orderKey() : nullptr;
        addRow(tlist, node, QStringLiteral("status"), statusText);
        addRow(tlist, node, QStringLiteral("numErrors"), numErrors);
        addRow(tlist, node, QStringLiteral("numWarnings"), numWarnings);
        addRow(tlist, node, QStringLiteral("processId"), process ? process->id() : QStringLiteral("Not set"));
        addRow(tlist, node, QStringLiteral("productionSiteId"), site ? site->id() : QStringLiteral("Not set"));
        addRow(tlist, node, QStringLiteral("isParent"), task->isParent());
        addRow(tlist, node, QStringLiteral("modified"), task->modified());
        addRow(tlist, node, QStringLiteral("orderKey"), key ? key->encoded() : QString());
        built.close();
    });
    return result;
}

} // namespace kalvex
