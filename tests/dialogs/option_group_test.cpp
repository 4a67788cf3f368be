// Option groups under each rule the dialogs use, driven through real option
// buttons: what a value selects, when the parameter is created, what is
// written and counted, and that a repeated persist writes again.
#include <gtest/gtest.h>

#include <QTest>

#include "dialogs/KalvexParmFormBase.h"
#include "dialogs/morvObj_optionGroup.h"
#include "dialogs/parm_set_probe.h"
#include "foundation/vbl_str.h"
#include "generators/KalvexGenParms.h"
#include "platform/VbCheckBox.h"
#include "platform/VbOptionButton.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

// A dialog with one option group and a bound text box beside it.
class frmGroupParms : public KalvexParmFormBase {
public:
    explicit frmGroupParms(OptionGroupRule rule)
        : KalvexParmFormBase(QStringLiteral("frmGroupParms"))
        , group(std::move(rule))
    {
        auto* panel = addControl(new VbPanel3D(this), "parmsPanel");
        auto* frame = addControl(new VbFrame(panel), "frameParms");
        for (int i = 0; i < group.rule().words.size(); ++i) {
            auto* b = addControl(new VbOptionButton(group.rule().words[i], frame), "optGroup", i);
            b->setGeometry(10, 10 + 25 * i, 160, 22);
            opt.append(b);
        }
        checkFlag = addControl(new VbCheckBox(QStringLiteral("Flag"), frame), "checkFlag");
        checkFlag->setGeometry(200, 10, 120, 22);
        setPanel(panel, frame);
        resize(400, 60 + 25 * opt.count());
    }
    void loadGroups() override { shown = group.load(parmsColl(), opt); }
    int persistGroups(const IKalvexGenParmsPtr& parms) override { return group.persist(parms, opt); }

    OptionGroup group;
    VbOptionArray opt;
    VbCheckBox* checkFlag;
    int shown = -2;
};

class OptionGroupTest : public ::testing::Test {
protected:
    void open(OptionGroupRule rule)
    {
        form = std::make_unique<frmGroupParms>(std::move(rule));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void load()
    {
        form->setParmsColl(parms);
        form->loadData();
    }
    int persist() { return persistForm(form.get()); }
    QString value(const QString& name) const { return parmValue(parms, name); }
    void choose(int option) { clickIndicator(form->opt[option]); }

    IKalvexGenParmsPtr parms = classCreate_KalvexGenParms();
    std::unique_ptr<frmGroupParms> form;
};

// Interface names: tested by containment in an order of their own.
OptionGroupRule interfaceRule()
{
    return {.key = "if_name",
            .words = {"AIS", "GenCAD", "QUAD", "BetaSoft", "ATE"},
            .match = OptMatch::LowerContains,
            .containsOrder = {{"quad", 2}, {"betasoft", 3}, {"ate", 4}, {"ais", 0}, {"gencad", 1}},
            .unmatched = 0,
            .defaultWord = "AIS"};
}

// Database types: upper-cased, created only when changed, the stored letter
// case kept while the choice is unchanged.
OptionGroupRule dbTypeRule()
{
    return {.key = "db_type",
            .words = {"BNPCB", "PDB"},
            .match = OptMatch::UpperEqual,
            .unmatched = 0,
            .create = OptCreate::WhenChanged,
            .marker = "XXXX",
            .rewriteLetterCase = false};
}

} // namespace

TEST_F(OptionGroupTest, ContainsInTestOrderCreatedAtLoadAndOtherCaseRewritten)
{
    open(interfaceRule());
    load();
    EXPECT_EQ(form->opt.selectedIndex(), 0);
    ASSERT_NE(parms->item("if_name"), nullptr);
    EXPECT_EQ(value("if_name"), "AIS");
    EXPECT_EQ(parms->item("if_name")->parmType(), 1);
    EXPECT_EQ(persist(), 0);

    parms->item("if_name")->setValue(false, "my_gencad_v2");
    load();
    EXPECT_EQ(form->opt.selectedIndex(), 1);
    EXPECT_EQ(persist(), 1); // the raw value is the reference
    EXPECT_EQ(value("if_name"), "GenCAD");

    parms->item("if_name")->setValue(false, "QUAD-ATE export"); // "quad" is tried before "ate"
    load();
    EXPECT_EQ(form->opt.selectedIndex(), 2);
    parms->item("if_name")->setValue(false, "nothing known");
    load();
    EXPECT_EQ(form->opt.selectedIndex(), 0);
    EXPECT_EQ(form->group.valueRead(), "nothing known");
}

