#include <gtest/gtest.h>

#include "admin/KalvexProdSite.h"
#include "admin/KalvexProdSites.h"
#include "browser/tlistViews_jobprefsTasks.h"
#include "browser/tlistViews_rows.h"
#include "browser/tree_views_fixture.h"
#include "generators/KalvexProcess.h"
#include "jobprefs/KalvexJobLayer.h"
#include "jobprefs/KalvexJobPreferences.h"
#include "jobprefs/KalvexJobViaSpan.h"
#include "store/store_test_support.h"
#include "support/qt_printers.h"
#include "tasks/KalvexTask.h"
#include "tasks/KalvexTasks.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

IKalvexJobPreferencesPtr loadDemoJobPrefs()
{
    auto prefs = classCreate_KalvexJobPreferences();
    const auto run = loadFrom(prefs, QStringLiteral(KALVEX_SOURCE_DIR "/examples/demo.ruv"), SOURCE_ID_JOB_PREFERENCES);
    EXPECT_EQ(run.status, STORAGE_OK);
    return prefs;
}

IKalvexJobLayerPtr layerOf(int type, int condNumber)
{
    auto l = classCreate_KalvexJobLayer();
    l->setLayerType(type);
    l->setCondLayerNumber(condNumber);
    l->setId(QString("L%1_%2").arg(type).arg(condNumber));
    return l;
}

// Tasks sort by their site's place in its collection.
IKalvexProdSitePtr site(const std::shared_ptr<IKalvexProdSites>& sites, const QString& id, const QString& name)
{
    auto s = classCreate_KalvexProdSite();
    s->setId(id);
    s->setName(name);
    s->setDisplayOrder(sites->count() + 1);
    sites->add(s);
    return s;
}

IKalvexTaskPtr task(const std::shared_ptr<IKalvexTasks>& tasks, const QString& id, const IKalvexProdSitePtr& s,
                    const IKalvexProcessPtr& p)
{
    auto t = classCreate_KalvexTask();
    t->setId(id);
    t->setProductionSite(s);
    t->setProcess(p);
    tasks->add(t);
    return t;
}

} // namespace

TEST(JobPrefsView, DemoPreferencesShowLayerGroupsAndViaSpans)
{
    const auto prefs = loadDemoJobPrefs();
    TList t;
    t.AddItem("left over");
    const int node = tlist_showJobPrefs(&t, 0, prefs, false, true);
    ASSERT_EQ(childRows(t, -1), QList<int>({node}));
    EXPECT_EQ(t.rowItem(node)->text(0), "Job preferences");
    EXPECT_TRUE(isBold(t, node));
    EXPECT_EQ(childTexts(t, node), QStringList({"numPhysicalLayers", "padstackTechnology", "substrateTop",
                                                "substrateBottom", "units", "modified", "Layer definitions",
                                                "Via list"}));
    EXPECT_EQ(valueOf(t, node, "numPhysicalLayers"), "8");
    EXPECT_EQ(valueOf(t, node, "units"), "th");
    const int defs = childRow(t, node, "Layer definitions");
    EXPECT_EQ(childTexts(t, defs),
              QStringList({"Top Layer", "Bottom Layer", "# Inner layers", "Layer Stackup", "Dielectric layers",
                           "Other layers", "Plane layers negative", "Plane layers positive", "Signal layers"}));
    EXPECT_EQ(valueOf(t, defs, "Top Layer"), "1");
    EXPECT_EQ(childRows(t, childRow(t, defs, "Layer Stackup")).size(), 15);
    EXPECT_EQ(childRows(t, childRow(t, defs, "Dielectric layers")).size(), 5);
    const int signalLayers = childRow(t, defs, "Signal layers");
    ASSERT_EQ(childRows(t, signalLayers).size(), 4);
    const int top = childRows(t, signalLayers)[0];
    EXPECT_EQ(t.rowItem(top)->text(0), "Signal layer 1");
    EXPECT_EQ(childTexts(t, top), QStringList({"description", "id", "condLayerNumber", "resistivity", "technology",
                                               "thickness", "biasDirectional", "dielConstant", "enabled",
                                               "modified"}));
    EXPECT_EQ(valueOf(t, top, "biasDirectional"), "H");
    EXPECT_EQ(valueOf(t, top, "enabled"), "Yes");
    EXPECT_EQ(valueOf(t, top, "resistivity"), "1.72e-08");

    const int vias = childRow(t, node, "Via list");
    EXPECT_EQ(t.ItemMode(vias), 1);
    const QList<int> spans = childRows(t, vias);
    ASSERT_GE(spans.size(), 4);
    EXPECT_EQ(t.rowItem(spans[0])->text(0), "Via 01 - 06");
    EXPECT_EQ(childTexts(t, spans[0]), QStringList({"padstackName", "delay", "grid", "capacitance", "modified"}));
    EXPECT_EQ(valueOf(t, spans[0], "delay"), "0.012");
    for (int r : allRows(t)) {
        if (t.ItemHasChildren(r)) {
            EXPECT_FALSE(t.ItemExpanded(r)) << t.ItemText(r).toStdString();
            EXPECT_TRUE(isBold(t, r));
        }
    }
    EXPECT_TRUE(t.Redraw());
}

