#include "dialogs/KalvexParmFormBase.h"

#include "dialogs/guiLib.h"
#include "dialogs/morvObj_parmBinding.h"
#include "dialogs/morvObjs_pickers.h"
#include "foundation/vbl_err.h"
#include "foundation/vbl_str.h"
#include "foundation/weakref.h"
#include "generators/generatorAdminObj.h"
#include "generators/gens_tooltip.h"
#include "interfaces/IKalvexNamedItem.h"
#include "platform/VbCommandButton.h"
#include "platform/VbFrame.h"
#include "platform/VbIcons.h"
#include "platform/VbOptionButton.h"
#include "platform/VbPanel3D.h"
#include "platform/VbTextBox.h"
#include "platform/morvObjs_lockForm.h"
#include "platform/vbl_form.h"

namespace kalvex {

KalvexParmFormBase::KalvexParmFormBase(const QString& formName, QWidget* parent)
    : VbForm(formName, parent)
{
}

void KalvexParmFormBase::setParmsColl(const IKalvexGenParmsPtr& parms)
{
    ensureLoaded();
    m_parms = vbl_obj_toPtr(parms);
}

IKalvexGenParmsPtr KalvexParmFormBase::parmsColl() const
{
    auto ref = m_parms;
    return vbl_obj_fromPtr(ref);
}

IKalvexGenParmsPtr KalvexParmFormBase::shownParms() const
{
    auto ref = m_shown;
    return vbl_obj_fromPtr(ref);
}

IKalvexGenParmsPtr KalvexParmFormBase::contextParms() const
{
    auto shown = shownParms();
    return shown ? shown : parmsColl();
}

void KalvexParmFormBase::loadData()
{
    try {
        ensureLoaded();
        const IKalvexGenParmsPtr parms = parmsColl();
        m_shown = vbl_obj_toPtr(parms);
        if (!parms)
            return;
        m_refused = !acceptsParms(parms);
        if (m_refused)
            return;
        int state = NOT_RESERVED;
        if (auto owner = std::dynamic_pointer_cast<IKalvexNamedItem>(parms->parent()))
            state = owner->reservedItem();
        lockForm(state);
        loadAfterLock(parms);
        for (QObject* c : controls())
            morvObjs_parmCtrlSetFromParm(c, parms, QString());
        loadGroups();
    } catch (...) {
        // Dialogs trap their errors quietly: the dialog shows what it could load.
        vbl_err_trapped(formName() + QLatin1String("_loadData"), VBL_LOG_DIALOGS);
    }
}

int KalvexParmFormBase::persistData(bool& flag)
{
    Q_UNUSED(flag)
    try {
        if (m_locked || m_refused)
            return 0;
        const IKalvexGenParmsPtr parms = shownParms();
        if (!parms)
            return 0;
        int count = 0;
        for (QObject* c : controls())
            if (morvObjs_parmCtrlGetToParm(c, parms) == 1)
                ++count;
        count += persistGroups(parms);
        return count;
    } catch (...) {
        // Dialogs trap their errors quietly; -1 tells the editor.
        vbl_err_trapped(formName() + QLatin1String("_persistData"), VBL_LOG_DIALOGS);
        return -1;
    }
}

void KalvexParmFormBase::init_helpSettings()
{
    morvHelp_initControlTopics(this, defaultHelpTopic());
}

void KalvexParmFormBase::forceFocus()
{
    vbl_ctrl_setFocus(this);
    if (m_focusTarget)
        vbl_ctrl_setFocus(m_focusTarget);
}

void KalvexParmFormBase::lockForm(int state)
{
    m_locked = morvObjs_lockForm(this, state, lockExemptList(), false);
}

void KalvexParmFormBase::assignParmNamesToCtrls()
{
    for (const Binding& b : m_bindings) {
        if (!b.control)
            continue;
        vb::setTag(b.control, morvObjs_parmTagJoin(b.key, QStringLiteral("#NODEF")));
        if (!b.toolTip)
            continue;
        QString placeholder = b.placeholder;
        if (placeholder.isEmpty() && vb::kind(b.control) == VbKind::CheckBox)
            placeholder = QStringLiteral("True|False");
        vb::setToolTipText(b.control, morvGens_toolTip_compose(b.label, b.key, placeholder));
    }
}

void KalvexParmFormBase::bindControl(QObject* control, const QString& key, const QString& label,
                                     const QString& placeholder, QObject* browseButton)
{
    m_bindings.push_back({control, key, label, placeholder, browseButton, true});
}

void KalvexParmFormBase::bindTagOnly(QObject* control, const QString& key)
{
    m_bindings.push_back({control, key, QString(), QString(), nullptr, false});
}

void KalvexParmFormBase::addOptionButtons(VbOptionArray& array, QWidget* parent, const QString& name,
                                          const QStringList& captions)
{
    for (int i = 0; i < captions.size(); ++i)
        array.append(addControl(new VbOptionButton(captions[i], parent), name, i));
}

VbCommandButton* KalvexParmFormBase::addBrowseButton(QWidget* parent, const QString& name)
{
    auto* button = addControl(new VbCommandButton(parent), name);
    button->setPicture(vbIcon_browse());
    return button;
}

void KalvexParmFormBase::browseFileInto(VbTextBox* box, const QString& browseId, bool allowCheckout)
{
    if (!box)
        return;
    const auto adm = morvObjs_parmsGetAdminObj(contextParms());
    const QString chosen = morvObjs_parmBrowseFile(box->text().trimmed(), browseId, this, adm, true, allowCheckout);
    if (chosen != PICKER_NODEF)
        box->setText(chosen);
}

void KalvexParmFormBase::setPanel(VbPanel3D* panel, VbFrame* frame)
{
    m_panel = panel;
    m_frame = frame;
    if (panel)
        connect(panel, &VbPanel3D::Resize, this, [this] {
            ++m_panelResizes;
            if (!form_set_size)
                m_layoutFailed = !layoutPanel() || m_layoutFailed;
        });
}

void KalvexParmFormBase::setLockExempt(const QStringList& names) { m_exempt = names; }

QString KalvexParmFormBase::lockExemptList() const
{
    if (m_exempt.isEmpty())
        return QString();
    QString list;
    vbl_RUV_akwInit(list);
    for (const QString& n : m_exempt)
        vbl_RUV_akwAdd(list, n);
    return list;
}

void KalvexParmFormBase::sizeButtons()
{
    for (QObject* c : controls()) {
        if (vb::kind(c) != VbKind::CommandButton)
            continue;
        bool square = false;
        for (const Binding& b : m_bindings)
            square = square || b.browse.data() == c;
        gui_setButtonSize(c, false, square);
    }
}

void KalvexParmFormBase::Form_Load()
{
    sizeButtons();
    if (m_frame)
        m_frame->setBorderStyle(0);
    if (m_panel)
        m_panel->setFrameShape(QFrame::NoFrame);
    assignParmNamesToCtrls();
    dialogLoad();
    if (helpSettingsFirst)
        init_helpSettings();
    vbl_form_size(this, QStringLiteral("STORE_VALUES"));
    if (!helpSettingsFirst)
        init_helpSettings();
    form_loaded = true;
}

void KalvexParmFormBase::Form_Resize()
{
    if (vbWindowState() == 1 || form_set_size)
        return;
    m_layoutFailed = false;
    if (m_panel) {
        const int resizes = m_panelResizes;
        vb::move(m_panel, 0, 0, vb::scaleWidth(this), vb::scaleHeight(this));
        // No Resize now (same size, or a hidden panel whose Resize waits for
        // the show): lay out here, so a failure is seen while it can be undone.
        if (m_panelResizes == resizes)
            m_layoutFailed = !layoutPanel();
    }
    if (m_layoutFailed)
        restoreLastSize();
    else
        vbl_form_size(this, QStringLiteral("STORE_VALUES"));
}

void KalvexParmFormBase::restoreLastSize()
{
    vbl_form_size(this, QStringLiteral("RESTORE_LAST"));
    // The restore itself runs no layout (form_set_size): lay out once more at
    // the restored size. Failing again there leaves the form as it is.
    if (m_restoring)
        return;
    m_restoring = true;
    Form_Resize();
    m_restoring = false;
}

} // namespace kalvex
