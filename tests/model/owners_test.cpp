// Parts made on first use and raisers reached through the owners: what a
// host sees must not depend on when a part was made or a raiser was set.
// Casts through the per-class table agree with dynamic_cast.
#include <gtest/gtest.h>

#include <QObject>

#include "admin/KalvexAdministrator.h"
#include "admin/KalvexDistributor.h"
#include "admin/KalvexProdSite.h"
#include "foundation/BrenloEnvirVars.h"
#include "foundation/IKalvexIdOwner.h"
#include "foundation/objectCast.h"
#include "generators/KalvexGenAssignment.h"
#include "generators/KalvexGenerator.h"
#include "generators/KalvexProcess.h"
#include "interfaces/IKalvexGenerators.h"
#include "interfaces/IKalvexProcess.h"
#include "support/event_recorder.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

using Recorder = kalvex::test::EventRecorder;

const KalvexObjectBase& base(const std::shared_ptr<IKalvexObject>& o)
{
    return *objectCast<KalvexObjectBase>(o.get());
}

IKalvexProdSitePtr site(const QString& id)
{
    auto s = classCreate_KalvexProdSite();
    s->setId(id);
    return s;
}

} // namespace

TEST(Parts, MadeOnFirstUseOwnedByTheirObjectAndCountedAsItsChanges)
{
    auto p = classCreate_KalvexProcess();
    auto key = p->orderKey();
    auto assignments = p->generatorAssignments();
    ASSERT_TRUE(key && assignments);
    EXPECT_EQ(p->orderKey(), key);
    EXPECT_EQ(p->generatorAssignments(), assignments);
    EXPECT_EQ(key->parent(), p);
    EXPECT_EQ(assignments->parent(), p);
    EXPECT_EQ(p->modified(), 0);
    key->setEncoded("2.1");
    EXPECT_EQ(p->modified(), 1);

    auto d = classCreate_KalvexDistributor();
    ASSERT_TRUE(d->parameters() && d->psiteAssignments());
    EXPECT_EQ(d->parameters()->parent(), d);
    EXPECT_EQ(d->psiteAssignments()->parent(), d);
    d->parameters()->add("mode", "fast", 0);
    EXPECT_EQ(d->modified(), 1);

    auto g = classCreate_KalvexGenerator();
    ASSERT_TRUE(g->parameters());
    EXPECT_EQ(g->parameters()->parent(), g);
    EXPECT_EQ(g->parameters(), g->parameters());
}

TEST(Parts, MadeLateTheyGetTheVariablesAndMessageObjectGivenEarlier)
{
    auto vars = createEnvirVars();
    QObject sink;
    auto d = std::dynamic_pointer_cast<KalvexDistributor>(classCreate_KalvexDistributor());
    ASSERT_TRUE(d);
    d->setEnvirVars(vars);
    d->setMessagesObj(&sink);
    EXPECT_EQ(d->envirVars(), vars);
    EXPECT_EQ(d->parameters()->envirVars(), vars);
    EXPECT_EQ(d->psiteAssignments()->envirVars(), vars);
    EXPECT_EQ(d->parameters()->messagesObj(), &sink);
    EXPECT_EQ(d->psiteAssignments()->messagesObj(), &sink);

    // A process's assignments take the variables of the collection it is in.
    auto adm = classCreate_KalvexAdministrator();
    adm->setEnvirVars(vars);
    auto p = adm->processes()->add(classCreate_KalvexProcess());
    ASSERT_TRUE(p);
    EXPECT_EQ(p->generatorAssignments()->envirVars(), vars);
    auto other = createEnvirVars();
    adm->setEnvirVars(other);
    EXPECT_EQ(p->generatorAssignments()->envirVars(), other);
}

TEST(Parts, ACloneMakesOnlyThePartsTheOriginalFills)
{
    auto adm = classCreate_KalvexAdministrator();
    adm->productionSites()->add(site("S1"));
    auto gen = adm->generators()->add("G1");
    auto original = adm->processes()->add(classCreate_KalvexProcess());
    ASSERT_TRUE(original && gen);
    original->orderKey()->setEncoded("3.4.5.6"); // more levels than kept inline
    original->generatorAssignments()->item("S1")->setGenerator(gen);

    auto copy = classCreate_KalvexProcess();
    copy->clone(original);
    EXPECT_EQ(copy->orderKey()->encoded(), "3.4.5.6");
    EXPECT_EQ(copy->orderKey()->numberAtLevel(4), 6);
    ASSERT_EQ(copy->generatorAssignments()->count(), 1);
    EXPECT_EQ(copy->generatorAssignments()->item("S1")->generator(), gen);

    // An empty original leaves a filled copy empty.
    copy->clone(classCreate_KalvexProcess());
    EXPECT_EQ(copy->orderKey()->encoded(), "");
    EXPECT_EQ(copy->generatorAssignments()->count(), 0);
}

