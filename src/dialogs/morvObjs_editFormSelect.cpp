#include "dialogs/morvObjs_editFormSelect.h"

#include <QApplication>
#include <utility>

#include "dialogs/KalvexParmFormBase.h"

namespace kalvex {

namespace {
EditFormTable& table()
{
    static EditFormTable t;
    return t;
}

// Dialogs are widgets: without a widget application (a tool that only reads
// and writes keyword files) no dialog is made.
bool widgetsAvailable()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

class DialogFormChooser : public IKalvexEditFormChooser {
public:
    IKalvexParmForm* editFormSelect(const QString& name) override { return morvObjs_editFormSelect(name); }
    IKalvexParmForm* defaultForm() override
    {
        return widgetsAvailable() && table().fallback ? table().fallback() : nullptr;
    }
    void focusForm(IKalvexParmForm* form) override
    {
        if (auto* dialog = dynamic_cast<KalvexParmFormBase*>(form))
            dialog->editorSetFocus();
    }
};
} // namespace

IKalvexEditFormChooser* dialogFormChooser()
{
    static DialogFormChooser chooser;
    return &chooser;
}

ParmFormFactory registerEditForm(const QString& command, ParmFormFactory factory)
{
    const QString key = command.toLower();
    ParmFormFactory before = table().byCommand.take(key);
    if (factory)
        table().byCommand.insert(key, std::move(factory));
    return before;
}

ParmFormFactory registerDefaultEditForm(ParmFormFactory factory)
{
    return std::exchange(table().fallback, std::move(factory));
}

EditFormTable editFormTable() { return table(); }

void setEditFormTable(EditFormTable t) { table() = std::move(t); }

IKalvexParmForm* morvObjs_editFormSelect(const QString& name)
{
    if (!widgetsAvailable())
        return nullptr;
    const auto it = table().byCommand.constFind(name.toLower());
    if (it != table().byCommand.constEnd() && *it)
        return (*it)();
    return table().fallback ? table().fallback() : nullptr;
}

} // namespace kalvex
