#include <gtest/gtest.h>

#include "admin/KalvexErrorFilter.h"
#include "admin/KalvexFileType.h"
#include "admin/KalvexFileTypes.h"
#include "admin/KalvexProdSite.h"
#include "admin/KalvexProdSites.h"
#include "admin/KalvexPsiteAssignment.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

IKalvexProdSitePtr site(const QString& id, const QString& name, int displayOrder = 0)
{
    auto s = classCreate_KalvexProdSite();
    s->setId(id);
    s->setName(name);
    s->setDisplayOrder(displayOrder);
    return s;
}

struct KindRecorder : IBrenloEventRaiser {
    QStringList seen;
    void queueEvent(const QString& type, const QString& sender, const BrenloEventParams& p) override
    {
        seen << type + ":" + sender + ":" + p.objectKind + ":" + p.propertyName;
    }
};

} // namespace

TEST(Collections, ItemByPositionAndKeyGivesNoObjectOutOfRange)
{
    auto sites = classCreate_KalvexProdSites();
    auto a = sites->add(site("A", "Alpha"));
    auto b = sites->add(site("Site_B", "Beta"));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(sites->count(), 2);
    EXPECT_EQ(sites->item(1), a);
    EXPECT_EQ(sites->item(2, SORT_COLLECTION), b);
    EXPECT_EQ(sites->item(2, 12345), b); // unknown sort order: collection order
    EXPECT_EQ(sites->item("Site_B"), b);
    EXPECT_EQ(sites->item("site_b"), b); // keys ignore letter case
    EXPECT_FALSE(sites->item(0));
    EXPECT_FALSE(sites->item(3));
    EXPECT_FALSE(sites->item(-7, SORT_DISPLAY_ORDER));
    EXPECT_FALSE(sites->item("nope"));
    EXPECT_FALSE(sites->item(QString()));
    EXPECT_TRUE(sites->exists("a"));
    EXPECT_EQ(sites->itemByName("Beta"), b);
    EXPECT_FALSE(sites->itemByName("beta")); // names are exact
}

TEST(Collections, AddRefusesDuplicatesStrangersAndNothingAndFillsEmptyIds)
{
    auto sites = classCreate_KalvexProdSites();
    EXPECT_FALSE(sites->add(nullptr));
    auto a = sites->add(site("A", "Alpha"));
    EXPECT_FALSE(sites->add(site("a", "other"))); // taken, letter case aside
    EXPECT_FALSE(sites->add(a));                  // already in
    auto other = classCreate_KalvexProdSites();
    EXPECT_FALSE(other->add(a)); // owned elsewhere

    auto blank = sites->add(classCreate_KalvexProdSite());
    ASSERT_TRUE(blank);
    EXPECT_EQ(blank->id(), "site_0001");
    EXPECT_EQ(sites->getUniqueId(), "site_0002");
    EXPECT_EQ(sites->count(), 2);
}

TEST(Collections, IdsStayUniqueThroughSetIdAndRenameId)
{
    auto sites = classCreate_KalvexProdSites();
    auto a = sites->add(site("A", "Alpha"));
    auto b = sites->add(site("B", "Beta"));
    EXPECT_FALSE(b->setId("a"));
    EXPECT_FALSE(b->setId("   "));
    EXPECT_EQ(b->id(), "B");

    EXPECT_EQ(sites->renameId("B", "B"), RENAME_SAME);
    EXPECT_EQ(sites->renameId("B", "  "), RENAME_EMPTY);
    EXPECT_EQ(sites->renameId("Z", "Y"), RENAME_NOT_FOUND);
    EXPECT_EQ(sites->renameId("B", "A"), RENAME_EXISTS);
    EXPECT_EQ(sites->renameId("B", " C "), RENAME_OK);
    EXPECT_EQ(b->id(), "C");
    EXPECT_EQ(sites->item("C"), b); // the index follows the rename
    EXPECT_FALSE(sites->item("B"));
    EXPECT_EQ(sites->renameId("C", "c"), RENAME_OK); // another spelling of itself
    EXPECT_EQ(sites->item("C"), b);
}

TEST(Collections, UniqueNamesCountUpFromTheTrailingNumber)
{
    auto types = classCreate_KalvexFileTypes();
    auto t = classCreate_KalvexFileType();
    t->setName("Gerber");
    types->add(t);
    auto t2 = classCreate_KalvexFileType();
    t2->setName("Gerber (1)");
    types->add(t2);
    EXPECT_EQ(types->getUniqueName("Drill"), "Drill");
    EXPECT_EQ(types->getUniqueName("Gerber"), "Gerber (2)");
    EXPECT_EQ(types->getUniqueName("Gerber (1)"), "Gerber (2)");
    EXPECT_EQ(t2->id(), "ftype_0002"); // an empty id is filled on add
    EXPECT_EQ(types->getUniqueId(), "ftype_0003");
}