TEST_F(OptionGroupTest, RepeatedPersistAfterAChangeWritesAndCountsAgain)
{
    open(interfaceRule());
    parms->add("if_name", "AIS", 1);
    load();
    choose(3);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("if_name"), "BetaSoft");
    parms->item("if_name")->setValue(false, "changed behind the dialog");
    EXPECT_EQ(persist(), 1); // the reference stays the value loaded
    EXPECT_EQ(value("if_name"), "BetaSoft");
    EXPECT_EQ(form->group.reference(), "AIS");
    load(); // a new load takes the new reference
    EXPECT_EQ(persist(), 0);
}

TEST_F(OptionGroupTest, BackToTheLoadedWordAfterAWriteIsWrittenOnce)
{
    open(interfaceRule());
    parms->add("if_name", "AIS", 1);
    load();
    choose(3);
    EXPECT_EQ(persist(), 1);
    choose(0); // AIS again
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("if_name"), "AIS") << "the user's choice, not the word written before";
    EXPECT_EQ(persist(), 0);
}

TEST_F(OptionGroupTest, BooleanReadingKeepsTheCanonicalReference)
{
    open({.key = "part_labels",
          .words = {"0", "1"},
          .defaultWord = "0",
          .rewriteLetterCase = false,
          .mapValue = [](const QString& v) { return vbl_str_toBoolEx(v) ? 1 : 0; }});
    parms->add("part_labels", "True", 1);
    load();
    EXPECT_EQ(form->opt.selectedIndex(), 1);
    EXPECT_EQ(form->group.reference(), "1");
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(value("part_labels"), "True"); // not rewritten
    choose(0);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("part_labels"), "0");
}

TEST_F(OptionGroupTest, NotCreatedAtLoadAndWrittenOnlyWhenChanged)
{
    open({.key = "operation",
          .words = {"generate", "check_in_data"},
          .match = OptMatch::LowerContains,
          .unmatched = 1,
          .defaultWord = "generate",
          .create = OptCreate::WhenChanged});
    load();
    EXPECT_EQ(parms->item("operation"), nullptr);
    EXPECT_EQ(form->opt.selectedIndex(), 0);
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(parms->item("operation"), nullptr);
    choose(1);
    EXPECT_EQ(persist(), 1);
    ASSERT_NE(parms->item("operation"), nullptr);
    EXPECT_EQ(value("operation"), "check_in_data");
    EXPECT_EQ(parms->item("operation")->parmType(), 1);

    parms->item("operation")->setValue(false, "GENERATE");
    load();
    EXPECT_EQ(persist(), 1); // raw reference: another letter case is rewritten
    EXPECT_EQ(value("operation"), "generate");
}

TEST_F(OptionGroupTest, AddedAtPersistUncountedAndOtherCaseKept)
{
    open({.key = "units",
          .words = {"th", "mm"},
          .match = OptMatch::LowerContains,
          .containsOrder = {{"th", 0}},
          .unmatched = 1,
          .defaultWord = "th",
          .create = OptCreate::AtPersistUncounted,
          .rewriteLetterCase = false});
    load();
    EXPECT_EQ(parms->item("units"), nullptr);
    EXPECT_EQ(form->opt.selectedIndex(), 0);
    EXPECT_EQ(persist(), 0); // added, not counted
    EXPECT_EQ(value("units"), "th");
    EXPECT_EQ(parms->item("units")->parmType(), 1);

    parms->item("units")->setValue(false, "TH");
    load();
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(value("units"), "TH"); // same choice, kept as stored
    choose(1);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("units"), "mm");
    EXPECT_EQ(persist(), 1);

    // Missing and changed: added with the word shown, and that change counts.
    parms->remove("units");
    load();
    choose(1);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("units"), "mm");
}

