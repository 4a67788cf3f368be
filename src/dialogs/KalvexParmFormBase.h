// Base of the parameter dialogs: the members the parameter-set editor drives
// (IKalvexParmForm), the binding of controls to parameters through their
// Tags, the read-only lock by the owner's reservation code, help topics, and
// the Form_Load / Form_Resize skeleton. A dialog adds its controls, declares
// which of them are bound, and overrides only what its own layout and option
// groups need:
//
//   frmDXFOutParms() : KalvexParmFormBase("frmDXFOutParms") {
//       parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");
//       frameParms = addControl(new VbFrame(parmsPanel), "frameParms");
//       textConfigFile = addControl(new VbTextBox(frameParms), "textConfigFile");
//       browseConfigFile = addControl(new VbCommandButton(frameParms), "browseConfigFile");
//       bindControl(textConfigFile, "dxf_config_file", "Configuration file", "<config_file>",
//                   browseConfigFile);
//       setPanel(parmsPanel, frameParms);
//       setFocusTarget(textTitle);
//   }
//   int defaultHelpTopic() const override { return 22; }
//   bool layoutPanel() override { … return true; }      // the panel's Resize
//   void loadGroups() override; int persistGroups(parms) override;  // option groups
//       (OptionGroup, morvObj_optionGroup.h)
//
// loadData runs, in this order:
//   acceptsParms(set)  — false stops here, before the lock (persistData then
//                        answers 0 until a set is accepted)
//   lockForm(owner's reservation code)
//   loadAfterLock(set) — e.g. a legacy rewrite, or grids whose colours
//                        depend on the lock
//   the shared loader over every control, in Controls order
//   loadGroups()       — the dialog's option groups, in its own order
// persistData writes into the set the controls were filled from, never into
// one handed in since (the dialog is shared by every set of its kind): 0 when
// locked, when that set is gone, when the last load had no set or refused it;
// else the shared writer's count plus persistGroups(set).
//
// Errors are trapped at these members' boundaries: nothing is shown, the
// report goes to the dialogs' log (which writes nothing) and a fault of the
// code is also warned of; persistData answers -1.
#pragma once
#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

#include "interfaces/IKalvexParmForm.h"
#include "platform/VbForm.h"
#include "platform/VbFrame.h"
#include "platform/VbPanel3D.h"

namespace kalvex {

class VbCommandButton;
class VbOptionArray;
class VbTextBox;

class KalvexParmFormBase : public VbForm, public IKalvexParmForm {
    Q_OBJECT
public:
    explicit KalvexParmFormBase(const QString& formName, QWidget* parent = nullptr);

    // ---- IKalvexParmForm
    QString formName() const override { return objectName(); }
    // Kept weakly: a set released elsewhere reads as no set. Handing in a
    // set does not load it: until loadData the controls still edit the set
    // they were filled from.
    void setParmsColl(const IKalvexGenParmsPtr& parms) override;
    IKalvexGenParmsPtr parmsColl() const override;
    void loadData() override;
    int persistData(bool& flag) override;
    int defaultHelpTopic() const override { return 0; }
    bool formVisible() const override { return isVisible(); }
    void setFormVisible(bool visible) override { setVisible(visible); }
    bool formEnabled() const override { return isEnabled(); }
    void setFormEnabled(bool enabled) override { setEnabled(enabled); }
    QObject* formObject() override { return this; }

