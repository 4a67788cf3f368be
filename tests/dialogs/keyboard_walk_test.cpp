// The dialogs used by keyboard alone: Tab and Shift+Tab go round every control
// of every dialog, through its grids and option groups and out of them.
#include <set>

#include "admin/KalvexDistributor.h"
#include "dialogs/parm_edit_fixture.h"

namespace kalvex::test {

TEST(KeyboardWalk, TabAndShiftTabGoRoundEveryControlOfEveryDialog)
{
    // Controls a person can Tab to: shown, enabled and taking the focus by Tab.
    const auto tabStops = [](VbForm* form) {
        std::set<QString> stops;
        for (QObject* c : form->controls())
            if (auto* w = qobject_cast<QWidget*>(c)) {
                QWidget* target = w->focusProxy() ? w->focusProxy() : w;
                if (target->isVisible() && target->isEnabled() && (target->focusPolicy() & Qt::TabFocus))
                    stops.insert(w->objectName());
            }
        return stops;
    };
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
                QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                                back ? Qt::ShiftModifier : Qt::NoModifier);
                met.insert(form->activeControl() ? form->activeControl()->objectName() : QString());
            }
            // Back round, unless the walk switched the start off (a button following the grid's active cell).
            EXPECT_TRUE(QApplication::focusWidget() == start || !start->isEnabled())
                << "not back round" << (back ? " back" : "");
            // Buttons that follow the grid's active cell may be off by now.
            const std::set<QString> after = tabStops(form);
            for (const QString& stop : stops)
                EXPECT_TRUE(met.count(stop) || !after.count(stop)) << stop.toStdString() << (back ? " back" : "");
        }
        form->unloadForm(1);
        delete form;
    }
}

} // namespace kalvex::test