TEST(JobPrefsView, LayerRowsDependOnTheLayerType)
{
    auto prefs = classCreate_KalvexJobPreferences();
    for (const auto& [type, n] : std::vector<std::pair<int, int>>{
             {LAYER_SIGNAL, 1}, {LAYER_DIELECTRIC, 0}, {LAYER_PLANE_POSITIVE, 2}, {LAYER_PLANE_NEGATIVE, 3},
             {LAYER_OTHER, 0}})
        prefs->layers()->add(layerOf(type, n));
    auto span = classCreate_KalvexJobViaSpan();
    span->setLayerFrom(1);
    span->setLayerTo(12);
    prefs->viaSpans()->add(span);
    auto wide = classCreate_KalvexJobViaSpan();
    wide->setLayerFrom(100);
    wide->setLayerTo(123);
    prefs->viaSpans()->add(wide);

    TList t;
    const int node = tlist_showJobPrefs(&t, -1, prefs, false, true);
    const int stack = childRow(t, childRow(t, node, "Layer definitions"), "Layer Stackup");
    const QList<int> layers = childRows(t, stack);
    ASSERT_EQ(layers.size(), 5);
    const auto has = [&](int row, const char* name) { return childRow(t, row, name) >= 0; };
    EXPECT_TRUE(has(layers[0], "biasDirectional"));
    EXPECT_FALSE(has(layers[0], "planeNets"));
    EXPECT_FALSE(has(layers[1], "biasDirectional")); // dielectric
    EXPECT_TRUE(has(layers[2], "planeNets"));
    EXPECT_TRUE(has(layers[3], "planeNets"));
    EXPECT_FALSE(has(layers[4], "planeNets"));
    EXPECT_EQ(t.rowItem(layers[2])->text(0), "Positive plane layer");
    EXPECT_EQ(childTexts(t, childRow(t, node, "Via list")), QStringList({"Via 01 - 12", "Via 100 - 123"}));

    // Only-modified: the two nodes and their rows, no groups, no via list.
    t.Clear();
    const int again = tlist_showJobPrefs(&t, -1, prefs, true, false);
    EXPECT_EQ(childTexts(t, again), QStringList({"numPhysicalLayers", "padstackTechnology", "substrateTop",
                                                 "substrateBottom", "units", "modified", "Layer definitions"}));
    EXPECT_EQ(childTexts(t, childRow(t, again, "Layer definitions")),
              QStringList({"Top Layer", "Bottom Layer", "# Inner layers"}));

    // Empty preferences: no group at all; no object: nothing.
    t.Clear();
    tlist_showJobPrefs(&t, -1, classCreate_KalvexJobPreferences(), false, true);
    EXPECT_EQ(childRows(t, childRow(t, 0, "Layer definitions")).size(), 3);
    EXPECT_EQ(tlist_showJobPrefs(&t, -1, nullptr, false, true), -1);
    EXPECT_EQ(tlist_showJobPrefs(nullptr, -1, prefs, false, true), -1);
}

