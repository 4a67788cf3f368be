#include <gtest/gtest.h>

#include "foundation/morvObjs_names.h"
#include "foundation/weakref.h"
#include "generators/KalvexGenParm.h"
#include "generators/KalvexGenParms.h"
#include "generators/KalvexGenerator.h"
#include "support/qt_printers.h"

using namespace kalvex;

TEST(ObjectNames, NameAndIdThroughTheirInterfaces)
{
    auto gen = classCreate_KalvexGenerator();
    gen->setId("GERB");
    gen->setName("Gerber");
    EXPECT_EQ(morvObjs_getName(gen, "?"), "Gerber");
    EXPECT_EQ(morvObjs_getId(gen, "?"), "GERB");

    auto parm = classCreate_KalvexGenParm();
    parm->setName("mode");
    EXPECT_EQ(morvObjs_getName(parm, "?"), "mode");
    EXPECT_EQ(morvObjs_getId(parm, "no id"), "no id"); // a parameter has no id

    EXPECT_EQ(morvObjs_getName(nullptr, "none"), "none");
    EXPECT_EQ(morvObjs_getId(classCreate_KalvexGenParms(), "set"), "set");
}

TEST(WeakRef, DestroyedObjectGivesNoObjectAndTheReferenceIsReset)
{
    auto gen = classCreate_KalvexGenerator();
    auto ref = vbl_obj_toPtr(gen);
    EXPECT_EQ(vbl_obj_fromPtr(ref), gen);
    EXPECT_EQ(gen.use_count(), 1); // the reference holds nothing
    gen.reset();
    EXPECT_FALSE(vbl_obj_fromPtr(ref));
    EXPECT_FALSE(vbl_obj_fromPtr(ref));
}
