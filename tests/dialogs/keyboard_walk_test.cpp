// The dialogs used by keyboard alone: Tab and Shift+Tab go round every
// control, leave the grids at their ends and land on a group's selected option.
#include <set>

#include "admin/KalvexDistributor.h"
#include "dialogs/gerber_fixture.h"
#include "dialogs/parm_edit_fixture.h"

namespace kalvex::test {

namespace {

// The focus by the control holding it; a grid with its active cell.
QString focusName()
{
    QWidget* w = QApplication::focusWidget();
    if (auto* g = w ? qobject_cast<vaSpread*>(w->parentWidget()) : nullptr)
        return QStringLiteral("%1(%2,%3)").arg(g->objectName()).arg(g->activeCol()).arg(g->activeRow());
    return w ? w->objectName() : QStringLiteral("nothing");
}

QStringList tabWalk(int presses, bool back = false)
{
    QStringList seen;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        seen << focusName();
    }
    return seen;
}

// Controls a person can Tab to: shown, enabled and taking the focus by Tab.
std::set<QString> tabStops(VbForm* form)
{
    std::set<QString> stops;
    for (QObject* c : form->controls())
        if (auto* w = qobject_cast<QWidget*>(c)) {
            QWidget* target = w->focusProxy() ? w->focusProxy() : w;
            if (target->isVisible() && target->isEnabled() && (target->focusPolicy() & Qt::TabFocus))
                stops.insert(w->objectName());
        }
    return stops;
}

} // namespace

TEST(KeyboardWalk, TabAndShiftTabGoRoundEveryControlOfEveryDialog)
{
    dialogs_install();
    for (const char* command : {"(INTERNAL)Kalvex Gerber Generator", "(INTERNAL)Kalvex Report Writer Generator",
                                "(INTERNAL)Kalvex NC Drill Generator", "(INTERNAL)Kalvex Distributor",
                                "(INTERNAL)Kalvex Report Writer netlister", "(INTERNAL)Kalvex file manipulator",
                                "(INTERNAL)Kalvex General Interfaces", "(INTERNAL)Kalvex DXF Output generator",
                                "(INTERNAL)Kalvex planes generator", "(INTERNAL)Kalvex DRC generator",
                                "(INTERNAL)Kalvex PCB Design Manipulations", "(INTERNAL)Kalvex ODBG Generator",
                                "(INTERNAL)Kalvex batchfile Generator", "C:\\tools\\outgen.exe"}) {
        SCOPED_TRACE(command);
        const auto distributor = classCreate_KalvexDistributor();
        const auto generator = classCreate_KalvexGenerator();
        distributor->setDistribExe(QString::fromLatin1(command));
        generator->setCmdGen(QString::fromLatin1(command));
        const bool isDistributor = QString::fromLatin1(command).endsWith(QLatin1String("Distributor"));
        const IKalvexGenParmsPtr parms = isDistributor ? distributor->parameters() : generator->parameters();
        parms->add(QStringLiteral("user_parm"), QStringLiteral("1"), PARM_TYPE_USER);
        parms->editor()->formObj()->setParmsColl(parms);
        parms->editor()->initialize(true);
        auto* form = qobject_cast<VbForm*>(parms->editor()->formObj()->formObject());
        ASSERT_TRUE(form);
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        const std::set<QString> stops = tabStops(form);
        QWidget* start = form->findChild<QWidget*>(*stops.begin());
        ASSERT_TRUE(start && !start->focusProxy());
        for (bool back : {false, true}) {
            // Round from the first stop back to it; a grid's cells count as the grid.
            start->setFocus();
            std::set<QString> met{start->objectName()};
            for (int press = 0; press < 100 && (press == 0 || QApplication::focusWidget() != start); ++press) {
                tabWalk(1, back);
                met.insert(form->activeControl() ? form->activeControl()->objectName() : focusName());
            }
            // Buttons that follow the grid's active cell may be off by now.
            const std::set<QString> after = tabStops(form);
            for (const QString& stop : stops)
                EXPECT_TRUE(met.count(stop) || !after.count(stop)) << stop.toStdString() << (back ? " back" : "");
        }
        form->unloadForm(1);
        delete form;
    }
}

TEST_F(GerberTest, TabLandsOnTheSelectedOptionAndLeavesTheLinesWithWhatWasTyped)
{
    ASSERT_TRUE(open());
    form->optionTrailers->setValue(true); // selected by the program: no focus on it yet
    ASSERT_TRUE(trailers()->isVisible());
    form->checkProgress->setFocus();
    const QStringList forward{"optionTrailers",        "listTrailerLines(1,1)", "listTrailerLines(1,2)",
                              "listTrailerLines(1,3)", "listTrailerLines(1,4)", "textpsetupFile"};
    EXPECT_EQ(tabWalk(6), forward) << "in the form alone the next control is the first";
    EXPECT_EQ(tabWalk(6, true), QStringList({"listTrailerLines(1,4)", "listTrailerLines(1,3)",
                                             "listTrailerLines(1,2)", "listTrailerLines(1,1)", "optionTrailers",
                                             "checkProgress"}));
    tabWalk(5);
    for (QChar ch : QStringLiteral("G04 last*"))
        QTest::keyClicks(QApplication::focusWidget(), QString(ch));
    ASSERT_TRUE(trailers()->isEditing());
    EXPECT_EQ(tabWalk(1), QStringList({"textpsetupFile"}));
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
    EXPECT_EQ(tabWalk(4, true), QStringList({"parmsGrid(1,3)", "parmsGrid(2,2)", "parmsGrid(2,1)", "cmdBrowse"}))
        << "a system parameter's name is stepped over; Delete is off on its row";
    QTest::qWait(300);
    EXPECT_EQ(focusName(), "cmdBrowse");
}

} // namespace kalvex::test
