// The NC drill dialog driven as a user: its option groups read without
// creating anything, the mode switch, the three defaults added at persist,
// the lock, focus, browse and its own resize.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "admin/KalvexDistributor.h"
#include "dialogs/drill_drc_fixture.h"
#include "support/browser_answer.h"
#include "dialogs/frmDrillParms.h"
#include "dialogs/guiLib.h"
#include "generators/KalvexGenParms.h"

namespace kalvex::test {

namespace {
// Which button of each group is selected, and which frame is shown.
struct Shown {
    int operation, checkIn, drillData, sum, sweep;
    bool generateFrame, checkInFrame;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* os)
{
    *os << "{op " << s.operation << ", checkIn " << s.checkIn << ", units " << s.drillData << ", sum " << s.sum
        << ", sweep " << s.sweep << ", generate frame " << s.generateFrame << ", check-in frame " << s.checkInFrame
        << "}";
}

class DrillParms : public DrillDrcDialogTest<frmDrillParms> {
protected:
    QString command() const override { return QStringLiteral("(INTERNAL)Kalvex NC Drill Generator"); }

    Shown shown() const
    {
        return {form->OptOperations.selectedIndex(), form->optCheckIn.selectedIndex(),
                form->OptDrillData.selectedIndex(),  form->OptSum.selectedIndex(),
                form->OptSweep.selectedIndex(),      vb::visible(form->frameGenerate),
                vb::visible(form->FrameFileCheckin)};
    }
};
} // namespace

TEST_F(DrillParms, EveryControlWithItsTextBindingAndHelp)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(form->formName(), "frmDrillParms");
    EXPECT_EQ(editor()->setInternalValue("GET_HELPTOPIC", {}).toInt(), 2);
    EXPECT_EQ(vb::helpContextID(form->OptSweep[1]), 2);
    const std::pair<const char*, const char*> captions[] = {
        {"FrameOperations", "Operations"},     {"frameGenerate", "Drill generation options"},
        {"FrameFileCheckin", "File check in options"}, {"Frame4", "Drill data Units"},
        {"Frame3", "Summary Units"},           {"FrameSweep", "Sweep axis"}};
    for (const auto& [name, caption] : captions) {
        auto* frame = qobject_cast<VbFrame*>(form->controlByName(name));
        ASSERT_NE(frame, nullptr) << name;
        EXPECT_EQ(frame->caption(), caption);
    }
    const std::pair<const char*, QStringList> groups[] = {
        {"OptOperations", {"Generate", "Check In"}},
        {"optCheckIn", {"Data file", "Summary file", "Map file"}},
        {"OptDrillData", {"English", "Metric"}},
        {"OptSum", {"English", "Metric"}},
        {"OptSweep", {"Horizontal", "Vertical"}}};
    for (const auto& [name, texts] : groups)
        for (int i = 0; i < texts.size(); ++i) {
            auto* button = qobject_cast<VbOptionButton*>(form->controlByName(name, i));
            ASSERT_NE(button, nullptr) << name << i;
            EXPECT_EQ(button->text(), texts[i]);
        }
    EXPECT_EQ(form->Label2->caption(), "Bandwidth:");
    EXPECT_EQ(form->LabelBandwidth->caption(), "(th)");
    EXPECT_EQ(form->Label3->caption(), "NC Drill machine format file:");
    EXPECT_EQ(form->checkKeepFlag->text(), "Keep file in layout area");
    EXPECT_EQ(form->CheckAppendSum->text(), "Append summary file to log file");
    EXPECT_EQ(vb::toolTipText(form->txtBandwidth), "Bandwidth ( /band_width=<number> )");
    EXPECT_EQ(vb::toolTipText(form->txtFormatFile), "Drill format file ( /format_file=<file_path> )");
    EXPECT_EQ(vb::toolTipText(form->checkKeepFlag), "Keep data in layout ( /copy_flag=True|False )");
    EXPECT_EQ(vb::toolTipText(form->CheckAppendSum),
              "Append summary file to log file ( /sum_to_log=True|False )");
    EXPECT_EQ(vb::width(form->browseFMTFile), 315);
    EXPECT_EQ(vb::height(form->browseFMTFile), 315);
    EXPECT_EQ(vb::top(form->FrameFileCheckin), vb::top(form->frameGenerate)) << "the frames share one place";
}

