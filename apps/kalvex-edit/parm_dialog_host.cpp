// Hosting a shared parameter dialog with OK and Cancel.
#include "parm_dialog_host.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "interfaces/IKalvexGenParmsEditor.h"
#include "platform/VbForm.h"

namespace kalvex::edit {

ParmDialogHost::ParmDialogHost(const Entry& entry, QWidget* parent)
    : QDialog(parent), m_parms(entry.parms), m_readOnly(entry.readOnly)
{
    setObjectName(QStringLiteral("parmDialogHost"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_before = takeSnapshot(m_parms);
    const auto editor = m_parms ? m_parms->editor() : nullptr;
    IKalvexParmForm* parmForm = editor ? editor->formObj() : nullptr;
    m_form = parmForm ? qobject_cast<QWidget*>(parmForm->formObject()) : nullptr;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (m_form) {
        // Loaded first, so that it has its own size to give.
        if (auto* vbForm = qobject_cast<VbForm*>(m_form))
            vbForm->ensureLoaded();
        const QSize formSize = m_form->size();
        m_form->setParent(this, Qt::Widget);
        m_form->setMinimumSize(formSize);
        layout->addWidget(m_form, 1);
    }
    auto* buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(QDialogButtonBox::Ok);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = buttons->addButton(QDialogButtonBox::Cancel);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // A read-only entry's dialog writes nothing: only Cancel leaves it.
    cmdOK->setEnabled(!m_readOnly && m_form);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* row = new QVBoxLayout;
    row->setContentsMargins(8, 4, 8, 8);
    row->addWidget(buttons);
    layout->addLayout(row);

    if (editor) {
        editor->initialize(true);
        editor->setFocus();
    }

    // The grid dialog has no caption of its own.
    QString caption = m_form ? m_form->windowTitle() : QString();
    if (caption.isEmpty())
        caption = QStringLiteral("Parameters");
    QString title = QStringLiteral("%1 (%2) - %3").arg(entry.name, entry.id, caption);
    if (m_readOnly)
        title += QStringLiteral(" [read-only]");
    setWindowTitle(title);
}

ParmDialogHost::~ParmDialogHost()
{
    // Gone without OK or Cancel (its window closed under it): as Cancel.
    if (m_form)
        restoreSnapshot(m_parms, m_before);
    detachForm();
}

void ParmDialogHost::done(int result)
{
    m_written = 0;
    if (result == Accepted && m_form && m_parms) {
        if (const auto editor = m_parms->editor())
            m_written = editor->persistData(true);
    }
    // Nothing written (Cancel, closed, locked, nothing changed, or the
    // dialog failed half-way): the set holds what it held before.
    if (m_written <= 0)
        restoreSnapshot(m_parms, m_before);
    detachForm();
    QDialog::done(result);
}

void ParmDialogHost::detachForm()
{
    if (!m_form)
        return;
    if (m_parms)
        if (const auto editor = m_parms->editor())
            editor->setVisible(false);
    m_form->hide();
    m_form->setMinimumSize(0, 0);
    m_form->setParent(nullptr, Qt::Window);
    m_form = nullptr;
}

} // namespace kalvex::edit
