// Which dialog edits a parameter set: a table from the lower-cased generator
// command (or distributor program) to the factory of the dialog's shared
// instance. Names are compared whole and lower-cased, never trimmed; a name
// not in the table gets the default dialog (the parameter grid).
//
// Each dialog adds its line in dialogs_install() (dialogs_install.cpp):
//   registerEditForm("(INTERNAL)Kalvex Gerber Generator",
//                    [] { return vbl_formInstance<frmGerberParms>(); });
#pragma once
#include <QHash>
#include <QString>
#include <functional>

#include "interfaces/IKalvexParmForm.h"

namespace kalvex {

using ParmFormFactory = std::function<IKalvexParmForm*()>;

// Both answer the factory registered before (empty when none), so that a
// caller can put it back; registering an empty factory removes the row.
ParmFormFactory registerEditForm(const QString& command, ParmFormFactory factory);
// The dialog for every other name (and the editor's default form). The
// factory prepares the dialog for that use (the grid leaves batch mode).
ParmFormFactory registerDefaultEditForm(ParmFormFactory factory);

// The whole table, for a caller that swaps dialogs for a while and puts the
// previous ones back.
struct EditFormTable {
    QHash<QString, ParmFormFactory> byCommand; // keyed by the lower-cased command
    ParmFormFactory fallback;
};
EditFormTable editFormTable();
void setEditFormTable(EditFormTable table);

// The shared dialog for a command; no form while no default is registered,
// or when the process has no widget application.
IKalvexParmForm* morvObjs_editFormSelect(const QString& name);

// The chooser the model asks (registered by dialogs_install).
IKalvexEditFormChooser* dialogFormChooser();

// Registers the dialog table and the chooser through which the model asks
// for a dialog. Called once by the host (and the tests); repeated calls do
// nothing.
void dialogs_install();

} // namespace kalvex