TEST_F(DrillParms, MissingGroupsOpenInGenerateAndGetTheirDefaultsUncountedAtPersist)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(shown(), (Shown{0, 0, 0, 0, 0, true, false}));
    EXPECT_EQ(parms->count(), 0) << "nothing is created at load";
    EXPECT_EQ(form->currentOperation(), "generate");

    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(names(), QStringList({"sum_units", "units", "sweep_axis"}));
    EXPECT_EQ(value("units"), "th");
    EXPECT_EQ(value("sum_units"), "English");
    EXPECT_EQ(value("sweep_axis"), "Horizontal");
    for (const char* n : {"units", "sum_units", "sweep_axis"}) {
        EXPECT_EQ(parms->item(n)->parmType(), PARM_TYPE_SYSTEM) << n;
        EXPECT_EQ(parms->item(n)->modified(), 1) << n;
    }
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(parms->count(), 3);

    // Missing and changed: added with the choice shown, and the change counts.
    while (parms->count() > 0)
        parms->remove(1);
    form->loadData();
    click(form->OptSweep[1]);
    click(form->OptOperations[1]);
    EXPECT_EQ(persist(), 2);
    EXPECT_EQ(value("sweep_axis"), "Vertical");
    EXPECT_EQ(value("operation"), "check_in_data");
    EXPECT_EQ(parms->item("operation")->modified(), 1);
    EXPECT_EQ(parms->item("operation")->parmType(), PARM_TYPE_SYSTEM);
}

TEST_F(DrillParms, UnitAndAxisValuesAreMatchedByContainmentInAnyLetterCase)
{
    add("units", "TH");
    add("sum_units", "");
    add("sweep_axis", "VERTICAL axis");
    ASSERT_TRUE(open());
    EXPECT_EQ(shown(), (Shown{0, 0, 0, 1, 1, true, false})) << "an empty summary unit reads as Metric";
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(value("units"), "TH") << "an unchanged value keeps its letter case";
    EXPECT_EQ(value("sum_units"), "");
    EXPECT_EQ(value("sweep_axis"), "VERTICAL axis");

    click(form->OptDrillData[1]);
    click(form->OptSum[0]);
    click(form->OptSweep[0]);
    EXPECT_EQ(persist(), 3);
    EXPECT_EQ(value("units"), "mm");
    EXPECT_EQ(value("sum_units"), "English");
    EXPECT_EQ(value("sweep_axis"), "Horizontal");
    EXPECT_EQ(persist(), 3) << "the value read stays the reference";

    parms->item("units")->setValue(false, "English");
    parms->item("sum_units")->setValue(false, "english (inch)");
    form->loadData();
    EXPECT_EQ(form->OptDrillData.selectedIndex(), 1) << "\"English\" holds no \"th\"";
    EXPECT_EQ(form->OptSum.selectedIndex(), 0);
}

TEST_F(DrillParms, OperationValuesChooseModeAndKind)
{
    struct Case {
        const char* stored;
        Shown shown;
        const char* current;
        int count;          // persist without an edit
        const char* after;  // the stored value then
    } cases[] = {
        {"Generate", {0, 0, 0, 0, 0, true, false}, "generate", 1, "generate"},
        {"generate", {0, 0, 0, 0, 0, true, false}, "generate", 0, "generate"},
        {"check_in_map", {1, 2, 0, 0, 0, false, true}, "check_in_map", 0, "check_in_map"},
        {"CHECK_IN_SUM", {1, 1, 0, 0, 0, false, true}, "check_in_sum", 1, "check_in_sum"},
        {"check_in_data", {1, 0, 0, 0, 0, false, true}, "check_in_data", 0, "check_in_data"},
        // Kept as stored files have it: an unknown word is a data-file check-in.
        {"plot", {1, 0, 0, 0, 0, false, true}, "check_in_data", 1, "check_in_data"},
        {"", {1, 0, 0, 0, 0, false, true}, "check_in_data", 1, "check_in_data"},
        {"#", {1, 0, 0, 0, 0, false, true}, "check_in_data", 1, "check_in_data"},
        {"${generate}", {0, 0, 0, 0, 0, true, false}, "generate", 1, "generate"},
    };
    ASSERT_TRUE(open());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        while (parms->count() > 0)
            parms->remove(1);
        add("operation", c.stored);
        form->loadData();
        EXPECT_EQ(shown(), c.shown);
        EXPECT_EQ(form->currentOperation(), c.current);
        EXPECT_EQ(persist(), c.count);
        EXPECT_EQ(value("operation"), c.after);
    }
}

