#include <gtest/gtest.h>

#include "foundation/BrenloEnvirVars.h"
#include "foundation/progid_registry.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {
std::shared_ptr<IBrenloEnvirVars> makeVars()
{
    auto vars = createEnvirVars();
    vars->add("KVX_JOB_PCB_PATH", "C:\\jobs\\board1");
    vars->add("KVX_TASK_WORKDIR", "${KVX_JOB_PCB_PATH}\\work");
    return vars;
}
} // namespace

TEST(EnvirVars, CreatedByProgIdAndLookedUpByNameInAnyCase)
{
    auto vars = createEnvirVars();
    ASSERT_TRUE(vars);
    vars->add("KVX_A", "1");
    vars->add("kvx_a", "2"); // same variable, new value
    EXPECT_EQ(vars->count(), 1);
    EXPECT_EQ(vars->item("Kvx_A"), "2");
    EXPECT_EQ(vars->names(), QStringList{"KVX_A"});
    EXPECT_TRUE(vars->item("NOPE").isNull());
    vars->add("EMPTY", "");
    EXPECT_FALSE(vars->item("EMPTY").isNull());
    vars->remove("kvx_a");
    EXPECT_FALSE(vars->exists("KVX_A"));
    vars->add("   ", "x"); // blank name defines nothing
    EXPECT_EQ(vars->count(), 1);
}

TEST(EnvirVars, ExpandReplacesNestedReferencesAndKeepsUndefinedOnes)
{
    auto vars = makeVars();
    EXPECT_EQ(vars->expand("${KVX_TASK_WORKDIR}\\checkedOut_file.dat", true, true),
              "C:\\jobs\\board1\\work\\checkedOut_file.dat");
    EXPECT_EQ(vars->expand("${KVX_TASK_WORKDIR}", false, true), "${KVX_JOB_PCB_PATH}\\work");
    EXPECT_EQ(vars->expand("a ${UNKNOWN} b ${KVX_JOB_PCB_PATH}", true, true), "a ${UNKNOWN} b C:\\jobs\\board1");
    EXPECT_EQ(vars->expand("a ${UNKNOWN} b", true, false), "a  b");
    EXPECT_EQ(vars->expand("open ${ and $ and }", true, true), "open ${ and $ and }");
    EXPECT_EQ(vars->expand("${x ${KVX_JOB_PCB_PATH}", true, true), "${x C:\\jobs\\board1");
    EXPECT_EQ(vars->expand("", true, true), "");
}

TEST(EnvirVars, ExpandEndsOnCycles)
{
    auto vars = createEnvirVars();
    vars->add("A", "a${B}");
    vars->add("B", "b${A}");
    vars->add("SELF", "[${SELF}]");
    EXPECT_EQ(vars->expand("${A}", true, true), "ab${A}");
    EXPECT_EQ(vars->expand("${SELF}", true, true), "[${SELF}]");
    EXPECT_EQ(vars->expand("${A}${A}", true, true), "ab${A}ab${A}");
}

TEST(EnvirVars, ExpandOfValuesThatDoubleEachLevelEnds)
{
    auto vars = createEnvirVars();
    for (int i = 0; i < 40; ++i)
        vars->add(QString("V%1").arg(i), QString("${V%1}${V%1}").arg(i + 1));
    vars->add("V40", "x");
    const QString out = vars->expand("${V0}", true, true);
    EXPECT_TRUE(out.contains("${V")); // stopped, references left as written
    EXPECT_LT(out.size(), 10'000'000);
    EXPECT_EQ(vars->expand("${V38}", true, true), "xxxx");
}

TEST(EnvirVars, CollapseTakesLongestValueFirstAndNeverRewritesReferences)
{
    auto vars = createEnvirVars();
    vars->add("ROOT", "C:\\jobs");
    vars->add("JOB", "C:\\jobs\\board1");
    vars->add("B", "b"); // would hit inside "${JOB}" if references were rewritten
    EXPECT_EQ(vars->collapse("C:\\jobs\\board1\\work;C:\\jobs\\other", true, ""),
              "${JOB}\\work;${ROOT}\\other");
    EXPECT_EQ(vars->collapse("c:\\JOBS\\x", true, ""), "${ROOT}\\x");
    EXPECT_EQ(vars->collapse("c:\\JOBS\\x", false, ""), "c:\\JOBS\\x");
    EXPECT_EQ(vars->collapse("${KEEP_ME} C:\\jobs", true, "ROOT"), "${KEEP_ME} ${ROOT}");
    EXPECT_EQ(vars->collapse("ab", true, ""), "a${B}");
    EXPECT_EQ(vars->collapse("${b ${B}", true, ""), "${${B} ${B}"); // only a closed reference is kept
    vars->add("NOTHING", "");
    EXPECT_EQ(vars->collapse("xyz", true, ""), "xyz");
}

TEST(EnvirVars, RegistryLetsAHostReplaceTheCompanion)
{
    struct Fixed : BrenloEnvirVars {
        Fixed() { add("FIXED", "1"); }
    };
    auto& reg = ProgIdRegistry::instance();
    reg.registerClass<IBrenloEnvirVars>(PROGID_ENVIR_VARS, [] { return std::make_shared<Fixed>(); });
    EXPECT_TRUE(createEnvirVars()->exists("FIXED"));
    reg.registerClass<IBrenloEnvirVars>(PROGID_ENVIR_VARS, [] { return std::make_shared<BrenloEnvirVars>(); });
    EXPECT_FALSE(createEnvirVars()->exists("FIXED"));
}
