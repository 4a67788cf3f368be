#include <gtest/gtest.h>

#include "foundation/BrenloEnvirVars.h"
#include "generators/KalvexGenParm.h"
#include "generators/KalvexGenParms.h"
#include "support/event_recorder.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {
using Recorder = kalvex::test::EventRecorder;

std::shared_ptr<IKalvexGenParms> setWith(std::initializer_list<const char*> names)
{
    auto set = classCreate_KalvexGenParms();
    for (auto n : names)
        set->add(n, "v", PARM_TYPE_USER);
    set->setModified(0);
    return set;
}
} // namespace

TEST(GenParms, ItemByExactNameOrPosition)
{
    auto set = setWith({"Alpha", "beta", "alpha"});
    EXPECT_EQ(set->count(), 3);
    EXPECT_EQ(set->item(1)->name(), "Alpha");
    EXPECT_EQ(set->item("alpha"), set->item(3));
    EXPECT_EQ(set->itemByName("beta"), set->item(2));
    EXPECT_FALSE(set->item("BETA"));
    EXPECT_FALSE(set->item(0));
    EXPECT_FALSE(set->item(4));
    EXPECT_EQ(set->item(2)->parent(), std::dynamic_pointer_cast<IKalvexObject>(set));
}

TEST(GenParms, AddUpdatesAnExistingParameterOrJoinsANewOne)
{
    auto raiser = std::make_shared<Recorder>();
    auto set = classCreate_KalvexGenParms();
    set->setEventRaiser(raiser);
    auto a = set->add("  mode ", "fast", PARM_TYPE_SYSTEM);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->name(), "mode");
    EXPECT_EQ(a->parmType(), 1);
    EXPECT_EQ(a->modified(), 0); // a new parameter starts unchanged
    EXPECT_EQ(set->modified(), 1);
    EXPECT_EQ(set->add("mode", "slow", PARM_TYPE_USER), a);
    EXPECT_EQ(set->count(), 1);
    EXPECT_EQ(a->value(false), "slow");
    EXPECT_EQ(a->parmType(), 0);
    EXPECT_EQ(set->modified(), 3);
    EXPECT_FALSE(set->add("   ", "x", 0));
    EXPECT_EQ(raiser->seen,
              (QStringList{"EV_ADD:KalvexGenParms:", "EV_CHANGE:KalvexGenParm:Value",
                           "EV_CHANGE:KalvexGenParm:parmType"}));
}

TEST(GenParms, RemoveByNameOrPositionCountsAChange)
{
    auto set = setWith({"a", "b", "c"});
    auto b = set->item("b");
    EXPECT_EQ(set->remove("b"), 1);
    EXPECT_EQ(set->remove("b"), 0);
    EXPECT_EQ(set->remove(7), 0);
    EXPECT_EQ(set->remove(1), 1);
    EXPECT_EQ(set->count(), 1);
    EXPECT_EQ(set->item(1)->name(), "c");
    EXPECT_EQ(set->modified(), 2);
    EXPECT_FALSE(b->parent()); // a removed parameter no longer reports to the set
}

TEST(GenParms, RenameResultCodes)
{
    auto set = setWith({"a", "b"});
    EXPECT_EQ(set->rename("a", " a "), RENAME_SAME);
    EXPECT_EQ(set->rename("a", "   "), RENAME_EMPTY);
    EXPECT_EQ(set->rename("a", "b"), RENAME_EXISTS);
    EXPECT_EQ(set->rename("zz", "c"), RENAME_NOT_FOUND);
    EXPECT_EQ(set->modified(), 0);
    EXPECT_EQ(set->rename("a", "  c "), RENAME_OK);
    EXPECT_EQ(set->item(1)->name(), "c");
    EXPECT_EQ(set->modified(), 1);
}

TEST(GenParms, GetUniqueNameCountsUpFromTheTrailingNumber)
{
    auto set = setWith({"x", "x (1)", "x (2)", "y (7)", "z (abc)"});
    EXPECT_EQ(set->getUniqueName("free"), "free");
    EXPECT_EQ(set->getUniqueName("x"), "x (3)");
    EXPECT_EQ(set->getUniqueName("x (1)"), "x (3)");
    EXPECT_EQ(set->getUniqueName("y (7)"), "y (8)");
    EXPECT_EQ(set->getUniqueName("z (abc)"), "z (abc) (1)");
    set->add("", "", 0);
    EXPECT_EQ(set->getUniqueName(""), "");
}