TEST(TasksView, TasksAreGroupedBySiteAndTasksWithoutASiteSkipped)
{
    const auto sites = classCreate_KalvexProdSites();
    const auto a = site(sites, "site_0001", "Main");
    const auto b = site(sites, "site_0002", "Assembly");
    auto proc = classCreate_KalvexProcess();
    proc->setId("P_GBR");
    proc->orderKey()->setEncoded("10.20");
    auto tasks = classCreate_KalvexTasks();
    task(tasks, "T1", a, proc);
    task(tasks, "T2", b, nullptr);
    task(tasks, "T3", nullptr, proc); // no site: skipped
    task(tasks, "T4", a, nullptr);

    TList t;
    tlist_prepareGrid(&t);
    const int root = t.AddItem("console");
    const int first = tlist_showTasks(&t, root, tasks, false);
    EXPECT_EQ(childTexts(t, root),
              QStringList({"Total mod count " + QString::number(tasks->modified()),
                           "Tasks for production site Main(site_0001)",
                           "Tasks for production site Assembly(site_0002)"}));
    EXPECT_EQ(parentRow(t, first), root);
    EXPECT_FALSE(t.ItemHasChildren(first));
    const QList<int> groups = childRows(t, root).mid(1);
    ASSERT_EQ(groups.size(), 2);
    EXPECT_TRUE(t.ItemExpanded(groups[0]));
    EXPECT_FALSE(t.ItemExpanded(groups[1]));
    for (int g : groups)
        EXPECT_TRUE(isBold(t, g));
    EXPECT_EQ(childTexts(t, groups[0]), QStringList({"Task T1", "Task T4"}));
    EXPECT_EQ(childTexts(t, groups[1]), QStringList({"Task T2"}));

    const int t1 = childRows(t, groups[0])[0];
    EXPECT_EQ(childTexts(t, t1), QStringList({"status", "numErrors", "numWarnings", "processId", "productionSiteId",
                                              "isParent", "modified", "orderKey"}));
    EXPECT_EQ(valueOf(t, t1, "status"), morvObjs_taskStatusText(TASK_GENERATE));
    EXPECT_EQ(valueOf(t, t1, "processId"), "P_GBR");
    EXPECT_EQ(valueOf(t, t1, "productionSiteId"), "site_0001");
    EXPECT_EQ(valueOf(t, t1, "isParent"), "No");
    EXPECT_EQ(valueOf(t, t1, "orderKey"), "10.20");
    const int t2 = childRows(t, groups[1])[0];
    EXPECT_EQ(valueOf(t, t2, "processId"), "Not set");
    EXPECT_EQ(valueOf(t, t2, "orderKey"), "");
    EXPECT_FALSE(t.ItemExpanded(t2));
    EXPECT_TRUE(t.Redraw());
}

TEST(TasksView, OnlyModifiedKeepsEverySiteGroup)
{
    const auto sites = classCreate_KalvexProdSites();
    const auto a = site(sites, "A", "Site A");
    const auto b = site(sites, "B", "Site B");
    auto tasks = classCreate_KalvexTasks();
    task(tasks, "T1", a, nullptr);
    task(tasks, "T2", b, nullptr);
    for (int i = 1; i <= tasks->count(); ++i)
        tasks->item(i)->setModified(0);
    tasks->item(QString("T2"))->setNumErrors(3);

    TList t;
    tlist_prepareGrid(&t);
    tlist_showTasks(&t, -1, tasks, true);
    const QList<int> tops = childRows(t, -1);
    ASSERT_EQ(tops.size(), 3);
    EXPECT_EQ(childRows(t, tops[1]).size(), 0);
    EXPECT_EQ(childTexts(t, tops[2]), QStringList({"Task T2"}));
    EXPECT_EQ(valueOf(t, childRows(t, tops[2])[0], "numErrors"), "3");

    // An empty list or none shows nothing.
    t.Clear();
    EXPECT_EQ(tlist_showTasks(&t, -1, classCreate_KalvexTasks(), false), -1);
    EXPECT_EQ(tlist_showTasks(&t, -1, nullptr, false), -1);
    EXPECT_EQ(t.ListCount(), 0);
}
