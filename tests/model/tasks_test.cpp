#include <gtest/gtest.h>

#include "admin/KalvexProdSite.h"
#include "admin/KalvexProdSites.h"
#include "generators/KalvexProcess.h"
#include "tasks/KalvexTask.h"
#include "tasks/KalvexTasks.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

IKalvexProcessPtr process(const QString& key, int type = PROC_SINGLE)
{
    auto p = classCreate_KalvexProcess();
    p->setId("P" + key);
    p->orderKey()->setEncoded(key);
    p->setProcessType(type);
    return p;
}

IKalvexTaskPtr task(const QString& id, const IKalvexProcessPtr& p, const IKalvexProdSitePtr& s)
{
    auto t = classCreate_KalvexTask();
    t->setId(id);
    t->setProcess(p);
    t->setProductionSite(s);
    return t;
}

} // namespace

TEST(Tasks, StatusInfoGivesTheStatusText)
{
    auto t = classCreate_KalvexTask();
    int status = 0, errors = -1, warnings = -1;
    QString text;
    QStringList info{"old"};
    t->getStatusInfo(status, errors, warnings, text, info);
    EXPECT_EQ(status, TASK_GENERATE);
    EXPECT_EQ(text, "Generate");
    EXPECT_EQ(errors, 0);
    EXPECT_TRUE(info.isEmpty());

    t->setStatus(TASK_ERRORS_WARNINGS);
    t->setNumErrors(2);
    t->setNumWarnings(5);
    t->setInfoLines({"line 1", "line 2"});
    t->getStatusInfo(status, errors, warnings, text, info);
    EXPECT_EQ(text, "Errors and warnings");
    EXPECT_EQ(errors, 2);
    EXPECT_EQ(warnings, 5);
    EXPECT_EQ(info, (QStringList{"line 1", "line 2"}));
    EXPECT_EQ(t->modified(), 4);

    const std::pair<int, const char*> texts[] = {
        {400, "Generate"},           {401, "Regenerate"},
        {1, "OK"},                   {-100, "Warnings"},
        {-101, "Errors"},            {-50, "Child task failed"},
        {-60, "Prerequisite task missing"}, {-61, "Prerequisite not generated"},
        {-62, "Prerequisite failed"}, {-63, "Prerequisite out of date"},
        {7, "Unknown status 7"}};
    for (const auto& [code, expected] : texts)
        EXPECT_EQ(morvObjs_taskStatusText(code), expected);
}

TEST(Tasks, SortedByProductionSiteThenOrderKey)
{
    auto sites = classCreate_KalvexProdSites();
    auto a = sites->add(classCreate_KalvexProdSite());
    auto b = sites->add(classCreate_KalvexProdSite());
    a->setDisplayOrder(2);
    b->setDisplayOrder(1);
    auto p1 = process("1");
    auto p2 = process("2", PROC_PARENT);
    auto tasks = classCreate_KalvexTasks();
    tasks->add(task("a2", p2, a));
    tasks->add(task("a1", p1, a));
    tasks->add(task("b2", p2, b));
    tasks->add(task("none", p1, nullptr));
    tasks->add(task("b1", p1, b));
    QStringList bySite, byKey;
    for (int i = 1; i <= tasks->count(); ++i) {
        bySite << tasks->item(i, SORT_PRODUCTION_SITE)->id();
        byKey << tasks->item(i, SORT_ORDER_KEY)->id();
    }
    EXPECT_EQ(bySite, (QStringList{"b1", "b2", "a1", "a2", "none"}));
    EXPECT_EQ(byKey, (QStringList{"b1", "a1", "none", "b2", "a2"}));
    EXPECT_EQ(tasks->item(1)->id(), "a2");
    EXPECT_TRUE(tasks->item("B2")->isParent());
    EXPECT_FALSE(tasks->item("b1")->isParent());
    EXPECT_FALSE(tasks->add(task("A1", p1, a))); // ids are unique
}

TEST(Tasks, GoneProcessOrSiteReadsAsNoObject)
{
    auto t = classCreate_KalvexTask();
    {
        auto p = process("1", PROC_PARENT);
        auto s = classCreate_KalvexProdSite();
        t->setProcess(p);
        t->setProductionSite(s);
        EXPECT_TRUE(t->isParent());
    }
    EXPECT_FALSE(t->process());
    EXPECT_FALSE(t->productionSite());
    EXPECT_FALSE(t->isParent());

    auto tasks = classCreate_KalvexTasks();
    tasks->setDescription("Task list for Master Design");
    EXPECT_FALSE(tasks->add(classCreate_KalvexTask())); // a task needs an id
    t->setId("t1");
    EXPECT_TRUE(tasks->add(t));
    EXPECT_EQ(tasks->modified(), 2);
    EXPECT_EQ(tasks->description(), "Task list for Master Design");
}