    // ---- Members every dialog has
    void init_helpSettings();
    // Focus to the form, then to the dialog's focus target (setFocusTarget).
    virtual void forceFocus();
    void lockForm(int state);
    bool locked() const { return m_locked; }
    // Initial Tag "key##NODEF" and tool tip of every bound control.
    void assignParmNamesToCtrls();
    // The editor's setFocus; only the grid dialog acts on it.
    virtual void editorSetFocus() {}

protected:
    // Binds a check box, text box or frame to a parameter. The tool tip is
    // "label ( /key=placeholder )"; check boxes take "True|False" when no
    // placeholder is given. A browse button is sized square at load.
    void bindControl(QObject* control, const QString& key, const QString& label,
                     const QString& placeholder = QString(), QObject* browseButton = nullptr);
    // Gives a control only the initial Tag "key##NODEF", no tool tip (grids
    // that carry their key for the dialog's own code).
    void bindTagOnly(QObject* control, const QString& key);
    // The control forceFocus moves to after the form; none: the form only.
    void setFocusTarget(QObject* control) { m_focusTarget = control; }
    QObject* focusTarget() const { return m_focusTarget; }
    // A browse button's click: the file picker on the box's trimmed text,
    // with the administration database of the generator owning the set (if
    // any); its answer replaces the text unless it is "NODEF". The parameter
    // itself changes on persistData.
    void browseFileInto(VbTextBox* box, const QString& browseId, bool allowCheckout);
    // A control array of option buttons, one per caption, named name_index.
    void addOptionButtons(VbOptionArray& array, QWidget* parent, const QString& name, const QStringList& captions);
    // A browse button: the picture set, the place left to the caller.
    VbCommandButton* addBrowseButton(QWidget* parent, const QString& name);
    // The panel that fills the form and the parameter frame inside it.
    void setPanel(VbPanel3D* panel, VbFrame* frame);
    // Names the read-only lock leaves alone (compared lower-cased).
    void setLockExempt(const QStringList& names);
    QString lockExemptList() const;

    // Standard load: size buttons (browse buttons square), parameter frame
    // without border, flat panel, assignParmNamesToCtrls, dialogLoad(), store
    // the geometry, help settings (the other way round when
    // helpSettingsFirst), form_loaded. Dialogs with another order override
    // Form_Load and use the steps below.
    void Form_Load() override;
    virtual void dialogLoad() {}
    bool helpSettingsFirst = false;
    void sizeButtons();
    // Nothing while minimized or while a size is restored; otherwise the panel
    // fills the inner area, the panel's layout runs, and the geometry is
    // stored — or, when the layout failed (a form made too small), the last
    // stored geometry comes back.
    void Form_Resize() override;
    // A layout that failed at the new size: the last stored geometry comes
    // back and the layout follows it.
    void restoreLastSize();
    // The panel's resize: lay out the frame and controls; false on failure.
    virtual bool layoutPanel() { return true; }

    // loadData's steps (order above). acceptsParms: false refuses the set.
    virtual bool acceptsParms(const IKalvexGenParmsPtr&) { return true; }
    virtual void loadAfterLock(const IKalvexGenParmsPtr&) {}
    // Option groups of the dialog: run after the shared loader / writer.
    virtual void loadGroups() {}
    // The number of group parameters written into parms (the shown set).
    virtual int persistGroups(const IKalvexGenParmsPtr& parms)
    {
        Q_UNUSED(parms)
        return 0;
    }
    // The set the controls were last filled from, while it lives; what
    // persistData and the dialog's own edits write into.
    IKalvexGenParmsPtr shownParms() const;
    // The set a picker's context (database, variables) comes from: the one on
    // screen, or before any load the one handed in.
    IKalvexGenParmsPtr contextParms() const;

    VbPanel3D* panel() const { return m_panel; }
    VbFrame* parmFrame() const { return m_frame; }

private:
    struct Binding {
        QPointer<QObject> control;
        QString key;
        QString label;
        QString placeholder;
        QPointer<QObject> browse;
        bool toolTip = true;
    };
    std::vector<Binding> m_bindings;
    std::weak_ptr<IKalvexGenParms> m_parms;
    std::weak_ptr<IKalvexGenParms> m_shown;
    QPointer<VbPanel3D> m_panel;
    QPointer<VbFrame> m_frame;
    QStringList m_exempt;
    QPointer<QObject> m_focusTarget;
    bool m_locked = false;
    bool m_refused = false;
    bool m_layoutFailed = false;
    bool m_restoring = false;
    int m_panelResizes = 0;
};

} // namespace kalvex
