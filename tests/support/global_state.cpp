#include "support/global_state.h"

#include <QApplication>
#include <QProcessEnvironment>
#include <QStringList>
#include <cstdio>
#include <memory>

#include "dialogs/morvObjs_editFormSelect.h"
#include "generators/current_generator.h"
#include "interfaces/IKalvexParmForm.h"
#include "support/modal_driver.h"

namespace kalvex::test {

namespace {

class GlobalStateGuard : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        m_table = editFormTable();
        m_chooser = editFormChooser();
        m_generator = morvObjs_currentGenerator();
        m_env = QProcessEnvironment::systemEnvironment();
    }

    void OnTestEnd(const ::testing::TestInfo& info) override
    {
        QStringList leaked;
        if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
            // A driver still waiting would answer the next test's windows.
            stopModalDrivers();
            if (closeLeftoverModals() > 0)
                leaked << QStringLiteral("a modal window");
        }
        const EditFormTable now = editFormTable();
        if (now.byCommand.keys() != m_table.byCommand.keys() || bool(now.fallback) != bool(m_table.fallback))
            leaked << QStringLiteral("the dialog table");
        setEditFormTable(m_table);
        if (editFormChooser() != m_chooser) {
            leaked << QStringLiteral("the dialog chooser");
            registerEditFormChooser(m_chooser);
        }
        if (morvObjs_currentGenerator() != m_generator.lock()) {
            // Only a generator that outlives its test counts: a generator made
            // and dropped there clears itself.
            if (morvObjs_currentGenerator())
                leaked << QStringLiteral("the current generator");
            if (auto g = m_generator.lock())
                morvObjs_setCurrentGenerator(g);
            else
                morvObjs_clearCurrentGenerator();
        }
        if (restoreEnvironment())
            leaked << QStringLiteral("the environment");
        m_table = {};
        if (!leaked.isEmpty())
            std::fprintf(stderr, "[ LEAKED   ] %s.%s left %s changed\n", info.test_suite_name(), info.name(),
                         qPrintable(leaked.join(QStringLiteral(", "))));
    }

    // Puts every variable back as it was; true when any had changed.
    bool restoreEnvironment()
    {
        const QProcessEnvironment now = QProcessEnvironment::systemEnvironment();
        bool changed = false;
        for (const QString& name : now.keys())
            if (!m_env.contains(name)) {
                qunsetenv(name.toLocal8Bit().constData());
                changed = true;
            }
        for (const QString& name : m_env.keys())
            if (now.value(name) != m_env.value(name) || !now.contains(name)) {
                qputenv(name.toLocal8Bit().constData(), m_env.value(name).toLocal8Bit());
                changed = true;
            }
        return changed;
    }

    EditFormTable m_table;
    IKalvexEditFormChooser* m_chooser = nullptr;
    std::weak_ptr<IKalvexGenerator> m_generator;
    QProcessEnvironment m_env;
};

} // namespace

void installGlobalStateGuard()
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new GlobalStateGuard);
}

} // namespace kalvex::test