TEST_F(OptionGroupTest, MarkerMakesAMissingOrUnknownValueWrittenInTheDialogsCase)
{
    open({.key = "operation",
          .words = {"SCHEMATIC", "PCB", "BNREP"},
          .match = OptMatch::UpperEqual,
          .unmatched = 0,
          .create = OptCreate::WhenChanged,
          .marker = "XXXX"});
    load();
    EXPECT_EQ(parms->item("operation"), nullptr);
    EXPECT_EQ(form->group.reference(), "XXXX");
    EXPECT_EQ(form->opt.selectedIndex(), 0);
    EXPECT_EQ(persist(), 1); // created at persist and counted
    EXPECT_EQ(value("operation"), "SCHEMATIC");
    EXPECT_EQ(parms->item("operation")->parmType(), 1);

    parms->item("operation")->setValue(false, "pcb");
    load();
    EXPECT_EQ(form->opt.selectedIndex(), 1);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("operation"), "PCB");

    parms->item("operation")->setValue(false, "unknown");
    load();
    EXPECT_EQ(form->opt.selectedIndex(), 0);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("operation"), "SCHEMATIC");
}

TEST_F(OptionGroupTest, UpperCasedReferenceKeepsAnUnchangedValue)
{
    open(dbTypeRule());
    parms->add("db_type", "pdb", 1);
    load();
    EXPECT_EQ(form->opt.selectedIndex(), 1);
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(value("db_type"), "pdb");
    parms->remove("db_type");
    load();
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("db_type"), "BNPCB");
}

TEST_F(OptionGroupTest, CountCreatedMarksOnlyAParameterThePersistAdded)
{
    OptionGroupRule rule = dbTypeRule();
    rule.countCreated = true;
    open(rule);
    load();
    EXPECT_EQ(persist(), 1);
    ASSERT_NE(parms->item("db_type"), nullptr);
    EXPECT_EQ(parms->item("db_type")->modified(), 1);
    EXPECT_EQ(persist(), 1) << "the reference stays XXXX until the next load";
    EXPECT_EQ(parms->item("db_type")->modified(), 1) << "an existing parameter set to its own value is no change";
    choose(1);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(parms->item("db_type")->modified(), 2);
}

TEST_F(OptionGroupTest, ReferenceInTheGroupNeverReadsAsABinding)
{
    // Kept inside the group (the default), a word holding "#" stays a word;
    // kept in a check box's Tag it would bind the box to a parameter.
    open({.key = "mail_mode", .words = {"ignore", "send"}, .defaultWord = "ignore"});
    parms->add("mail_mode", "send#copy", 1);
    vb::setTag(form->checkFlag, QString());
    load();
    EXPECT_EQ(form->group.reference(), "send#copy");
    EXPECT_EQ(vb::tag(form->checkFlag), "");
    EXPECT_EQ(form->opt.selectedIndex(), -1); // nothing matches and no fallback: nothing shown
    clickIndicator(form->checkFlag);
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(parms->item("send"), nullptr);
    EXPECT_EQ(value("mail_mode"), "send#copy");

    form->group.keepReferenceInTag(form->opt[0]);
    load();
    EXPECT_EQ(vb::tag(form->opt[0]), "send#copy");
    choose(1);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("mail_mode"), "send");
}

TEST_F(OptionGroupTest, NoSetOrNoChoiceWritesNothing)
{
    open({.key = "mode", .words = {"a", "b"}, .defaultWord = "a"});
    OptionGroup& g = form->group;
    EXPECT_EQ(g.load(nullptr), -1);
    EXPECT_EQ(g.persist(nullptr, 1), 0);
    EXPECT_EQ(g.persist(parms, 7), 0);
    EXPECT_EQ(g.persist(parms, -1), 0);
    EXPECT_EQ(parms->count(), 0);
    EXPECT_EQ(g.optionOf("B"), 1);
    EXPECT_EQ(g.optionOf("${b}"), -1);
}
