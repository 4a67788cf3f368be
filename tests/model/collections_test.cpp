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

} // namespace

TEST(Collections, ItemByPositionAndIdGivesNoObjectOutOfRange)
{
    auto sites = classCreate_KalvexProdSites();
    auto a = sites->add(site("A", "Alpha"));
    auto b = sites->add(site("B", "Beta"));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(sites->count(), 2);
    EXPECT_EQ(sites->item(1), a);
    EXPECT_EQ(sites->item(2, SORT_COLLECTION), b);
    EXPECT_EQ(sites->item("B"), b);
    EXPECT_FALSE(sites->item(0));
    EXPECT_FALSE(sites->item(3));
    EXPECT_FALSE(sites->item(-7, SORT_DISPLAY_ORDER));
    EXPECT_FALSE(sites->item("b")); // ids are exact
    EXPECT_FALSE(sites->item(QString()));
    EXPECT_TRUE(sites->exists("A"));
    EXPECT_EQ(sites->itemByName("Beta"), b);
    EXPECT_FALSE(sites->itemByName("beta"));
}
