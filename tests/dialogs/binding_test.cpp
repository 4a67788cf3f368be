// Binding of controls to parameters through their Tags, driven the way a
// user edits a dialog: typing, clicking.
#include <gtest/gtest.h>

#include <QTest>

#include "dialogs/morvObj_parmBinding.h"
#include "dialogs/parm_set_probe.h"
#include "generators/KalvexGenParms.h"
#include "generators/KalvexGenerator.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"
#include "support/sample_parm_form.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {
class Binding : public ::testing::Test {
protected:
    void SetUp() override
    {
        gen = classCreate_KalvexGenerator();
        parms = gen->parameters();
        form = std::make_unique<frmSampleParms>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void bind()
    {
        form->setParmsColl(parms);
        form->loadData();
    }
    int persist() { return persistForm(form.get()); }
    QString value(const QString& name) { return parmValue(parms, name); }

    std::shared_ptr<IKalvexGenerator> gen;
    IKalvexGenParmsPtr parms;
    std::unique_ptr<frmSampleParms> form;
};
} // namespace

TEST(TagSyntax, JoinAndSplitAsTheDialogsUseThem)
{
    QString key = "x", value = "y";
    EXPECT_EQ(morvObjs_parmTagJoin("title", "#NODEF"), "title##NODEF");
    morvObjs_parmTagSplit("title##NODEF", key, value);
    EXPECT_EQ(key, "title");
    EXPECT_EQ(value, "");
    morvObjs_parmTagSplit("  k  #  v w  #rest#more", key, value);
    EXPECT_EQ(key, "k");
    EXPECT_EQ(value, "v w");
    morvObjs_parmTagSplit("no delimiter", key, value);
    EXPECT_EQ(key, "");
    EXPECT_EQ(value, "");
    morvObjs_parmTagSplit("", key, value);
    EXPECT_EQ(key, "");
    morvObjs_parmTagSplit("#value", key, value);
    EXPECT_EQ(key, "");
    EXPECT_EQ(value, "value");
}

TEST_F(Binding, LoadAssignsInitialTagsAndToolTips)
{
    EXPECT_EQ(vb::tag(form->textConfigFile), "config_file##NODEF");
    EXPECT_EQ(form->textConfigFile->toolTip(), "Configuration file ( /config_file=<config_file> )");
    EXPECT_EQ(form->checkVerbose->toolTip(), "Verbose output ( /verbose=True|False )");
    EXPECT_TRUE(form->form_loaded);
    EXPECT_EQ(vb::helpContextID(form->textTitle), 22);
    EXPECT_EQ(vb::helpContextID(form->SSTabMain), 22);
    EXPECT_EQ(vb::helpContextID(form->browseConfigFile), 0);
    EXPECT_DOUBLE_EQ(vb::width(form->browseConfigFile), 315); // browse buttons are square
}

TEST_F(Binding, MissingParameterLoadsEmptyAndIsCreatedOnlyWhenTyped)
{
    bind();
    EXPECT_EQ(form->textTitle->text(), "");
    EXPECT_EQ(vb::tag(form->textTitle), "title#");
    // The option group creates its parameter with the default at load.
    EXPECT_EQ(value("mode"), "Plain");
    EXPECT_EQ(parms->item("mode")->parmType(), 1);
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(parms->item("title"), nullptr);
    EXPECT_EQ(parms->item("verbose"), nullptr);

    typeInto(form->textTitle, "Board A");
    EXPECT_EQ(persist(), 1);
    auto title = parms->item("title");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->value(false), "Board A");
    EXPECT_EQ(title->parmType(), 1);
    EXPECT_GE(title->modified(), 1);
    EXPECT_EQ(persist(), 0); // two in a row: the second writes nothing
}

