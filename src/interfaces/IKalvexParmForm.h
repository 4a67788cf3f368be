// What the parameter-set editor needs of a parameter dialog, and the hook
// through which the model asks the dialog layer which dialog edits a set.
// Implemented by the dialogs; the model only sees these interfaces.
#pragma once
#include <QObject>
#include <QString>
#include <memory>

#include "interfaces/IKalvexGenParms.h"

namespace kalvex {

class IKalvexParmForm {
public:
    virtual ~IKalvexParmForm() = default;
    // The form's Name ("frmParmEdit", "frmGerberParms", …).
    virtual QString formName() const = 0;
    virtual void setParmsColl(const IKalvexGenParmsPtr& parms) = 0;
    virtual IKalvexGenParmsPtr parmsColl() const = 0;
    virtual void loadData() = 0;
    // Number of parameters written; 0 when locked or without a set; -1 on error.
    virtual int persistData(bool& flag) = 0;
    virtual int defaultHelpTopic() const = 0;
    virtual bool formVisible() const = 0;
    virtual void setFormVisible(bool visible) = 0;
    virtual bool formEnabled() const = 0;
    virtual void setFormEnabled(bool enabled) = 0;
    // The widget behind the form, for weak references (QPointer).
    virtual QObject* formObject() = 0;
};

// Registered by the dialog layer at start-up.
class IKalvexEditFormChooser {
public:
    virtual ~IKalvexEditFormChooser() = default;
    // The shared dialog instance for a generator command or distributor program.
    virtual IKalvexParmForm* editFormSelect(const QString& name) = 0;
    // The form an editor takes when it is created (the grid dialog).
    virtual IKalvexParmForm* defaultForm() = 0;
    // The editor's setFocus: focus the grid dialog (only that form takes it).
    virtual void focusForm(IKalvexParmForm* form) = 0;
};

// The chooser in force; null until the dialog layer registers one.
IKalvexEditFormChooser* editFormChooser();
void registerEditFormChooser(IKalvexEditFormChooser* chooser);

} // namespace kalvex
