// Binds a parameter set to the dialog that edits it. The dialog is reached
// only through IKalvexParmForm; a dialog is shared by every set of its kind,
// so whenever the editor knows both its form and its set it points the form
// at its set, and initialize points it there again before loading. The form
// is held through a QPointer on its widget, so a form that has been
// destroyed reads as no form.
#pragma once
#include <QPointer>
#include <QStringList>

#include "interfaces/IKalvexGenParmsEditor.h"

namespace kalvex {

class KalvexGenParmsEditor : public IKalvexGenParmsEditor {
public:
    // Takes the chooser's default form (the grid dialog) when one is registered.
    KalvexGenParmsEditor();

    IKalvexParmForm* formObj() const override;
    void setFormObj(IKalvexParmForm* form) override;
    IKalvexGenParmsPtr parent() const override { return m_parms.lock(); }
    void setParent(const IKalvexGenParmsPtr& parms) override;
    void initialize(bool show) override;
    int persistData(bool flag) override;
    QVariant setInternalValue(const QString& key, const QVariant& value) override;
    bool visible() const override;
    void setVisible(bool visible) override;
    bool enabled() const override;
    void setEnabled(bool enabled) override;
    void setFocus() override;

    // The names of the dialogs that follow the loading protocol, compared
    // exactly.
    static const QStringList& knownDialogNames();
    static bool isKnownDialog(const QString& formName) { return knownDialogNames().contains(formName); }

private:
    void bind();

    IKalvexParmForm* m_form = nullptr;
    QPointer<QObject> m_formWidget; // guards m_form when the form has a widget
    bool m_formHasWidget = false;
    std::weak_ptr<IKalvexGenParms> m_parms;
};

std::shared_ptr<IKalvexGenParmsEditor> classCreate_KalvexGenParmsEditor();

} // namespace kalvex
