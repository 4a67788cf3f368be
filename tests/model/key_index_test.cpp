// The id and name indexes of the collections stay exact through adds,
// removals, renames (through the collection or the item itself) and
// changes of letter case.
#include <gtest/gtest.h>

#include "admin/KalvexAdministrator.h"
#include "admin/KalvexProdSite.h"
#include "generators/KalvexGenAssignment.h"
#include "generators/KalvexGenerators.h"
#include "generators/KalvexProcess.h"
#include "interfaces/IKalvexGenParms.h"
#include "interfaces/IKalvexProcess.h"
#include "support/qt_printers.h"

using namespace kalvex;

// Small collections are scanned, larger ones go through a table: both ways
// are run, the table behind 40 leading entries and behind 300 (it grows
// several times while they join).
class KeyIndexes : public ::testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(SmallAndLarge, KeyIndexes, ::testing::Values(0, 40, 300));

TEST_P(KeyIndexes, GeneratorIdsIgnoreLetterCaseAndFollowEveryChange)
{
    auto gens = classCreate_KalvexGenerators();
    for (int i = 0; i < GetParam(); ++i)
        gens->add(QStringLiteral("F%1").arg(i), QStringLiteral("filler %1").arg(i));
    const int base = GetParam();
    auto a = gens->add("GA", "alpha");
    auto b = gens->add("GB", "beta");
    auto c = gens->add("GC", "gamma");
    EXPECT_EQ(gens->item("ga"), a);
    EXPECT_EQ(gens->itemByName("beta"), b);
    EXPECT_FALSE(gens->itemByName("Beta"));
    EXPECT_FALSE(gens->add("gb", "again"));

    // Through the collection, through the item, and a change of case only.
    EXPECT_EQ(gens->renameId("GA", "G1"), RENAME_OK);
    EXPECT_FALSE(gens->exists("GA"));
    EXPECT_EQ(gens->item("g1"), a);
    b->setId("G2");
    EXPECT_FALSE(gens->item("GB"));
    EXPECT_EQ(gens->item("G2"), b);
    EXPECT_EQ(gens->renameId("G2", "g2"), RENAME_OK);
    EXPECT_EQ(gens->item("G2"), b);
    c->setName("delta");
    EXPECT_FALSE(gens->itemByName("gamma"));
    EXPECT_EQ(gens->itemByName("delta"), c);

    // Positions move on removal; the indexes follow.
    EXPECT_EQ(gens->remove("G1"), 1);
    EXPECT_FALSE(gens->item("g1"));
    EXPECT_EQ(gens->item("g2"), b);
    EXPECT_EQ(gens->item("GC"), c);
    auto d = gens->add("GA", "alpha again");
    ASSERT_TRUE(d);
    EXPECT_EQ(gens->item(base + 3), d);
    EXPECT_EQ(gens->item("ga"), d);
    EXPECT_EQ(gens->remove(base + 1), 1);
    EXPECT_EQ(gens->item("GC"), c);
    EXPECT_EQ(gens->item("GA"), d);
    EXPECT_FALSE(gens->item("G2"));

    // A generator taken out keeps its id to itself.
    b->setId("GC");
    EXPECT_EQ(gens->item("gc"), c);
    gens->initialize();
    EXPECT_FALSE(gens->item("GC"));
    EXPECT_TRUE(gens->add("GC"));
}

TEST_P(KeyIndexes, ParameterNamesAreExactAndFollowEveryChange)
{
    auto gens = classCreate_KalvexGenerators();
    auto parms = gens->add("G")->parameters();
    for (int i = 0; i < GetParam(); ++i)
        parms->add(QStringLiteral("filler_%1").arg(i), QString(), 0);
    const int base = GetParam();
    auto units = parms->add("units", "mm", 1);
    auto title = parms->add("title", "x", 1);
    auto mode = parms->add("mode", "a", 0);
    EXPECT_EQ(parms->item("units"), units);
    EXPECT_FALSE(parms->item("Units"));
    // Adding a name there already gives that parameter, with the new value.
    EXPECT_EQ(parms->add(" units ", "inch", 1), units);
    EXPECT_EQ(parms->count(), base + 3);
    EXPECT_EQ(units->value(false), "inch");

    EXPECT_EQ(parms->rename("title", "Title"), RENAME_OK);
    EXPECT_FALSE(parms->item("title"));
    EXPECT_EQ(parms->item("Title"), title);
    mode->setName("operation");
    EXPECT_FALSE(parms->exists("mode"));
    EXPECT_EQ(parms->item("operation"), mode);

    EXPECT_EQ(parms->remove("units"), 1);
    EXPECT_EQ(parms->item("Title"), title);
    EXPECT_EQ(parms->item("operation"), mode);
    EXPECT_EQ(parms->remove(base + 1), 1);
    EXPECT_EQ(parms->item("operation"), mode);
    EXPECT_EQ(parms->item(base + 1), mode);
    EXPECT_TRUE(parms->add("units", "", 0));
    EXPECT_EQ(parms->item(base + 2)->name(), "units");
}

