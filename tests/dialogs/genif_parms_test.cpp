// The general interfaces dialog: interface and part-listing groups, the
// bound title and clean-up switch, lock, focus, help and layout.
#include "dialogs/dedicated_dialog_fixture.h"

#include <cmath>

#include "dialogs/frmGENIFParms.h"
#include "dialogs/guiLib.h"
#include "platform/VbCheckBox.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"

namespace kalvex::test {

namespace {
class GenIfDialog : public DedicatedDialogTest<frmGENIFParms> {
protected:
    GenIfDialog()
        : DedicatedDialogTest(QStringLiteral("(INTERNAL)Kalvex General Interfaces"))
    {
    }
    int selectedIf() const { return form->OptNTLType.selectedIndex(); }
};
} // namespace

TEST_F(GenIfDialog, MissingGroupParametersAreCreatedAtLoadAsSystemParameters)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(value("if_name"), "AIS");
    EXPECT_EQ(value("part_labels"), "0");
    EXPECT_EQ(type("if_name"), PARM_TYPE_SYSTEM);
    EXPECT_EQ(type("part_labels"), PARM_TYPE_SYSTEM);
    EXPECT_EQ(selectedIf(), 0);
    EXPECT_EQ(form->OptNTLType[0]->text(), "Generic AIS");
    EXPECT_EQ(form->optDevName.selectedIndex(), 1);
    EXPECT_FALSE(form->optDevName[0]->isVisible()) << "Part name is never offered";
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(parms->item("title"), nullptr) << "bound controls create nothing unchanged";
    EXPECT_EQ(parms->item("clean_layout_dir"), nullptr);
}

TEST_F(GenIfDialog, InterfaceWordsAreFoundByContainmentInTheTestOrderAndWrittenCanonically)
{
    add("if_name", "GenCAD");
    ASSERT_TRUE(open());
    EXPECT_EQ(selectedIf(), 2);
    EXPECT_EQ(form->OptNTLType[2]->text(), "Mitron Gencad");
    EXPECT_EQ(persist(), 0);

    struct Row {
        const char* stored;
        int option;
        const char* written;
    };
    const Row rows[] = {
        {"gencad_v2.1", 2, "GenCAD"}, // another case with a suffix: rewritten and counted
        {"Generic ate (ais)", 3, "ATE"}, // ATE is tested before AIS
        {"betasoft QUAD", 4, "QUAD"},
        {"BETASOFT", 1, "BetaSoft"},
        {"old ais", 0, "AIS"},
        {"unknown", 0, "AIS"},
        {"", 0, "AIS"},
        {"#${X}", 0, "AIS"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.stored);
        setValue("if_name", r.stored);
        reload();
        EXPECT_EQ(selectedIf(), r.option);
        EXPECT_EQ(persist(), 1);
        EXPECT_EQ(value("if_name"), r.written);
    }
}

TEST_F(GenIfDialog, AGroupChangeIsWrittenAndCountedByEveryPersist)
{
    add("title", "Interfaces");
    ASSERT_TRUE(open());
    clickIndicator(form->OptNTLType[1]);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("if_name"), "BetaSoft");
    EXPECT_EQ(persist(), 1) << "the group keeps the value read at load as its reference";
    EXPECT_EQ(value("if_name"), "BetaSoft");

    clickIndicator(form->optDevName[2]);
    EXPECT_EQ(persist(), 2);
    EXPECT_EQ(value("part_labels"), "1");
    EXPECT_EQ(persist(), 2);
    EXPECT_EQ(value("part_labels"), "1");
    EXPECT_EQ(type("part_labels"), PARM_TYPE_SYSTEM);
}

TEST_F(GenIfDialog, PartLabelsReadAsABooleanAndAreLeftAsStoredWhenUnchanged)
{
    const std::pair<const char*, int> rows[] = {{"True", 2}, {"yes", 2}, {"1", 2}, {"no", 1},
                                                {"False", 1}, {"0", 1},  {"", 1}};
    add("part_labels", "True");
    ASSERT_TRUE(open());
    for (const auto& [stored, option] : rows) {
        SCOPED_TRACE(stored);
        setValue("part_labels", stored);
        reload();
        EXPECT_EQ(form->optDevName.selectedIndex(), option);
        EXPECT_FALSE(form->optDevName[0]->value()) << "Part name is never selected by loading";
        EXPECT_EQ(persist(), 0);
        EXPECT_EQ(value("part_labels"), stored);
    }
    clickIndicator(form->optDevName[2]);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("part_labels"), "1");
}

