#include "dialogs/morvObjs_editFormSelect.h"

#include <QApplication>
#include <QHash>

#include "dialogs/KalvexParmFormBase.h"

namespace kalvex {

namespace {
struct FormTable {
    QHash<QString, ParmFormFactory> byCommand;
    ParmFormFactory fallback;
};

FormTable& table()
{
    static FormTable t;
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

void registerEditForm(const QString& command, ParmFormFactory factory)
{
    table().byCommand.insert(command.toLower(), std::move(factory));
}

void registerDefaultEditForm(ParmFormFactory factory) { table().fallback = std::move(factory); }

ParmFormFactory registeredEditForm(const QString& command) { return table().byCommand.value(command.toLower()); }

ParmFormFactory registeredDefaultEditForm() { return table().fallback; }

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
