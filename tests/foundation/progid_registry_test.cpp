#include <gtest/gtest.h>

#include "foundation/progid_registry.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "interfaces/IKalvexRUVConnection.h"
#include "interfaces/IKalvexStorageCtrl.h"
#include "support/qt_printers.h"

using namespace kalvex;

TEST(ProgIdRegistry, CreatesLibraryClassesThroughTheInterfaceAsked)
{
    auto parm = createByProgId<IKalvexGenParm>("KalvexObjs.KalvexGenParm");
    ASSERT_TRUE(parm);
    EXPECT_EQ(parm->className(), "KalvexGenParm");
    EXPECT_FALSE(parm->parent());
    EXPECT_TRUE(createByProgId<IKalvexGenParms>("kalvexobjs.kalvexgenparms")); // any letter case
    EXPECT_FALSE(createByProgId<IKalvexGenParms>("KalvexObjs.KalvexGenParm")); // wrong interface
    EXPECT_FALSE(createByProgId<IKalvexObject>("KalvexObjs.NoSuchClass"));
    EXPECT_FALSE(createByProgId<IKalvexObject>(""));
    EXPECT_TRUE(createByProgId<IKalvexGenParmsEditor>("KalvexObjs.KalvexGenParmsEditor"));
    EXPECT_TRUE(createByProgId<IKalvexRUVConnection>("KalvexObjs.KalvexRUVConnection"));
    EXPECT_TRUE(createByProgId<IKalvexStorageCtrl>("KalvexObjs.KalvexStorageCtrl"));
    EXPECT_TRUE(ProgIdRegistry::instance().progIds().contains("VeRedirorAZ.brenloEnvirVars"));
}

TEST(ProgIdRegistry, FailingCreatorGivesNoObject)
{
    auto& reg = ProgIdRegistry::instance();
    reg.registerClass<IBrenloEnvirVars>("Test.Throws", []() -> std::shared_ptr<IBrenloEnvirVars> {
        throw std::runtime_error("no component");
    });
    EXPECT_FALSE(reg.create<IBrenloEnvirVars>("Test.Throws"));
    reg.unregisterClass("Test.Throws");
    EXPECT_FALSE(reg.isRegistered("Test.Throws"));
}