TEST(GenParms, NameTrimsAndValueExpandsOrCollapsesThroughTheSetsVariables)
{
    auto vars = createEnvirVars();
    vars->add("KVX_JOB_PCB_PATH", "C:\\jobs\\b1");
    auto set = classCreate_KalvexGenParms();
    EXPECT_FALSE(set->envirVars());
    EXPECT_EQ(set->setInternalValue("envirVars", QVariant::fromValue(vars)), 1);
    EXPECT_EQ(set->envirVars(), vars);

    auto p = set->add("out", "${KVX_JOB_PCB_PATH}\\out", 0);
    EXPECT_EQ(p->value(true), "C:\\jobs\\b1\\out");
    EXPECT_EQ(p->value(false), "${KVX_JOB_PCB_PATH}\\out");
    p->setValue(true, "C:\\jobs\\b1\\gerber");
    EXPECT_EQ(p->value(false), "${KVX_JOB_PCB_PATH}\\gerber");
    p->setValue(false, "C:\\jobs\\b1");
    EXPECT_EQ(p->value(false), "C:\\jobs\\b1");

    auto scratch = classCreate_KalvexGenParm(); // no set, no variables
    scratch->setName("  n  ");
    EXPECT_EQ(scratch->name(), "n");
    scratch->setValue(true, "C:\\jobs\\b1");
    EXPECT_EQ(scratch->value(true), "C:\\jobs\\b1");
}

TEST(GenParms, ChangeCountsReachTheSetAndTheOwnerAndPauseWhileSuspended)
{
    auto owner = classCreate_KalvexGenParms(); // any model object will do as owner
    auto set = classCreate_KalvexGenParms();
    set->setParent(owner);
    EXPECT_EQ(set->parent(), owner);
    auto p = set->add("a", "1", 0);
    set->setModified(0);
    owner->setModified(0);

    p->setModified(1);
    p->setValue(false, "2");
    p->setValue(false, "2"); // unchanged value: no count
    EXPECT_EQ(p->modified(), 2);
    EXPECT_EQ(set->modified(), 2);
    EXPECT_EQ(owner->modified(), 2);

    p->setModified(MODIFIED_SUSPEND);
    p->setValue(false, "3");
    p->setName("b");
    EXPECT_EQ(p->modified(), 2);
    EXPECT_EQ(set->modified(), 2);
    p->setModified(MODIFIED_RESUME);
    EXPECT_EQ(p->name(), "b"); // stored, only not counted

    p->setModified(0);
    EXPECT_EQ(set->modified(), 0);
    EXPECT_EQ(owner->modified(), 0);
}

TEST(GenParms, CloneAndInitialize)
{
    auto set = setWith({"a"});
    auto src = classCreate_KalvexGenParm();
    src->setName("b");
    src->setValue(false, "val");
    src->setParmType(1);
    auto p = set->item(1);
    p->clone(src);
    EXPECT_EQ(p->name(), "b");
    EXPECT_EQ(p->value(false), "val");
    EXPECT_EQ(p->parmType(), 1);
    EXPECT_EQ(set->modified(), 3);
    set->initialize();
    EXPECT_EQ(set->count(), 0);
    EXPECT_EQ(set->modified(), 0);
}

TEST(GenParms, ParentIsWeak)
{
    auto set = classCreate_KalvexGenParms();
    {
        auto owner = classCreate_KalvexGenParms();
        set->setParent(owner);
        EXPECT_TRUE(set->parent());
    }
    EXPECT_FALSE(set->parent());
    set->add("a", "1", 0); // counting with a gone owner is harmless
    EXPECT_EQ(set->modified(), 1);
}

TEST(GenParms, ReadersAddQuietlyUnderUniqueNames)
{
    auto pub = std::make_shared<Recorder>();
    auto owner = classCreate_KalvexGenParms();
    auto set = classCreate_KalvexGenParms();
    set->setParent(owner);
    set->setEventRaiser(pub);
    auto* impl = dynamic_cast<KalvexGenParms*>(set.get());
    ASSERT_TRUE(impl);

    for (int i = 0; i < 40; ++i)
        ASSERT_TRUE(impl->addQuietly(QStringLiteral("p%1").arg(i), QStringLiteral("v%1").arg(i), i % 2));
    EXPECT_FALSE(impl->addQuietly("p7", "again", 0)); // taken: the first stays
    EXPECT_FALSE(impl->addQuietly(" p8 ", "again", 0));
    EXPECT_FALSE(impl->addQuietly("  ", "x", 0));
    ASSERT_EQ(set->count(), 40);
    EXPECT_EQ(set->item("p7")->value(false), "v7");
    EXPECT_EQ(set->item("p39")->parmType(), 1);
    EXPECT_EQ(set->item(40)->name(), "p39");
    EXPECT_EQ(set->item("p0")->parent(), std::dynamic_pointer_cast<IKalvexObject>(set));
    EXPECT_EQ(set->modified(), 0);
    EXPECT_EQ(owner->modified(), 0);
    EXPECT_EQ(set->item("p0")->modified(), 0);
    EXPECT_TRUE(pub->seen.isEmpty());

    // Later changes count as usual.
    set->item("p0")->setValue(false, "changed");
    EXPECT_EQ(set->modified(), 1);
    EXPECT_EQ(owner->modified(), 1);
}
