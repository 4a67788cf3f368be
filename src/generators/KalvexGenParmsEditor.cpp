#include "generators/KalvexGenParmsEditor.h"

#include "foundation/makeOrNone.h"

namespace kalvex {

namespace {
const QString kGridForm = QStringLiteral("frmParmEdit");
}

KalvexGenParmsEditor::KalvexGenParmsEditor()
{
    if (auto* chooser = editFormChooser())
        setFormObj(chooser->defaultForm());
}

const QStringList& KalvexGenParmsEditor::knownDialogNames()
{
    static const QStringList known = {
        QStringLiteral("frmGerberParms"),   QStringLiteral("frmBNREPParms"),    QStringLiteral("frmDrillParms"),
        QStringLiteral("frmDistribParms"),  QStringLiteral("frmBNREPNTLParms"), QStringLiteral("frmGFmanipParms"),
        QStringLiteral("frmGENIFParms"),    QStringLiteral("frmDXFOutParms"),   QStringLiteral("frmPlanesParms"),
        QStringLiteral("frmDRCParms"),      QStringLiteral("frmVarsetupParms"), QStringLiteral("frmODBGParms"),
        kGridForm};
    return known;
}

IKalvexParmForm* KalvexGenParmsEditor::formObj() const
{
    if (m_formHasWidget && !m_formWidget)
        return nullptr; // the dialog was destroyed
    return m_form;
}

void KalvexGenParmsEditor::setFormObj(IKalvexParmForm* form)
{
    m_form = form;
    m_formWidget = form ? form->formObject() : nullptr;
    m_formHasWidget = m_formWidget != nullptr;
    bind();
}

void KalvexGenParmsEditor::setParent(const IKalvexGenParmsPtr& parms)
{
    m_parms = parms;
    bind();
}

void KalvexGenParmsEditor::bind()
{
    auto* form = formObj();
    auto parms = m_parms.lock();
    if (form && parms)
        form->setParmsColl(parms);
}

void KalvexGenParmsEditor::initialize(bool show)
{
    auto* form = formObj();
    if (!form)
        return;
    // The dialog is shared: another editor may have bound it since.
    // Without a set of its own the dialog edits none. The dialogs trap their
    // own errors; one that lets a fault out is not hidden here.
    form->setParmsColl(m_parms.lock());
    if (isKnownDialog(form->formName()))
        form->loadData();
    if (show)
        form->setFormVisible(true);
}

int KalvexGenParmsEditor::persistData(bool flag)
{
    auto* form = formObj();
    if (!form)
        return -1;
    // -1 after an error the dialog trapped itself.
    return form->persistData(flag);
}

QVariant KalvexGenParmsEditor::setInternalValue(const QString& key, const QVariant&)
{
    auto* form = formObj();
    if (key == QLatin1String("GET_HELPTOPIC") && form)
        return form->defaultHelpTopic();
    return -1;
}

bool KalvexGenParmsEditor::visible() const
{
    auto* form = formObj();
    return form && form->formVisible();
}

void KalvexGenParmsEditor::setVisible(bool visible)
{
    if (auto* form = formObj())
        form->setFormVisible(visible);
}

bool KalvexGenParmsEditor::enabled() const
{
    auto* form = formObj();
    return form && form->formEnabled();
}

void KalvexGenParmsEditor::setEnabled(bool enabled)
{
    if (auto* form = formObj())
        form->setFormEnabled(enabled);
}

void KalvexGenParmsEditor::setFocus()
{
    auto* form = formObj();
    auto* chooser = editFormChooser();
    // Dedicated dialogs take the focus themselves; only the grid dialog is steered here.
    if (form && chooser && form->formName() == kGridForm)
        chooser->focusForm(form);
}

std::shared_ptr<IKalvexGenParmsEditor> classCreate_KalvexGenParmsEditor()
{
    return makeOrNone([] { return std::make_shared<KalvexGenParmsEditor>(); });
}

} // namespace kalvex