TEST(Raisers, ARaiserSetOnTheDatabaseAfterItsEntriesJoinedReachesThemAll)
{
    auto adm = classCreate_KalvexAdministrator();
    adm->productionSites()->add(site("S1"));
    auto gen = adm->generators()->add("G1");
    gen->parameters()->add("units", "mm", 0);
    auto p = adm->processes()->add(classCreate_KalvexProcess());
    ASSERT_TRUE(gen && p);

    auto rec = std::make_shared<Recorder>();
    adm->setEventRaiser(rec);
    gen->parameters()->item("units")->setValue(false, "inch");
    p->orderKey()->setEncoded("7");
    p->generatorAssignments()->item("S1")->setInUse(true);
    EXPECT_EQ(rec->seen, (QStringList{"EV_CHANGE:KalvexGenParm:Value", "EV_CHANGE:KalvexProcessOrderKey:encoded",
                                      "EV_CHANGE:KalvexGenAssignment:inUse"}));
    EXPECT_EQ(base(p).eventRaiser(), rec);

    // Taken away from the database, it is taken away from every entry.
    adm->setEventRaiser(nullptr);
    rec->seen.clear();
    p->orderKey()->setEncoded("8");
    EXPECT_TRUE(rec->seen.isEmpty());
    EXPECT_FALSE(base(p).eventRaiser());
}

TEST(Raisers, AnEntryHearsItsCollectionsRaisersOnlyWhileInIt)
{
    auto adm = classCreate_KalvexAdministrator();
    auto rec = std::make_shared<Recorder>();
    adm->setEventRaiser(rec);
    auto s = site("S1");
    EXPECT_FALSE(base(s).eventRaiser());
    EXPECT_FALSE(base(s).internalEventRaiser());
    adm->productionSites()->add(s);
    // The database is the internal raiser of its collections.
    EXPECT_TRUE(base(s).internalEventRaiser());
    s->setName("Main site");
    EXPECT_EQ(rec->seen.last(), "EV_CHANGE:KalvexProdSite:name");

    adm->productionSites()->remove("S1");
    rec->seen.clear();
    s->setName("Gone");
    EXPECT_TRUE(rec->seen.isEmpty());
    EXPECT_FALSE(base(s).internalEventRaiser());
}

TEST(Raisers, AnObjectGivenItsOwnRaiserKeepsItAndALoneObjectHasNone)
{
    auto rec = std::make_shared<Recorder>();
    auto key = classCreate_KalvexGenAssignment();
    EXPECT_FALSE(base(key).eventRaiser());
    key->setInUse(true); // nobody to tell, no crash
    EXPECT_EQ(key->setInternalValue(SET_EV_RAISER, QVariant::fromValue(std::shared_ptr<IBrenloEventRaiser>(rec))), 1);
    key->setInUse(false);
    EXPECT_EQ(rec->seen, QStringList{"EV_CHANGE:KalvexGenAssignment:inUse"});
    key->setEventRaiser(nullptr);
    key->setInUse(true);
    EXPECT_EQ(rec->seen.size(), 1);
}

TEST(ObjectCast, AgreesWithDynamicCastForObjectsOfManyClassesAskedTwice)
{
    auto adm = classCreate_KalvexAdministrator();
    auto gen = adm->generators()->add("G1");
    auto p = classCreate_KalvexProcess();
    const std::vector<std::shared_ptr<IKalvexObject>> objects = {
        site("S1"), p, p->orderKey(), p->generatorAssignments(), classCreate_KalvexGenAssignment(), gen,
        gen->parameters(), classCreate_KalvexDistributor(), adm, adm->processes(), adm->statusInfo(), site("S2")};
    for (int round = 0; round < 2; ++round) {
        for (const auto& o : objects) {
            const IKalvexObject* raw = o.get();
            EXPECT_EQ(objectCast<KalvexObjectBase>(raw), dynamic_cast<const KalvexObjectBase*>(raw));
            EXPECT_EQ(objectCast<IKalvexNamedItem>(raw), dynamic_cast<const IKalvexNamedItem*>(raw));
            EXPECT_EQ(objectCast<IKalvexIdOwner>(raw), dynamic_cast<const IKalvexIdOwner*>(raw));
        }
    }
    EXPECT_FALSE(objectCast<KalvexObjectBase>(static_cast<const IKalvexObject*>(nullptr)));
    EXPECT_EQ(objectCast<IKalvexProcess>(std::shared_ptr<IKalvexObject>(p)), p);
}