TEST_F(Binding, EmptiedBoxWritesTheEmptyText)
{
    parms->add("config_file", "c:\\cfg\\a.cfg", 0);
    bind();
    EXPECT_EQ(form->textConfigFile->text(), "c:\\cfg\\a.cfg");
    clearByKeyboard(form->textConfigFile);
    EXPECT_EQ(persist(), 1);
    ASSERT_NE(parms->item("config_file"), nullptr);
    EXPECT_EQ(value("config_file"), "");
    EXPECT_EQ(parms->item("config_file")->parmType(), 0);
}

TEST_F(Binding, CheckBoxesReadBooleansAndWriteZeroOneTwo)
{
    parms->add("verbose", "True", 1);
    parms->add("keep_temp", "2", 1);
    bind();
    EXPECT_EQ(form->checkVerbose->value(), 1);
    EXPECT_EQ(vb::tag(form->checkVerbose), "verbose#1");
    EXPECT_EQ(form->checkKeepTemp->value(), 1); // greyed written earlier loads checked
    EXPECT_EQ(vb::tag(form->checkKeepTemp), "keep_temp#1");
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(value("verbose"), "True"); // unchanged keeps the stored word
    EXPECT_EQ(value("keep_temp"), "2");

    clickIndicator(form->checkVerbose);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("verbose"), "0");
    form->checkKeepTemp->setValue(2);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("keep_temp"), "2");
    clickIndicator(form->checkKeepTemp); // greyed -> cleared
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("keep_temp"), "0");
}

TEST_F(Binding, ValueHoldingTheDelimiterIsRewrittenEveryTime)
{
    parms->add("title", "a#b", 1);
    bind();
    EXPECT_EQ(form->textTitle->text(), "a#b");
    EXPECT_EQ(vb::tag(form->textTitle), "title#a#b");
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("title"), "a#b");
}

TEST_F(Binding, UntrimmedValuesLoadAsStoredAndAreComparedTrimmed)
{
    parms->add("title", "  spaced  ", 1);
    bind();
    EXPECT_EQ(form->textTitle->text(), "  spaced  ");
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(value("title"), "  spaced  ");
    typeInto(form->textTitle, "  spaced out ", true);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("title"), "spaced out");
}

TEST_F(Binding, ReservationCodesThreeAndFourMakeTheDialogReadOnly)
{
    parms->add("title", "T", 1);
    for (int code = 0; code <= 4; ++code) {
        gen->setReservedItem(code);
        bind();
        const bool ro = code >= 3;
        EXPECT_EQ(form->locked(), ro) << code;
        EXPECT_EQ(vb::enabled(form->textTitle), !ro) << code;
        EXPECT_EQ(vb::backColor(form->textTitle), ro ? 0x8000000Fu : 0x80000005u) << code;
        EXPECT_TRUE(vb::enabled(form->comboUnits)) << code; // exempt by name
        EXPECT_TRUE(vb::enabled(form->SSTabMain)) << code;  // tab controls are never locked
        EXPECT_EQ(vb::enabled(form->parmsGrid), !ro) << code;
        form->textTitle->setText(QStringLiteral("changed %1").arg(code));
        form->optMode[2]->setValue(true);
        const int written = persist();
        if (ro) {
            EXPECT_EQ(written, 0) << code;
            EXPECT_EQ(value("title"), "T") << code;
        } else {
            EXPECT_EQ(written, 2) << code; // title and the option group
            EXPECT_EQ(value("title"), QStringLiteral("changed %1").arg(code));
            parms->item("title")->setValue(false, "T");
        }
        parms->item("mode")->setValue(false, "Plain");
    }
}

