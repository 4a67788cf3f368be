#include <gtest/gtest.h>

#include "admin/KalvexFileType.h"
#include "admin/KalvexProdSite.h"
#include "admin/KalvexProdSites.h"
#include "generators/KalvexProcess.h"
#include "generators/KalvexProcessOrderKey.h"
#include "generators/KalvexProcesses.h"
#include "generators/processTypeText.h"
#include "interfaces/IKalvexProcessEnumerator.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

IKalvexProcessPtr process(const QString& id, const QString& key, int type = PROC_SINGLE)
{
    auto p = classCreate_KalvexProcess();
    p->setId(id);
    p->setName(id + " name");
    EXPECT_TRUE(p->orderKey()->setEncoded(key)) << key.toStdString();
    p->setProcessType(type);
    return p;
}

QStringList ids(const std::shared_ptr<IKalvexProcessEnumerator>& e)
{
    QStringList out;
    for (int i = 1; i <= e->count(); ++i)
        out << e->item(i)->id();
    return out;
}

} // namespace

TEST(OrderKey, ParsesLevelsAndRefusesMalformedText)
{
    auto key = classCreate_KalvexProcessOrderKey();
    EXPECT_EQ(key->indentLevel(), 0);
    EXPECT_TRUE(key->setEncoded(" 10. 020 .5 "));
    EXPECT_EQ(key->encoded(), "10.020.5");
    EXPECT_EQ(key->indentLevel(), 3);
    EXPECT_EQ(key->numberAtLevel(2), 20);
    EXPECT_EQ(key->numberAtLevel(4), 0);
    for (const char* bad : {"1..2", "1 2", "a.1", "1.", ".1", "-1", "1.2x", "1234567890"})
        EXPECT_FALSE(key->setEncoded(bad)) << bad;
    EXPECT_EQ(key->encoded(), "10.020.5"); // kept
    EXPECT_TRUE(key->setEncoded(""));
    EXPECT_EQ(key->indentLevel(), 0);
}

TEST(OrderKey, ComparesNumbersLevelByLevelParentFirst)
{
    auto a = classCreate_KalvexProcessOrderKey();
    auto b = classCreate_KalvexProcessOrderKey();
    auto cmp = [&](const char* x, const char* y) {
        a->setEncoded(x);
        b->setEncoded(y);
        return a->compare(*b);
    };
    EXPECT_LT(cmp("9", "10"), 0); // numbers, not text
    EXPECT_LT(cmp("10", "10.1"), 0);
    EXPECT_GT(cmp("10.2", "10.1.7"), 0);
    EXPECT_EQ(cmp("010.1", "10.1"), 0);
    EXPECT_TRUE(orderKeyContains(*(a->setEncoded("10"), a), *(b->setEncoded("10.3.1"), b)));
    EXPECT_FALSE(orderKeyContains(*(a->setEncoded("10.3.1"), a), *(b->setEncoded("10.3.1"), b)));
    EXPECT_FALSE(orderKeyContains(*(a->setEncoded(""), a), *(b->setEncoded("1"), b)));
}

TEST(OrderKey, ListIndexTableAndInitialize)
{
    auto key = classCreate_KalvexProcessOrderKey();
    key->setEncoded("1.2");
    key->setListIndexAtLevel(0, 4);
    key->setListIndexAtLevel(8, 17);
    EXPECT_EQ(key->listIndexAtLevel(8), 17);
    EXPECT_EQ(key->listIndexAtLevel(3), 0);
    EXPECT_EQ(key->listIndexAtLevel(-1), 0);
    key->initialize();
    EXPECT_EQ(key->listIndexAtLevel(8), 0);
    EXPECT_EQ(key->encoded(), "");
    EXPECT_EQ(key->modified(), 0);
}

TEST(Processes, ItemByPositionIsInOrderKeyOrderAndFollowsKeyChanges)
{
    auto procs = classCreate_KalvexProcesses();
    auto c = procs->add(process("C", "2"));
    auto a = procs->add(process("A", "1"));
    auto b = procs->add(process("B", "1.1"));
    EXPECT_EQ(procs->item(1), a);
    EXPECT_EQ(procs->item(2), b);
    EXPECT_EQ(procs->item(3, SORT_ORDER_KEY), c);
    EXPECT_EQ(procs->item(1, SORT_COLLECTION), c);
    c->orderKey()->setEncoded("0");
    EXPECT_EQ(procs->item(1), c);
    b->setModified(0);
    procs->setModified(0);
    b->orderKey()->setEncoded("1.2"); // a change of the key is a change of the process
    EXPECT_EQ(b->modified(), 1);
    EXPECT_EQ(procs->modified(), 1);
}

TEST(Processes, ReferencesAreWeakAndCloneCopiesThem)
{
    auto procs = classCreate_KalvexProcesses();
    auto a = procs->add(process("A", "1"));
    auto b = procs->add(process("B", "2"));
    b->setProcessPrereq(a);
    b->setProcessParent(b); // never its own group
    EXPECT_FALSE(b->processParent());
    {
        auto type = classCreate_KalvexFileType();
        b->setFileType(type);
        EXPECT_EQ(b->fileType(), type);
    }
    EXPECT_FALSE(b->fileType()); // owner gone: no object

    auto copy = process("Copy", "");
    copy->clone(b);
    EXPECT_EQ(copy->id(), "Copy");
    EXPECT_EQ(copy->processPrereq(), a);
    EXPECT_EQ(copy->orderKey()->encoded(), "2");
    EXPECT_EQ(morvObjs_treeNodeTypeStr(b->processType()), "SINGLE");
    EXPECT_EQ(morvObjs_treeNodeTypeStr(14), "EMPTY_PARENT");
    EXPECT_EQ(morvObjs_treeNodeTypeStr(99), "SINGLE");
    EXPECT_EQ(morvObjs_treeNodeTypeStr(-1), "SINGLE");
}

