#include <gtest/gtest.h>

#include "foundation/BrenloEnvirVars.h"
#include "foundation/progid_registry.h"
#include "generators/KalvexGenerator.h"
#include "generators/KalvexGenerators.h"
#include "generators/current_generator.h"
#include "generators/gens_tooltip.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "model/named_parm_form.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

// Chooses by command the way the dialog layer does: Gerber or the grid.
class Chooser : public IKalvexEditFormChooser {
public:
    IKalvexParmForm* editFormSelect(const QString& name) override
    {
        asked << name;
        return name.toLower() == "(internal)kalvex gerber generator" ? static_cast<IKalvexParmForm*>(&gerber)
                                                                      : &grid;
    }
    IKalvexParmForm* defaultForm() override { return &grid; }
    void focusForm(IKalvexParmForm*) override {}
    test::NamedParmForm grid{"frmParmEdit"}, gerber{"frmGerberParms"};
    QStringList asked;
};

} // namespace

TEST(Generator, PropertiesCountChangesUpToTheCollection)
{
    auto gens = classCreate_KalvexGenerators();
    auto g = gens->add("GERB", "Gerber");
    ASSERT_TRUE(g);
    gens->setModified(0);
    g->setDescription("photoplots");
    g->setCmdView("view.exe");
    g->setCmdPlot("plot.exe");
    g->setFileExt("gbr");
    g->setActiveXModule("mod");
    g->setGroupId("grp");
    g->setReservedItem(SYSTEM);
    g->setIntCounter(7);
    g->setGroupId("grp"); // unchanged
    EXPECT_EQ(g->modified(), 8);
    EXPECT_EQ(gens->modified(), 8);
    EXPECT_EQ(g->parent(), std::dynamic_pointer_cast<IKalvexObject>(gens));
    EXPECT_EQ(g->parameters()->parent(), std::dynamic_pointer_cast<IKalvexObject>(g));
    EXPECT_EQ(g->parameters(), g->parameters()); // one set per generator

    g->parameters()->add("p", "1", 0); // a parameter change reaches the collection
    EXPECT_EQ(gens->modified(), 9);
    EXPECT_EQ(g->reservedItem(), 3);
    EXPECT_EQ(g->intCounter(), 7);
}

TEST(Generator, CmdGenWithoutChooserOnlyStoresAndExpandsOnRequest)
{
    auto vars = createEnvirVars();
    vars->add("KVX_GENSYS_PATH", "C:\\gens");
    auto g = classCreate_KalvexGenerator();
    g->setEnvirVars(vars);
    g->setCmdGen("${KVX_GENSYS_PATH}\\drc.exe");
    EXPECT_EQ(g->cmdGen(false), "${KVX_GENSYS_PATH}\\drc.exe");
    EXPECT_EQ(g->cmdGen(true), "C:\\gens\\drc.exe");
    EXPECT_EQ(g->modified(), 1);
    EXPECT_EQ(g->parameters()->editor()->formObj(), nullptr);
}

TEST(Generator, ChangedCommandChoosesTheDialogForTheParameterSet)
{
    Chooser chooser;
    registerEditFormChooser(&chooser);
    auto g = classCreate_KalvexGenerator();
    g->setCmdGen("(INTERNAL)Kalvex GERBER Generator");
    auto editor = g->parameters()->editor();
    EXPECT_EQ(editor->formObj(), &chooser.gerber);
    EXPECT_EQ(chooser.gerber.parmsColl(), g->parameters());

    g->setCmdGen("(INTERNAL)Kalvex GERBER Generator"); // same command: not chosen again
    g->setCmdGen("other.exe");
    EXPECT_EQ(editor->formObj(), &chooser.grid);
    EXPECT_EQ(chooser.grid.parmsColl(), g->parameters());
    EXPECT_EQ(chooser.asked, (QStringList{"(INTERNAL)Kalvex GERBER Generator", "other.exe"}));
    registerEditFormChooser(nullptr);
}

TEST(Generator, CloneCopiesValuesAndParametersWithoutSharingThem)
{
    auto src = classCreate_KalvexGenerator();
    src->setId("A");
    src->setName("n");
    src->setCmdGen(CMD_INTERNAL_BATCHFILE);
    src->parameters()->add("x", "1", 1);
    auto dst = classCreate_KalvexGenerator();
    dst->parameters()->add("old", "", 0);
    dst->clone(src);
    EXPECT_EQ(dst->id(), "A");
    EXPECT_EQ(dst->cmdGen(false), "(INTERNAL)Kalvex batchfile Generator");
    ASSERT_EQ(dst->parameters()->count(), 1);
    EXPECT_EQ(dst->parameters()->item(1)->parmType(), 1);
    dst->parameters()->item("x")->setValue(false, "2");
    EXPECT_EQ(src->parameters()->item("x")->value(false), "1");
}

