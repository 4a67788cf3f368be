// The dialogs used by keyboard alone: Tab and Shift+Tab reach every control,
// leave the grids at their ends, and land on the selected option of a group.
#include <algorithm>
#include <iterator>
#include <set>

#include "admin/KalvexDistributor.h"
#include "dialogs/gerber_fixture.h"
#include "dialogs/keyboard_walk.h"
#include "dialogs/parm_edit_fixture.h"
#include "platform/VbForm.h"

namespace kalvex::test {

namespace {

// The registered control holding the focus.
QString focusedControl(VbForm* form)
{
    QObject* c = form->activeControl();
    return c ? c->objectName() : focusName();
}

// Controls a person can Tab to: shown, enabled and taking the focus by Tab.
std::set<QString> tabStops(VbForm* form)
{
    std::set<QString> stops;
    for (QObject* c : form->controls()) {
        auto* w = qobject_cast<QWidget*>(c);
        QWidget* target = w && w->focusProxy() ? w->focusProxy() : w;
        if (target && target->isVisible() && target->isEnabled() && (target->focusPolicy() & Qt::TabFocus))
            stops.insert(w->objectName());
    }
    return stops;
}

// Tab (or Shift+Tab) from `start` until the focus comes back to it; the
// controls met on the way, a grid's cells counted as their grid.
std::set<QString> walkRound(VbForm* form, QWidget* start, bool back)
{
    start->setFocus(Qt::OtherFocusReason);
    std::set<QString> met{focusedControl(form)};
    for (int press = 0; press < 200; ++press) {
        tabWalk(1, back);
        if (QApplication::focusWidget() == start)
            break;
        met.insert(focusedControl(form));
    }
    return met;
}

struct DialogCommand {
    const char* command;
    bool distributor;
};

const DialogCommand kDialogs[] = {
    {"(INTERNAL)Kalvex Gerber Generator", false},     {"(INTERNAL)Kalvex Report Writer Generator", false},
    {"(INTERNAL)Kalvex NC Drill Generator", false},   {"(INTERNAL)Kalvex Distributor", true},
    {"(INTERNAL)Kalvex Report Writer netlister", false}, {"(INTERNAL)Kalvex file manipulator", false},
    {"(INTERNAL)Kalvex General Interfaces", false},   {"(INTERNAL)Kalvex DXF Output generator", false},
    {"(INTERNAL)Kalvex planes generator", false},     {"(INTERNAL)Kalvex DRC generator", false},
    {"(INTERNAL)Kalvex PCB Design Manipulations", false}, {"(INTERNAL)Kalvex ODBG Generator", false},
    {"(INTERNAL)Kalvex batchfile Generator", false},  {"C:\\tools\\outgen.exe", false},
};

} // namespace

TEST(KeyboardWalk, EveryDialogReachesEveryControlWithTabAndShiftTab)
{
    dialogs_install();
    for (const DialogCommand& d : kDialogs) {
        SCOPED_TRACE(d.command);
        IKalvexGenParmsPtr parms;
        std::shared_ptr<IKalvexDistributor> distributor;
        IKalvexGeneratorPtr generator;
        if (d.distributor) {
            distributor = classCreate_KalvexDistributor();
            distributor->setDistribExe(QString::fromLatin1(d.command));
            parms = distributor->parameters();
        } else {
            generator = classCreate_KalvexGenerator();
            generator->setCmdGen(QString::fromLatin1(d.command));
            parms = generator->parameters();
        }
        parms->add(QStringLiteral("user_parm"), QStringLiteral("1"), PARM_TYPE_USER);
        const auto editor = parms->editor();
        if (IKalvexParmForm* f = editor->formObj())
            f->setParmsColl(parms);
        editor->initialize(true);
        auto* form = qobject_cast<VbForm*>(editor->formObj()->formObject());
        ASSERT_TRUE(form);
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));