TEST_F(Binding, OtherKindsAndKeylessTagsAreLeftAlone)
{
    parms->add("units", "inch", 1);
    parms->add("mode_frame", "keep me", 1);
    bind();
    EXPECT_EQ(form->comboUnits->ListIndex(), -1);
    EXPECT_EQ(vb::tag(form->comboUnits), "units#mm");
    // The frame takes the value into its Tag only, and never writes it back.
    EXPECT_EQ(vb::tag(form->frameMode), "mode_frame#keep me");
    form->comboUnits->setListIndex(0);
    vb::setTag(form->optMode[1], "title#from an option button");
    vb::setTag(form->textConfigFile, "no key here");
    form->textConfigFile->setText("typed");
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(value("units"), "inch");
    EXPECT_EQ(value("mode_frame"), "keep me");
    EXPECT_EQ(parms->item("config_file"), nullptr);
    EXPECT_EQ(parms->item("no key here"), nullptr);
    EXPECT_EQ(parms->item("title"), nullptr);

    EXPECT_EQ(morvObjs_parmCtrlSetFromParm(nullptr, parms, ""), -1);
    EXPECT_EQ(morvObjs_parmCtrlSetFromParm(form->textTitle, nullptr, ""), -1);
    EXPECT_EQ(morvObjs_parmCtrlGetToParm(form->textTitle, nullptr), -1);
    EXPECT_EQ(morvObjs_parmCtrlSetFromParm(form->comboUnits, parms, ""), 0);
    EXPECT_EQ(morvObjs_parmCtrlGetToParm(form->optMode[1], parms), 0);
}

TEST_F(Binding, ReleasedParameterSetIsNoSet)
{
    parms->add("title", "T", 1);
    bind();
    typeInto(form->textTitle, "new");
    auto keep = parms;
    parms.reset();
    gen.reset();
    keep.reset(); // the set is gone behind the dialog's back
    EXPECT_EQ(form->parmsColl(), nullptr);
    EXPECT_EQ(persist(), 0);
    form->loadData();
    EXPECT_EQ(form->textTitle->text(), "new");
}

TEST_F(Binding, OptionGroupWritesItsWordWhileItDiffersFromTheValueLoaded)
{
    parms->add("mode", "COMPRESSED", 1);
    bind();
    EXPECT_EQ(form->optMode.selectedIndex(), 1);
    EXPECT_EQ(value("mode"), "COMPRESSED");
    EXPECT_EQ(vb::tag(form->optMode[0]), "COMPRESSED"); // the value read, kept on the leading button
    // Written in the dialog's own letter case; the reference stays the value
    // loaded, so every persist until the next load writes and counts it.
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("mode"), "Compressed");
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(vb::tag(form->optMode[0]), "COMPRESSED");
    clickIndicator(form->optMode[2]);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("mode"), "Archive");
    bind();
    EXPECT_EQ(persist(), 0);
}

TEST(ParmLookup, FindsCreatesOrLeavesTheCallersValues)
{
    auto parms = classCreate_KalvexGenParms();
    parms->add("a", "1", 0);
    QString v = "dflt";
    int t = 1;
    auto found = morvObjs_parms_getParm(parms, "a", v, t, false);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(v, "1");
    EXPECT_EQ(t, 0);
    v = "dflt";
    t = 1;
    EXPECT_EQ(morvObjs_parms_getParm(parms, "A", v, t, false), nullptr); // exact name
    EXPECT_EQ(v, "dflt");
    auto made = morvObjs_parms_getParm(parms, "b", v, t, true);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->value(false), "dflt");
    EXPECT_EQ(made->parmType(), 1);
    EXPECT_EQ(morvObjs_parms_getParm(nullptr, "a", v, t, true), nullptr);
}

TEST_F(Binding, AFormMadeTooSmallForItsLayoutGetsItsLastSizeBack)
{
    form->resize(600, 450);
    QTest::qWait(1);
    const QSize good = form->size();
    EXPECT_DOUBLE_EQ(form->last_width, vb::width(form.get()));
    EXPECT_DOUBLE_EQ(vb::width(form->parmsPanel), vb::scaleWidth(form.get())); // the panel fills the form
    form->resize(200, 120); // the grid would need a negative height
    QTest::qWait(1);
    EXPECT_EQ(form->size(), good);
    EXPECT_FALSE(form->form_set_size);
    EXPECT_EQ(form->parmsPanel->size(), good) << "the panel follows the size that came back";
}