TEST(Generators, ItemsByIdPositionAndName)
{
    auto gens = classCreate_KalvexGenerators();
    auto a = gens->add(" GERB ", "Gerber");
    auto b = gens->add("DRILL", "Drill");
    EXPECT_EQ(a->id(), "GERB");
    EXPECT_FALSE(gens->add("gerb")); // ids differ in more than letter case
    EXPECT_FALSE(gens->add("  "));
    EXPECT_FALSE(gens->add(a));
    EXPECT_EQ(gens->count(), 2);
    EXPECT_EQ(gens->item("gerb"), a);
    EXPECT_EQ(gens->item(2), b);
    EXPECT_FALSE(gens->item(3));
    EXPECT_FALSE(gens->item("NONE"));
    EXPECT_EQ(gens->itemByName("Drill"), b);
    EXPECT_FALSE(gens->itemByName("drill"));
    EXPECT_EQ(gens->remove("Drill"), 1);
    EXPECT_EQ(gens->remove("Drill"), 0);
    EXPECT_EQ(gens->remove(1), 1);
    EXPECT_EQ(gens->count(), 0);
}

TEST(Generators, RenameIdAndUniqueNames)
{
    auto gens = classCreate_KalvexGenerators();
    gens->add("A", "Alpha");
    gens->add("B", "Beta");
    EXPECT_EQ(gens->renameId("A", "A "), RENAME_SAME);
    EXPECT_EQ(gens->renameId("A", ""), RENAME_EMPTY);
    EXPECT_EQ(gens->renameId("A", "b"), RENAME_EXISTS);
    EXPECT_EQ(gens->renameId("Q", "C"), RENAME_NOT_FOUND);
    EXPECT_EQ(gens->renameId("A", "a"), RENAME_OK); // letter case only
    EXPECT_EQ(gens->renameId("a", "C"), RENAME_OK);
    EXPECT_EQ(gens->item(1)->id(), "C");
    EXPECT_EQ(gens->getUniqueId("c"), "c (1)");
    EXPECT_EQ(gens->getUniqueName("Beta"), "Beta (1)");
    EXPECT_EQ(gens->getUniqueName("beta"), "beta");
}

TEST(Generators, VariableSetReachesGeneratorsAndTheirParameters)
{
    auto vars = createEnvirVars();
    vars->add("OUT", "C:\\out");
    auto gens = classCreate_KalvexGenerators();
    auto a = gens->add("A");
    EXPECT_EQ(gens->setInternalValue("envirVars", QVariant::fromValue(vars)), 1);
    auto b = gens->add("B"); // joins later, gets it too
    for (const auto& g : {a, b}) {
        EXPECT_EQ(g->envirVars(), vars);
        EXPECT_EQ(g->parameters()->envirVars(), vars);
        EXPECT_EQ(g->parameters()->add("dir", "${OUT}\\x", 0)->value(true), "C:\\out\\x");
    }
}

TEST(Generators, CreatedByProgId)
{
    auto gens = createByProgId<IKalvexGenerators>("KalvexObjs.KalvexGenerators");
    auto gen = createByProgId<IKalvexGenerator>("KalvexObjs.KalvexGenerator");
    ASSERT_TRUE(gens && gen);
    gen->setId("X");
    EXPECT_TRUE(gens->add(gen));
}

TEST(CurrentGenerator, NewestGeneratorIsCurrentAndAnyEndClearsIt)
{
    auto first = classCreate_KalvexGenerator();
    EXPECT_EQ(morvObjs_currentGenerator(), first);
    auto second = classCreate_KalvexGenerator();
    EXPECT_EQ(morvObjs_currentGenerator(), second);
    first.reset(); // any generator ending gives the reference up
    EXPECT_FALSE(morvObjs_currentGenerator());
    second->initialize();
    EXPECT_EQ(morvObjs_currentGenerator(), second);
    second.reset();
    EXPECT_FALSE(morvObjs_currentGenerator());
}

TEST(GensToolTip, ComposesLabelSwitchAndPlaceholder)
{
    EXPECT_EQ(morvGens_toolTip_compose("Output file", "file_out", "<file>"), "Output file ( /file_out=<file> )");
    EXPECT_EQ(morvGens_toolTip_compose("", "", ""), " ( /= )");
}

TEST(Generator, ObjectsNotHeldBySharedPointerStillWork)
{
    KalvexGenerator plain; // e.g. a member of some other object
    plain.initialize();
    plain.setCmdGen("x.exe");
    EXPECT_FALSE(plain.parameters()->parent());
    KalvexGenerators gens;
    EXPECT_TRUE(gens.add("A")); // joins without a parent to report to
    EXPECT_FALSE(gens.item(1)->parent());
}
