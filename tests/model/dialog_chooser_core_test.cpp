// A process without widgets (a keyword-file tool) may register the dialog
// table; setting a generator's command there makes no dialog.
#include <gtest/gtest.h>

#include <cstdlib>

#include "dialogs/morvObjs_editFormSelect.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "support/qt_printers.h"

using namespace kalvex;

TEST(DialogChooserWithoutWidgets, CommandsChooseNoDialog)
{
    const EditFormTable saved = editFormTable();
    // Making a widget here would abort the process.
    registerDefaultEditForm([]() -> IKalvexParmForm* { std::abort(); });
    registerEditFormChooser(dialogFormChooser());
    auto gen = classCreate_KalvexGenerator();
    gen->setCmdGen("(INTERNAL)Kalvex Gerber Generator");
    EXPECT_EQ(gen->parameters()->editor()->formObj(), nullptr);
    EXPECT_EQ(morvObjs_editFormSelect("anything"), nullptr);
    EXPECT_EQ(dialogFormChooser()->defaultForm(), nullptr);
    registerEditFormChooser(nullptr);
    setEditFormTable(saved);
}