TEST(Collections, ReservedEntriesStayOnRemoveButLeaveOnClear)
{
    auto sites = classCreate_KalvexProdSites();
    auto a = sites->add(site("A", "Alpha"));
    auto b = sites->add(site("B", "Beta"));
    b->setReservedItem(NO_DELETE);
    EXPECT_EQ(sites->remove("B"), 0);
    EXPECT_EQ(sites->remove(5), 0);
    EXPECT_EQ(sites->remove("A"), 1);
    EXPECT_FALSE(a->parent());
    EXPECT_EQ(sites->item(1), b);
    sites->clear();
    EXPECT_EQ(sites->count(), 0);
    EXPECT_FALSE(b->parent());
}

TEST(Collections, ChangesRollUpAndReadersAddQuietly)
{
    auto pub = std::make_shared<KindRecorder>();
    auto sites = classCreate_KalvexProdSites();
    sites->setEventRaiser(pub);
    auto fresh = site("A", "Alpha");
    fresh->setModified(0);
    auto a = sites->add(fresh);
    EXPECT_EQ(sites->modified(), 1);
    a->setName("Alpha");    // same value
    a->setName(" Alpha2 "); // trimmed, counted
    a->setAddress(2, "Main street");
    EXPECT_FALSE(a->setAddress(5, "nowhere"));
    EXPECT_EQ(a->address(2), "Main street");
    EXPECT_EQ(a->address(0), "");
    EXPECT_EQ(a->modified(), 2);
    EXPECT_EQ(sites->modified(), 3);
    EXPECT_EQ(pub->seen, (QStringList{"EV_ADD:KalvexProdSites:PRODUCTION_SITES:",
                                      "EV_CHANGE:KalvexProdSite:PRODUCTION_SITE:name",
                                      "EV_CHANGE:KalvexProdSite:PRODUCTION_SITE:address2"}));
    a->setModified(0);
    EXPECT_EQ(sites->modified(), 1);

    // A reader: suspend, fill quietly, resume, reset.
    pub->seen.clear();
    sites->setModified(MODIFIED_SUSPEND);
    sites->clear();
    auto b = site("B", "Beta");
    EXPECT_TRUE(sites->addQuietly(b));
    EXPECT_FALSE(sites->addQuietly(site("b", "dup")));
    sites->setModified(MODIFIED_RESUME);
    sites->setModified(0);
    EXPECT_EQ(sites->modified(), 0);
    EXPECT_TRUE(pub->seen.isEmpty());
    EXPECT_EQ(sites->item("B"), b);
    EXPECT_EQ(b->parent(), std::dynamic_pointer_cast<IKalvexObject>(sites));
}

TEST(Collections, SortOrdersDisplayAndFilterOrder)
{
    auto sites = classCreate_KalvexProdSites();
    auto a = sites->add(site("A", "Alpha", 30));
    auto b = sites->add(site("B", "Beta", 10));
    auto c = sites->add(site("C", "Gamma", 20));
    EXPECT_EQ(sites->item(1, SORT_DISPLAY_ORDER), b);
    EXPECT_EQ(sites->item(3, SORT_DISPLAY_ORDER), a);
    a->setDisplayOrder(0); // the view follows the change
    EXPECT_EQ(sites->item(1, SORT_DISPLAY_ORDER), a);
    EXPECT_EQ(sites->item(1, SORT_COLLECTION), a);
    EXPECT_EQ(prodSiteRank(c), 3);
    EXPECT_EQ(prodSiteRank(site("X", "loose")), prodSiteRank(nullptr) - 1);

    auto filters = classCreate_KalvexErrorFilters();
    for (int order : {30, 10, 20}) {
        auto f = classCreate_KalvexErrorFilter();
        f->setOrder(order);
        filters->add(f);
    }
    EXPECT_EQ(filters->item(1)->order(), 30);            // collection order
    EXPECT_EQ(filters->item(1, SORT_ORDER_KEY)->order(), 10); // filter order
    EXPECT_EQ(filters->item(3, SORT_ORDER_KEY)->order(), 30);
    EXPECT_EQ(filters->item(2, SORT_ORDER_KEY)->id(), "errf_0003");
    EXPECT_EQ(filters->getNextOrderId(), 40);
    EXPECT_EQ(filters->item(1)->applList(), "ALL");
    EXPECT_EQ(filters->remove(1), 1);
    EXPECT_EQ(filters->item(1, SORT_ORDER_KEY)->order(), 10);
    EXPECT_EQ(filters->count(), 2);
}

