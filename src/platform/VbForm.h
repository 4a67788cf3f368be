// Form base: one top-level window of the system built in code, with its
// controls in one ordered registry (the form's Controls collection), the
// public geometry variables every form has, and the Load / Resize /
// QueryUnload / Unload steps as overridable members.
//
// How a form declares its controls (in its constructor, in Controls order):
//
//   class frmSampleParms : public KalvexParmFormBase {      // or VbForm
//   public:
//       frmSampleParms() : KalvexParmFormBase("frmSampleParms") {
//           parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");
//           frameParms = addControl(new VbFrame(parmsPanel), "frameParms");
//           textTitle  = addControl(new VbTextBox(frameParms), "textTitle");
//           checkKeep  = addControl(new VbCheckBox("Keep", frameParms), "checkKeep");
//           for (int i = 0; i < 3; ++i)                      // control array
//               optMode.append(addControl(new VbOptionButton(caption[i], frameParms),
//                                         "optMode", i));     // objectName "optMode_0" …
//           parmsGrid  = addControl(new MyGrid(frameParms), "parmsGrid",
//                                   VbKind::SpreadGrid);      // other units: give the kind
//           focusTimer = addControl(new VbTimer(this, 100), "focusTimer");
//           vb::setTag(textTitle, "title#");                 // Tag, HelpContextID, colours …
//           vb::move(textTitle, 120, 240, 3000, 285);         // Left, Top, Width, Height in twips
//           connect(focusTimer, &VbTimer::Timer, this, [this] { … });
//       }
//   protected:
//       void Form_Load() override;    // runs on first show / ensureLoaded()
//       void Form_Resize() override;  // every resize once loaded
//   };
//   frmSampleParms* f = vbl_formInstance<frmSampleParms>();  // the shared instance
//
// A control's objectName is its Name; a member of a control array is
// "name_index" and reads back Name = "name" and its index (vb::name,
// vb::index). The kinds of the classes in this folder are found by
// addControl itself; a control class of another unit declares its kind with
// Q_CLASSINFO("vbKind", "TabDlg.SSTab") or is added with its kind string
// (VbKind::…), and implements IVbControl only when it is not a plain widget.
//
// Units: every size and position is in twips. Twips to pixels: divide by
// twips-per-pixel (1440 / logical DPI: 15 at 96 DPI) and round to the
// nearest pixel, halves to the even one (1120 -> 74.67 -> 75 px). Pixels to
// twips: multiply and round to a whole twip the same way (75 px -> 1125).
// A value written in twips reads back exactly as written as long as the
// widget was not moved or resized otherwise since (VbTwips.h, VbControl.h). A window's Left/Top/Width/Height are its outer frame on the
// screen; ScaleWidth/ScaleHeight its inner size.
#pragma once
#include <QList>
#include <QPointer>
#include <QWidget>

#include "platform/VbControl.h"

namespace kalvex {

class VbForm : public QWidget {
    Q_OBJECT
public:
    explicit VbForm(const QString& formName, QWidget* parent = nullptr);
    ~VbForm() override;

    // The form's Name (its class name).
    QString formName() const { return objectName(); }

    // ---- Controls, in registration order
    template <class C>
    C* addControl(C* control, const QString& name, int index = -1)
    {
        registerControl(control, name, defaultKind(control), index);
        return control;
    }
    template <class C>
    C* addControl(C* control, const QString& name, const QString& kind, int index = -1)
    {
        registerControl(control, name, kind, index);
        return control;
    }
    int controlCount() const { return static_cast<int>(m_controls.size()); }
    // No control for an index out of range or a control already deleted.
    QObject* control(int i) const;
    QList<QObject*> controls() const;
    // By Name, and for an array member by its index; none when not found.
    QObject* controlByName(const QString& name, int index = -1) const;
    // Position in Controls, -1 when not a control of this form.
    int controlIndex(const QObject* control) const;
    // The control holding the focus (or containing the focused widget).
    QObject* activeControl() const;

    // TabIndex: 0.. in registration order of widgets; giving a control a new
    // position shifts the others, as on the forms. Sets Qt's focus chain.
    void setTabIndex(QObject* control, int tabIndex);

    // ---- Form properties
    QString caption() const { return windowTitle(); }
    void setCaption(const QString& c) { setWindowTitle(c); }
    // 0 normal, 1 minimized, 2 maximized.
    int vbWindowState() const;
    void setVbWindowState(int state);
    // Key preview: Form_KeyPress sees every character typed in a control
    // first (but Enter on a command button, which presses the button);
    // setting keyAscii to 0 swallows it.
    void setKeyPreview(bool on) { m_keyPreview = on; }

    // Public form variables kept by vbl_form_size.
    double last_height = 0;
    double last_top = 0;
    double last_left = 0;
    double last_width = 0;
    bool form_set_size = false;
    bool form_loaded = false;

    // ---- Lifecycle
    // Runs Form_Load once (again after an unload). Showing the form loads it.
    void ensureLoaded();
    bool isLoaded() const { return m_loaded; }
    // QueryUnload (mode: 0 closed by the user, 1 by code), then Unload; false
    // when either cancelled. The form is hidden; the object and its controls
    // stay, and the next use loads it again.
    bool unloadForm(int unloadMode = 1);

    void setVisible(bool visible) override;

protected:
    virtual void Form_Load() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode) { Q_UNUSED(cancel) Q_UNUSED(unloadMode) }
    virtual void Form_Unload(int& cancel) { Q_UNUSED(cancel) }
    virtual void Form_KeyPress(int& keyAscii) { Q_UNUSED(keyAscii) }

    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    static QString defaultKind(const QObject* control);
    void registerControl(QObject* control, const QString& name, const QString& kind, int index);
    void renumberTabOrder();

    QList<QPointer<QObject>> m_controls;
    QList<QPointer<QWidget>> m_tabOrder;
    bool m_loaded = false;
    bool m_loading = false;
    bool m_unloading = false;
    bool m_keyPreview = false;
};

// The one shared instance of a form class, created on first use. It is not
// loaded here: showing it or ensureLoaded() runs Form_Load.
template <class F>
QPointer<F>& vbl_formSlot()
{
    static QPointer<F> slot;
    return slot;
}

template <class F>
F* vbl_formInstance()
{
    QPointer<F>& slot = vbl_formSlot<F>();
    if (!slot)
        slot = new F();
    return slot.data();
}

// Whether the shared instance exists (without creating it).
template <class F>
bool vbl_formExists()
{
    return !vbl_formSlot<F>().isNull();
}

// Unloads and deletes the shared instance; the next use creates a new one.
template <class F>
void vbl_formRelease()
{
    QPointer<F>& slot = vbl_formSlot<F>();
    if (!slot)
        return;
    slot->unloadForm(1);
    delete slot.data();
}

} // namespace kalvex