        const std::set<QString> stops = tabStops(form);
        ASSERT_FALSE(stops.empty());
        QWidget* start = nullptr;
        for (const QString& name : stops)
            if (auto* w = form->findChild<QWidget*>(name); w && !start && !w->focusProxy())
                start = w;
        ASSERT_TRUE(start);
        for (bool back : {false, true}) {
            const std::set<QString> met = walkRound(form, start, back);
            // Buttons that follow the grid's cell may change on the way:
            // what was a stop before and after must be met, nothing else.
            const std::set<QString> after = tabStops(form);
            std::set<QString> always, ever;
            std::set_intersection(stops.begin(), stops.end(), after.begin(), after.end(),
                                  std::inserter(always, always.end()));
            std::set_union(stops.begin(), stops.end(), after.begin(), after.end(), std::inserter(ever, ever.end()));
            EXPECT_TRUE(std::includes(met.begin(), met.end(), always.begin(), always.end()))
                << form->objectName().toStdString() << (back ? " Shift+Tab" : " Tab");
            EXPECT_TRUE(std::includes(ever.begin(), ever.end(), met.begin(), met.end()))
                << form->objectName().toStdString() << (back ? " Shift+Tab" : " Tab");
        }
        form->unloadForm(1);
        delete form;
    }
}

TEST_F(GerberTest, TabLandsOnTheSelectedOptionAndLeavesTheLinesWithWhatWasTyped)
{
    ASSERT_TRUE(open());
    showTrailers();
    form->textpsetupFile->setFocus();
    const QStringList forward{"browsePdesc",           "textmachFmtFile",       "browseMachFile",
                              "textdcodeFile",         "browseDCODEFile",       "checkCleanup",
                              "checkProgress",         "optionTrailers",        "listTrailerLines(1,1)",
                              "listTrailerLines(1,2)", "listTrailerLines(1,3)", "listTrailerLines(1,4)",
                              "textpsetupFile"};
    EXPECT_EQ(tabWalk(static_cast<int>(forward.size())), forward);
    QStringList backward(forward.rbegin() + 1, forward.rend());
    backward << "textpsetupFile";
    EXPECT_EQ(tabWalk(static_cast<int>(backward.size()), true), backward);

    trailers()->setCol(frmGerberParms::ColText);
    trailers()->setRow(4);
    trailers()->setActiveCell();
    tabWalk(1, true);
    ASSERT_EQ(focusName(), "listTrailerLines(1,4)");
    for (QChar ch : QStringLiteral("G04 last*"))
        QTest::keyClicks(QApplication::focusWidget(), QString(ch));
    ASSERT_TRUE(trailers()->isEditing());
    tabWalk(1);
    EXPECT_EQ(focusName(), "textpsetupFile");
    EXPECT_EQ(line(trailers(), 4), "G04 last*");
}

TEST_F(ParmEditTest, TabLeavesTheGridAtItsEndsAndStepsOverSystemNames)
{
    add("alpha", "1", PARM_TYPE_SYSTEM);
    add("beta", "2", PARM_TYPE_SYSTEM);
    add("gamma", "3");
    ASSERT_TRUE(open());
    form->parmsGrid->setFocus();
    ASSERT_EQ(focusName(), "parmsGrid(2,2)");
    EXPECT_EQ(tabWalk(3), QStringList({"parmsGrid(1,3)", "parmsGrid(2,3)", "cmdNew"}));
    QTest::qWait(300);
    EXPECT_EQ(focusName(), "cmdNew") << "the focus sink behind the grid does not send the focus back";

    form->parmsGrid->setFocus();
    EXPECT_EQ(tabWalk(4, true),
              QStringList({"parmsGrid(1,3)", "parmsGrid(2,2)", "parmsGrid(2,1)", "cmdBrowse"}))
        << "a system parameter's name is stepped over, and Delete is off on its row";
    QTest::qWait(300);
    EXPECT_EQ(focusName(), "cmdBrowse");
}

} // namespace kalvex::test