TEST(Collections, CloneCopiesEverythingButTheId)
{
    auto a = site("A", "Alpha", 4);
    a->setAddress(1, "Street 1");
    a->setEmailNotify(true);
    a->setReservedItem(SYSTEM);
    auto b = site("B", "Beta");
    b->clone(a);
    EXPECT_EQ(b->id(), "B");
    EXPECT_EQ(b->name(), "Alpha");
    EXPECT_EQ(b->address(1), "Street 1");
    EXPECT_TRUE(b->emailNotify());
    EXPECT_EQ(b->displayOrder(), 4);
    EXPECT_EQ(b->reservedItem(), SYSTEM);
    b->initialize();
    EXPECT_EQ(b->id(), "B");
    EXPECT_EQ(b->name(), "");
    EXPECT_EQ(b->modified(), 0);
}

TEST(Collections, AssignmentsFollowTheSitesAndForgetGoneOnes)
{
    auto sites = classCreate_KalvexProdSites();
    auto a = sites->add(site("A", "Alpha", 2));
    auto b = sites->add(site("B", "Beta", 1));
    auto assignments = classCreate_KalvexPsiteAssignments();
    assignments->updateSites(sites);
    ASSERT_EQ(assignments->count(), 2);
    EXPECT_EQ(assignments->item(1)->productionSite(), b); // added in display order
    EXPECT_EQ(assignments->item("a")->productionSite(), a);
    EXPECT_FALSE(assignments->item("A")->inUse());

    a->setDisplayOrder(0);
    EXPECT_EQ(assignments->item(1, SORT_PRODUCTION_SITE)->productionSite(), a);

    sites->remove("B");
    b.reset();
    EXPECT_FALSE(assignments->item(1)->productionSite()); // the site is gone
    assignments->updateSites(sites);
    EXPECT_EQ(assignments->count(), 1);
    EXPECT_EQ(assignments->item(1)->productionSite(), a);

    // A second assignment for the same site cannot join.
    auto dup = classCreate_KalvexPsiteAssignment();
    dup->setProductionSite(a);
    EXPECT_FALSE(assignments->add(dup));
    assignments->updateSites(nullptr);
    EXPECT_EQ(assignments->count(), 0);
}

TEST(Collections, TakingOverMovesEveryItemWithItsKeys)
{
    auto pub = std::make_shared<KindRecorder>();
    auto target = classCreate_KalvexProdSites();
    target->setEventRaiser(pub);
    auto old = target->add(site("OLD", "Old"));
    ASSERT_TRUE(old);
    target->setModified(0);
    pub->seen.clear();

    // Past the scanning size, so that look-ups go through the index.
    auto read = classCreate_KalvexProdSites();
    std::vector<IKalvexProdSitePtr> added;
    for (int i = 0; i < 40; ++i) {
        added.push_back(site(QStringLiteral("S%1").arg(i), QStringLiteral("Site %1").arg(i)));
        ASSERT_TRUE(read->addQuietly(added.back()));
    }
    ASSERT_EQ(read->item("s39"), added.back()); // index built in the read collection

    auto* to = dynamic_cast<KalvexCollection<IKalvexProdSite>*>(target.get());
    auto* from = dynamic_cast<KalvexCollection<IKalvexProdSite>*>(read.get());
    ASSERT_TRUE(to && from);
    ASSERT_TRUE(to->takeItemsOf(*from));

    EXPECT_EQ(read->count(), 0);
    EXPECT_FALSE(read->exists("S1"));
    ASSERT_EQ(target->count(), 40);
    EXPECT_FALSE(target->exists("OLD"));
    EXPECT_FALSE(old->parent());
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(target->item(i + 1, SORT_COLLECTION), added[static_cast<size_t>(i)]);
        EXPECT_EQ(target->item(QStringLiteral("s%1").arg(i)), added[static_cast<size_t>(i)]);
        EXPECT_EQ(added[static_cast<size_t>(i)]->parent(), std::dynamic_pointer_cast<IKalvexObject>(target));
    }
    EXPECT_EQ(target->modified(), 0);
    EXPECT_TRUE(pub->seen.isEmpty());

    // Keys stay unique and the index current after the move.
    EXPECT_FALSE(target->add(site("S5", "again")));
    EXPECT_FALSE(added[3]->setId("S4"));
    EXPECT_TRUE(added[3]->setId("MOVED"));
    EXPECT_EQ(target->item("moved"), added[3]);
    EXPECT_FALSE(target->exists("S3"));

    // The read collection is usable again.
    EXPECT_TRUE(read->addQuietly(site("S1", "fresh")));

    // Nothing is taken from itself.
    EXPECT_FALSE(to->takeItemsOf(*to));
    EXPECT_EQ(target->count(), 40);
}