TEST_F(GenIfDialog, TitleAndCleanUpAreBoundControls)
{
    add("clean_layout_dir", "True");
    ASSERT_TRUE(open());
    EXPECT_EQ(form->checkCleanup->value(), 1);
    typeInto(form->textTitle, "  Interface run  ");
    clickIndicator(form->checkCleanup);
    EXPECT_EQ(persist(), 2);
    EXPECT_EQ(value("title"), "Interface run");
    EXPECT_EQ(type("title"), PARM_TYPE_SYSTEM);
    EXPECT_EQ(value("clean_layout_dir"), "0");
    EXPECT_EQ(persist(), 0);

    EXPECT_EQ(form->textTitle->toolTip(), "Feedback window title ( /title=<title_string> )");
    EXPECT_EQ(form->checkCleanup->toolTip(), "Cleanup layout directory ( /clean_layout_dir=True|False )");
    EXPECT_EQ(form->OptNTLType[0]->toolTip(), "Generic AIS ( /if_name=AIS )");
    EXPECT_EQ(form->OptNTLType[2]->toolTip(), "Mitron Gencad ( /if_name=GenCAD )");
    EXPECT_EQ(form->optDevName[2]->toolTip(), "List parts by label ( /part_labels=1 )");
    EXPECT_EQ(form->labelTitle->caption(), "Title to be displayed in feedback menu:");
    EXPECT_EQ(form->frameGENIF->caption(), "Interface name");
    EXPECT_EQ(form->frameDeviceName->caption(), "List parts by");
    EXPECT_EQ(form->checkCleanup->text(), "Clean up layout directories after generation");
}

TEST_F(GenIfDialog, ReadOnlyOwnersGetADisabledDialogThatWritesNothing)
{
    for (int code : {3, 4}) {
        SCOPED_TRACE(code);
        reserve(code);
        setValue("if_name", "gencad");
        ASSERT_TRUE(open());
        EXPECT_TRUE(form->locked());
        EXPECT_FALSE(form->textTitle->isEnabled());
        EXPECT_FALSE(form->checkCleanup->isEnabled());
        EXPECT_FALSE(form->OptNTLType[3]->isEnabled());
        EXPECT_FALSE(form->optDevName[2]->isEnabled());
        clickIndicator(form->OptNTLType[3]);
        EXPECT_EQ(persist(), 0);
        EXPECT_EQ(value("if_name"), "gencad");
        EXPECT_EQ(value("part_labels"), "0") << "group parameters are created at load even when read-only";
    }
    reserve(2);
    reload();
    EXPECT_FALSE(form->locked());
    EXPECT_TRUE(form->textTitle->isEnabled());
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("if_name"), "GenCAD");
}

TEST_F(GenIfDialog, FocusHelpTopicAndLayout)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(parms->editor()->setInternalValue("GET_HELPTOPIC", {}).toInt(), 19);
    EXPECT_EQ(vb::helpContextID(form), 19);
    EXPECT_EQ(vb::helpContextID(form->OptNTLType[4]), 19);
    EXPECT_EQ(vb::helpContextID(form->labelTitle), 0);
    form->checkCleanup->setFocus();
    form->forceFocus();
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->textTitle->hasFocus(); }, 2000));

    for (double width : {9000.0, 6500.0}) {
        vb::setWidth(form, width);
        ASSERT_TRUE(QTest::qWaitFor([this] { return vb::width(form->parmsPanel) == vb::scaleWidth(form); }, 2000));
        const double right = std::nearbyint(vb::width(form->parmsPanel) - guiLib().gap);
        EXPECT_DOUBLE_EQ(vb::left(form->textTitle) + vb::width(form->textTitle), right);
        EXPECT_DOUBLE_EQ(vb::width(form->frameGENIF), vb::width(form->textTitle));
        EXPECT_DOUBLE_EQ(vb::width(form->frameDeviceName), vb::width(form->textTitle));
    }
}

TEST_F(GenIfDialog, ASetReleasedWhileShownIsNeitherLoadedNorWritten)
{
    ASSERT_TRUE(open());
    clickIndicator(form->OptNTLType[4]);
    gen.reset();
    parms.reset();
    EXPECT_EQ(form->parmsColl(), nullptr);
    reload();
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(form->OptNTLType.selectedIndex(), 4) << "the dialog keeps what it showed";
}

TEST_F(GenIfDialog, ASetHandedOverButNeverLoadedGetsNoGroupWords)
{
    // The editor hands the set to the shared dialog when the command is set.
    auto* dialog = vbl_formInstance<frmGENIFParms>();
    ASSERT_EQ(dialog->parmsColl(), parms);
    bool flag = false;
    dialog->persistData(flag); // check boxes still write their unloaded state
    EXPECT_EQ(parms->item("if_name"), nullptr);
    EXPECT_EQ(parms->item("part_labels"), nullptr);
}

} // namespace kalvex::test