TEST_F(DrillParms, SwitchingModesSwapsTheFramesAndKeepsTheKind)
{
    add("operation", "generate");
    ASSERT_TRUE(open());
    typeInto(form->txtBandwidth, "12");
    click(form->OptOperations[1]);
    EXPECT_EQ(shown(), (Shown{1, 0, 0, 0, 0, false, true}));
    EXPECT_EQ(form->currentOperation(), "check_in_data");
    click(form->optCheckIn[2]);
    EXPECT_EQ(form->currentOperation(), "check_in_map");
    click(form->checkKeepFlag);
    click(form->OptOperations[0]);
    EXPECT_EQ(shown(), (Shown{0, 2, 0, 0, 0, true, false}));
    EXPECT_EQ(form->currentOperation(), "generate");
    click(form->OptOperations[1]);
    EXPECT_EQ(form->optCheckIn.selectedIndex(), 2) << "the kind stays selected";
    EXPECT_EQ(form->currentOperation(), "check_in_map");

    // Both frames' controls are written whatever the mode.
    EXPECT_EQ(persist(), 3);
    EXPECT_EQ(value("operation"), "check_in_map");
    EXPECT_EQ(value("band_width"), "12");
    EXPECT_EQ(value("copy_flag"), "1");
    EXPECT_EQ(parms->item("operation")->modified() > 0, true);
}

TEST_F(DrillParms, ReadOnlyOwnerDisablesEveryControlAndWritesNothing)
{
    add("operation", "Generate");
    gen->setReservedItem(SYSTEM);
    ASSERT_TRUE(open());
    EXPECT_TRUE(form->locked());
    for (QObject* c : {static_cast<QObject*>(form->OptOperations[0]), static_cast<QObject*>(form->OptOperations[1]),
                       static_cast<QObject*>(form->optCheckIn[0]), static_cast<QObject*>(form->OptSum[1]),
                       static_cast<QObject*>(form->txtBandwidth), static_cast<QObject*>(form->txtFormatFile),
                       static_cast<QObject*>(form->browseFMTFile), static_cast<QObject*>(form->checkKeepFlag)})
        EXPECT_FALSE(vb::enabled(c)) << c->objectName().toStdString();
    click(form->OptOperations[1]);
    EXPECT_TRUE(vb::visible(form->frameGenerate)) << "a locked dialog cannot switch its frame";
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(names(), QStringList({"operation"})) << "not even the defaults are added";
    EXPECT_EQ(value("operation"), "Generate");

    gen->setReservedItem(NO_DELETE);
    form->loadData();
    EXPECT_FALSE(form->locked());
    EXPECT_TRUE(vb::enabled(form->OptOperations[1]));
}

TEST_F(DrillParms, OwnerThatIsNoGeneratorLocksByItsOwnReservation)
{
    ASSERT_TRUE(open());
    auto dist = classCreate_KalvexDistributor();
    dist->parameters()->add("operation", "check_in_sum", PARM_TYPE_SYSTEM);
    dist->setReservedItem(SYSTEM);
    form->setParmsColl(dist->parameters());
    form->loadData();
    EXPECT_TRUE(form->locked());
    EXPECT_EQ(form->optCheckIn.selectedIndex(), 1);
    dist->setReservedItem(NOT_RESERVED);
    form->loadData();
    EXPECT_FALSE(form->locked());

    auto orphan = classCreate_KalvexGenParms(); // no owner: editable
    form->setParmsColl(orphan);
    form->loadData();
    EXPECT_FALSE(form->locked());
    EXPECT_EQ(form->OptOperations.selectedIndex(), 0);
}

TEST_F(DrillParms, FocusGoesToGenerate)
{
    add("operation", "check_in_map");
    ASSERT_TRUE(open());
    form->forceFocus();
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->OptOperations[0]->hasFocus(); }, 1000));
    EXPECT_EQ(form->activeControl(), form->OptOperations[0]);
}