class Enumerator : public ::testing::Test {
protected:
    void SetUp() override
    {
        sites = classCreate_KalvexProdSites();
        s1 = sites->add(classCreate_KalvexProdSite());
        s2 = sites->add(classCreate_KalvexProdSite());
        fileType = classCreate_KalvexFileType();
        procs = classCreate_KalvexProcesses();
        // master init header with one process, a group with two, a variant init header with one
        add("MI", "1", PROC_HDR_MASTER_INIT);
        add("MI1", "1.1");
        add("G", "2", PROC_PARENT);
        add("G1", "2.1", PROC_CHILD, PROCESS_USE_MASTER);
        add("G2", "2.2", PROC_CHILD, PROCESS_USE_VARIANT);
        add("R", "3");
        add("VI", "4", PROC_HDR_VAR_INIT);
        add("VI1", "4.1");
        add("R2", "5", PROC_SINGLE, PROCESS_USE_MASTER, false);
        for (int i = 1; i <= procs->count(); ++i)
            procs->item(i)->generatorAssignments()->updateSites(sites);
        procs->item("G1")->generatorAssignments()->item(s1->id())->setInUse(true);
        procs->item("R")->generatorAssignments()->item(s2->id())->setInUse(true);
        e = procs->enumerator();
    }
    void add(const QString& id, const QString& key, int type = PROC_SINGLE,
             int use = PROCESS_USE_MASTER | PROCESS_USE_VARIANT, bool withFile = true)
    {
        auto p = process(id, key, type);
        p->setProcessUse(use);
        if (withFile)
            p->setFileType(fileType);
        procs->add(p);
    }

    std::shared_ptr<IKalvexProdSites> sites;
    IKalvexProdSitePtr s1, s2;
    std::shared_ptr<IKalvexFileType> fileType;
    std::shared_ptr<IKalvexProcesses> procs;
    std::shared_ptr<IKalvexProcessEnumerator> e;
};

TEST_F(Enumerator, EverythingByDefaultInOrderKeyOrder)
{
    e->initialize();
    EXPECT_EQ(ids(e), (QStringList{"MI", "MI1", "G", "G1", "G2", "R", "VI", "VI1", "R2"}));
    EXPECT_EQ(procs->enumerator(), e); // one enumerator per collection
    EXPECT_FALSE(e->item(0));
    EXPECT_FALSE(e->item(10));
}

TEST_F(Enumerator, SectionsFollowTheInitialisationHeaders)
{
    e->initialize();
    auto parms = e->enumParms();
    parms->setIncludeMasterInit(false);
    parms->setIncludeVariantInit(false);
    EXPECT_EQ(ids(e), (QStringList{"G", "G1", "G2", "R", "R2"}));
    parms->setIncludeRegular(false);
    parms->setIncludeVariantInit(true);
    EXPECT_EQ(ids(e), (QStringList{"VI", "VI1"}));
    parms->setIncludeVariantInit(false);
    parms->setIncludeMasterInit(true);
    EXPECT_EQ(ids(e), (QStringList{"MI", "MI1"}));
}

TEST_F(Enumerator, ProcessUseDataFileAndSiteFilters)
{
    e->initialize();
    auto parms = e->enumParms();
    parms->setProcessUse(ENUM_USE_VARIANT);
    EXPECT_EQ(ids(e), (QStringList{"MI", "MI1", "G", "G2", "R", "VI", "VI1"}));
    parms->setProcessUse(ENUM_USE_INIT);
    EXPECT_EQ(e->count(), 9);

    parms->setMustGenerateDatafile(true);
    EXPECT_EQ(e->count(), 8); // R2 has no file type
    EXPECT_FALSE(ids(e).contains("R2"));

    EXPECT_TRUE(parms->productionSites()->add(s1));
    EXPECT_FALSE(parms->productionSites()->add(s1));
    EXPECT_FALSE(parms->productionSites()->add(fileType)); // not a site
    // Headers and groups stay; single processes need a generator in use there.
    EXPECT_EQ(ids(e), (QStringList{"MI", "G", "G1", "VI"}));
    parms->productionSites()->add(s2);
    EXPECT_EQ(ids(e), (QStringList{"MI", "G", "G1", "R", "VI"}));

    // The enumeration follows changes of the processes.
    procs->item("G1")->generatorAssignments()->item(s1->id())->setInUse(false);
    EXPECT_EQ(ids(e), (QStringList{"MI", "G", "R", "VI"}));

    // initialize resets the parameters too.
    e->initialize();
    EXPECT_EQ(e->enumParms()->productionSites()->count(), 0);
    EXPECT_EQ(e->count(), 9);
}

TEST_F(Enumerator, GoneProcessesAndSitesDropOut)
{
    e->initialize();
    auto list = e->enumParms()->productionSites();
    {
        auto loose = classCreate_KalvexProdSite();
        list->add(loose);
        EXPECT_EQ(list->count(), 1);
    }
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(list->item(1));
    procs->remove("R");
    EXPECT_FALSE(ids(e).contains("R"));
    procs.reset();
    EXPECT_EQ(e->count(), 0); // the collection is gone
}
