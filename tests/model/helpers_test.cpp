#include <gtest/gtest.h>

#include "admin/objTypeText.h"
#include "foundation/progid_registry.h"
#include "interfaces/IKalvexAdministrator.h"
#include "interfaces/IKalvexJobPreferences.h"
#include "interfaces/IKalvexProcessOrderKey.h"
#include "interfaces/IKalvexTask.h"
#include "generators/bnrepTables.h"
#include "support/qt_printers.h"

using namespace kalvex;

TEST(Helpers, ObjectTypeKeywords)
{
    const QStringList expected{"ADMIN_DB",        "PROCESS",      "FILE_TYPE",   "PRODUCT_CLASS", "PRODUCTION_SITE",
                               "ERROR_FILTER",    "DISTRIBUTOR",  "GENERATOR",   "JOB_VIACOUNT",
                               "LOCAL_ADMIN_DB_STATUS"};
    for (int code = 1; code <= 10; ++code)
        EXPECT_EQ(morvObjs_objTypeToStr(code), expected[code - 1]);
    EXPECT_EQ(morvObjs_objTypeToStr(0), "");
    EXPECT_EQ(morvObjs_objTypeToStr(11), "");
    EXPECT_EQ(morvObjs_objTypeToStr(-1), "");
}

TEST(Helpers, ReportWriterTableArray)
{
    QVector<BnrepTableRec> tables{{"stale", true}};
    morvGens_bnrep_fillTableArray(tables, "Parts#Nets# #Pins", "nets#PINS#unknown");
    ASSERT_EQ(tables.size(), 5); // index 0, three tables, one spare
    EXPECT_EQ(tables[0].name, "");
    EXPECT_FALSE(tables[0].clear);
    EXPECT_EQ(tables[1].name, "Parts");
    EXPECT_FALSE(tables[1].clear);
    EXPECT_EQ(tables[2].name, "Nets");
    EXPECT_TRUE(tables[2].clear);
    EXPECT_EQ(tables[3].name, "Pins");
    EXPECT_TRUE(tables[3].clear);
    EXPECT_EQ(tables[4].name, "");

    morvGens_bnrep_fillTableArray(tables, "", "x");
    EXPECT_EQ(tables.size(), 2);
}

TEST(Helpers, ModelClassesAreCreatedByProgId)
{
    EXPECT_TRUE(createByProgId<IKalvexAdministrator>("KalvexObjs.KalvexAdministrator"));
    EXPECT_TRUE(createByProgId<IKalvexProcessOrderKey>("KalvexObjs.KalvexProcessOrderKey"));
    EXPECT_TRUE(createByProgId<IKalvexJobPreferences>("kalvexobjs.kalvexjobpreferences"));
    EXPECT_TRUE(createByProgId<IKalvexTasks>("KalvexObjs.KalvexTasks"));
    EXPECT_FALSE(createByProgId<IKalvexTasks>("KalvexObjs.KalvexTask")); // another interface
}
