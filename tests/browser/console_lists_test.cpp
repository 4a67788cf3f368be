// The console's list-box writers: the exact lines of a generator and of a
// parameter block, numbering, appending, and missing objects.
#include "console_fixture.h"

#include "generators/KalvexGenerator.h"
#include "generators/KalvexGenerators.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

IKalvexGeneratorPtr makeGenerator(const QString& id, const QString& name)
{
    auto gen = classCreate_KalvexGenerator();
    gen->setId(id);
    gen->setName(name);
    gen->setDescription("Photoplot data");
    gen->setCmdGen("${KVX_GENSYS_PATH}\\bin\\gerber.exe");
    gen->setCmdPlot("${KVX_GENSYS_PATH}\\bin\\plot.exe");
    gen->setCmdView("viewer.exe");
    gen->setFileExt("gbr");
    gen->setGroupId("PHOTO");
    gen->setActiveXModule("Gerber.Module");
    gen->setReservedItem(2);
    auto parms = gen->parameters();
    parms->add("units", "mm", PARM_TYPE_SYSTEM);
    parms->add("a_parameter_name_longer_than_twenty", "${KVX_JOB_PCB_PATH}\\x", PARM_TYPE_USER);
    parms->add("exactly_twenty_chars", "", 7);
    return gen;
}

} // namespace

TEST_F(ConsoleTest, GeneratorLinesWithParametersInTheirExactFormat)
{
    VbListBox* list = console->infoList;
    console->generatorToListBox(12, makeGenerator("GERBER", "Gerber photoplots"), list, true);
    const QStringList expected = {
        "12. Gerber photoplots",
        "---------------------",
        "Description : Photoplot data",
        "Gen cmd     : ${KVX_GENSYS_PATH}\\bin\\gerber.exe",
        "Plot cmd    : ${KVX_GENSYS_PATH}\\bin\\plot.exe",
        "View cmd    : viewer.exe",
        "File ext    : gbr",
        "Group ID    : PHOTO",
        "ActiveX Mod.: Gerber.Module",
        "Reserved    : 2",
        "===> Parameters",
        "===> ----------",
        "===> (Sys) units                = mm",
        "===> (Usr) a_parameter_name_longer_than_twenty = ${KVX_JOB_PCB_PATH}\\x",
        "===> (Usr) exactly_twenty_chars = ",
        "  ",
    };
    EXPECT_EQ(listLines(list), expected);
    // Written without showing the console, which loaded for it.
    EXPECT_TRUE(console->form_loaded);
    EXPECT_FALSE(console->isVisible());
}

TEST_F(ConsoleTest, GeneratorWithoutParametersAndMissingObjects)
{
    VbListBox* list = console->infoList;
    console->generatorToListBox(1, makeGenerator("G", "G"), list, false);
    ASSERT_EQ(list->ListCount(), 11);
    EXPECT_EQ(list->List(0), "1. G");
    EXPECT_EQ(list->List(1), "----");
    EXPECT_EQ(list->List(9), "Reserved    : 2");
    EXPECT_EQ(list->List(10), "  ");

    console->clearList();
    console->generatorToListBox(3, nullptr, list, true);
    EXPECT_EQ(listLines(list), QStringList{"** Error ** Generator object not set"});

    console->clearList();
    console->parmsToListBox(list, "Title", nullptr, "> ");
    console->showParameters("Title", nullptr, "");
    EXPECT_EQ(list->ListCount(), 0);
    console->generatorToListBox(1, makeGenerator("G", "G"), nullptr, true);
}

TEST_F(ConsoleTest, ParameterBlockWithAndWithoutTitle)
{
    auto parms = makeGenerator("G", "G")->parameters();
    console->showParameters("Set", parms, "");
    EXPECT_EQ(listLines(console->infoList),
              (QStringList{"Set", "---", "(Sys) units                = mm",
                           "(Usr) a_parameter_name_longer_than_twenty = ${KVX_JOB_PCB_PATH}\\x",
                           "(Usr) exactly_twenty_chars = "}));
    console->clearList();
    console->parmsToListBox(console->infoList, "", parms, "# ");
    ASSERT_EQ(console->infoList->ListCount(), 3);
    EXPECT_EQ(console->infoList->List(0), "# (Sys) units                = mm");
}

TEST_F(ConsoleTest, GeneratorsAreNumberedFromOneEachTimeAndAppendUnlessCleared)
{
    auto gens = classCreate_KalvexGenerators();
    gens->add("A", "First");
    gens->add("B", "Second");
    gens->item("B")->parameters()->add("p", "v", PARM_TYPE_USER);
    console->generatorsToListBox(gens, true);
    QStringList lines = listLines(console->infoList);
    EXPECT_EQ(lines.filter(QRegularExpression("^\\d+\\. ")), (QStringList{"1. First", "2. Second"}));
    EXPECT_TRUE(lines.contains("===> (Usr) p                    = v"));

    console->generatorsToListBox(gens, false);
    lines = listLines(console->infoList);
    EXPECT_EQ(lines.filter(QRegularExpression("^\\d+\\. ")),
              (QStringList{"1. First", "2. Second", "1. First", "2. Second"}));

    console->showGenerator(7, gens->item("A"), true);
    lines = listLines(console->infoList);
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines.first(), "7. First");
    EXPECT_FALSE(lines.contains("===> Parameters"));
}