TEST_P(KeyIndexes, OfTwoEqualNamesTheEarlierIsFound)
{
    auto gens = classCreate_KalvexGenerators();
    for (int i = 0; i < GetParam(); ++i)
        gens->add(QStringLiteral("F%1").arg(i), QStringLiteral("filler %1").arg(i));
    auto first = gens->add("X1", "twin");
    auto second = gens->add("X2", "twin");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(gens->itemByName("twin"), first);
    second->setName("other");
    second->setName("twin"); // the index is rebuilt: the order still decides
    EXPECT_EQ(gens->itemByName("twin"), first);
    EXPECT_EQ(gens->remove("X1"), 1);
    EXPECT_EQ(gens->itemByName("twin"), second);
}

TEST(SiteAssignmentKeys, SiteAssignmentsFollowTheirSitesIds)
{
    auto adm = classCreate_KalvexAdministrator();
    auto sites = adm->productionSites();
    auto s1 = classCreate_KalvexProdSite();
    s1->setId("S1");
    ASSERT_TRUE(sites->add(s1));
    auto proc = adm->processes()->add(classCreate_KalvexProcess());
    ASSERT_TRUE(proc);
    auto ass = proc->generatorAssignments();
    ass->updateSites(sites);
    ASSERT_EQ(ass->count(), 1);
    const auto a1 = ass->item("s1");
    ASSERT_TRUE(a1);
    // The site's own id changes: the assignment is found by the new one.
    s1->setId("MAIN");
    EXPECT_FALSE(ass->item("S1"));
    EXPECT_EQ(ass->item("main"), a1);
    auto s2 = classCreate_KalvexProdSite();
    s2->setId("S2");
    ASSERT_TRUE(sites->add(s2));
    ass->updateSites(sites);
    EXPECT_EQ(ass->count(), 2);
    EXPECT_EQ(ass->item("MAIN"), a1);
    EXPECT_TRUE(ass->item("s2"));
    EXPECT_EQ(ass->remove("MAIN"), 1);
    EXPECT_EQ(ass->item("S2")->productionSite(), s2);
}

// Names are kept one byte a character when they fit, two otherwise; a name
// is found by its characters either way, and a change between the two keeps
// the index and the reported values right.
TEST_P(KeyIndexes, ParameterNamesInAnyScriptAreFoundByTheirCharacters)
{
    auto gens = classCreate_KalvexGenerators();
    auto parms = gens->add("G")->parameters();
    for (int i = 0; i < GetParam(); ++i)
        parms->add(QStringLiteral("filler_%1").arg(i), QString(), 0);
    const QString latin = QString::fromUtf8("Gr\xC3\xB6\xC3\x9F" "e");      // fits Latin-1
    const QString wide = QString::fromUtf8("\xE9\x95\xB7\xE3\x81\x95");      // does not
    const QString mixedValue = QString::fromUtf8("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC 5");
    auto a = parms->add(latin, mixedValue, 0);
    auto b = parms->add(wide, "plain", 1);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(parms->item(latin), a);
    EXPECT_EQ(parms->item(wide), b);
    EXPECT_FALSE(parms->item(latin.toUpper()));
    EXPECT_EQ(a->value(false), mixedValue);

    // From narrow to wide and back, the value staying as it was.
    QVariantList olds, news;
    struct Values : IBrenloEventRaiser {
        QVariantList* olds;
        QVariantList* news;
        void queueEvent(const QString&, const QString&, const BrenloEventParams& p) override
        {
            *olds << p.oldValue;
            *news << p.newValue;
        }
    };
    auto values = std::make_shared<Values>();
    values->olds = &olds;
    values->news = &news;
    a->setEventRaiser(values);
    a->setName(wide + "2");
    EXPECT_FALSE(parms->exists(latin));
    EXPECT_EQ(parms->item(wide + "2"), a);
    EXPECT_EQ(a->value(false), mixedValue);
    a->setValue(false, "x");
    EXPECT_EQ(a->name(), wide + "2");
    EXPECT_EQ(parms->rename(wide + "2", latin), RENAME_OK);
    EXPECT_EQ(parms->item(latin), a);
    ASSERT_EQ(olds.size(), 3);
    EXPECT_EQ(olds[0].toString(), latin);
    EXPECT_EQ(news[0].toString(), wide + "2");
    EXPECT_EQ(olds[1].toString(), mixedValue);
    EXPECT_EQ(news[1].toString(), "x");
    EXPECT_EQ(news[2].toString(), latin);
    a->setEventRaiser(nullptr);
}