TEST_F(DrillParms, ASecondSetLoadsWithNothingOfTheFirst)
{
    add("operation", "check_in_sum");
    add("units", "mm");
    add("sum_units", "Metric");
    add("sweep_axis", "Vertical");
    add("band_width", "12");
    add("format_file", "first.mmm");
    add("copy_flag", "1");
    add("sum_to_log", "1");
    ASSERT_TRUE(open());
    EXPECT_EQ(shown(), (Shown{1, 1, 1, 1, 1, false, true}));

    auto second = classCreate_KalvexGenerator();
    second->setCmdGen(command());
    auto secondParms = second->parameters();
    ASSERT_EQ(second->parameters()->editor()->formObj(), form) << "one shared dialog";
    second->parameters()->editor()->initialize(false);
    EXPECT_EQ(form->parmsColl(), secondParms);
    EXPECT_EQ(shown(), (Shown{0, 0, 0, 0, 0, true, false}));
    EXPECT_EQ(form->txtBandwidth->text(), "");
    EXPECT_EQ(form->txtFormatFile->text(), "");
    EXPECT_EQ(form->checkKeepFlag->value(), 0);
    EXPECT_EQ(form->currentOperation(), "generate");
    EXPECT_EQ(second->parameters()->editor()->persistData(false), 0);
    ASSERT_EQ(secondParms->count(), 3);
    EXPECT_EQ(secondParms->item("units")->value(false), "th");
    EXPECT_EQ(secondParms->item("sum_units")->value(false), "English");
    EXPECT_EQ(secondParms->item("sweep_axis")->value(false), "Horizontal");
    EXPECT_EQ(parms->count(), 8) << "the first set is untouched";
    EXPECT_EQ(value("units"), "mm");
}

TEST_F(DrillParms, ReleasedSetIsNeitherLoadedNorWritten)
{
    ASSERT_TRUE(open());
    typeInto(form->txtBandwidth, "5");
    auto keep = form;
    parms.reset();
    gen.reset(); // the set goes with its generator
    EXPECT_EQ(keep->parmsColl(), nullptr);
    keep->loadData();
    EXPECT_EQ(keep->txtBandwidth->text(), "5");
    bool flag = false;
    EXPECT_EQ(keep->persistData(flag), 0);
}

TEST_F(DrillParms, FormatFileBrowseFillsTheBoxFilesOnly)
{
    ModalWatchdog dog(20000);
    QTemporaryDir dir;
    const QString chosen = QDir(dir.path()).absoluteFilePath("machine.mmm");
    QFile(chosen).open(QIODevice::WriteOnly);
    add("format_file", "  old.mmm ");
    ASSERT_TRUE(open());

    BrowserSeen seen;
    answerBrowser(seen, chosen);
    press(form->browseFMTFile);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.spec, "old.mmm");
    EXPECT_EQ(seen.title, "Select the NC drill format file");
    EXPECT_FALSE(seen.checkout) << "a format file is never a check-out";
    EXPECT_EQ(form->txtFormatFile->text(), chosen);

    BrowserSeen cancelled;
    answerBrowser(cancelled, QString());
    press(form->browseFMTFile);
    EXPECT_TRUE(cancelled.shown);
    EXPECT_EQ(form->txtFormatFile->text(), chosen);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("format_file"), chosen);
}

TEST_F(DrillParms, ResizeLinesTheBrowseButtonUpWithTheSweepFrame)
{
    ASSERT_TRUE(open());
    const double frameLeft = vb::left(form->frameGenerate), frameTop = vb::top(form->frameGenerate);
    for (const auto& [w, h] : {std::pair{9000.0, 6000.0}, std::pair{5000.0, 3000.0}}) {
        vb::setWidth(form, w);
        vb::setHeight(form, h);
        QTest::qWait(20);
        EXPECT_EQ(vb::width(form->parmsPanel), vb::scaleWidth(form));
        EXPECT_EQ(vb::height(form->parmsPanel), vb::scaleHeight(form));
        EXPECT_EQ(vb::left(form->frameGenerate), frameLeft) << "frames keep their places";
        EXPECT_EQ(vb::top(form->frameGenerate), frameTop);
        EXPECT_EQ(vb::left(form->browseFMTFile) + vb::width(form->browseFMTFile),
                  vb::left(form->FrameSweep) + vb::width(form->FrameSweep));
        EXPECT_EQ(vb::left(form->txtFormatFile) + vb::width(form->txtFormatFile),
                  vb::left(form->browseFMTFile) - guiLib().quarterGap);
        EXPECT_EQ(form->last_width, vb::width(form));
    }
}

} // namespace kalvex::test
