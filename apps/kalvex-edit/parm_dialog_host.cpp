// Hosting a shared parameter dialog with OK and Cancel; OK saves.
#include "parm_dialog_host.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "dialogs/KalvexParmFormBase.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/vbl_form.h"

namespace kalvex::edit {

namespace {
// The dialogs' own message lines (the grid dialog reports a refused rename there).
constexpr int kFormMessageLines = 2;

VbLabel* formMessageLine(QWidget* form, int line)
{
    auto* vbForm = qobject_cast<VbForm*>(form);
    return vbForm ? qobject_cast<VbLabel*>(vbForm->controlByName(QStringLiteral("mess%1").arg(line))) : nullptr;
}
// OK is the default button, whose frame looks focused whether it is or not:
// it rings itself when it really holds the focus.
class HostButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPushButton::paintEvent(e);
        if (hasFocus() && isDefault())
            vbl_drawFocusRing(this);
    }
};

QPushButton* addHostButton(QDialogButtonBox* box, const QString& name, const QString& text,
                           QDialogButtonBox::ButtonRole role, QStyle::StandardPixmap icon)
{
    auto* button = new HostButton(text, box);
    button->setObjectName(name);
    if (box->style()->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons, nullptr, box))
        button->setIcon(box->style()->standardIcon(icon, nullptr, button));
    box->addButton(button, role);
    return button;
}
} // namespace

ParmDialogHost::ParmDialogHost(const Entry& entry, IKalvexAdministratorPtr adm, WatchedFile* file, QWidget* parent)
    : QDialog(parent), m_parms(entry.parms), m_adm(std::move(adm)), m_file(file),
      m_readOnly(entry.readOnly)
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
    // Why OK left the dialog open: a failed save or a refused change.
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("hostMessage"));
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_message->setStyleSheet(QStringLiteral("color: #b00000"));
    m_message->hide();
    auto* buttons = new QDialogButtonBox(this);
    cmdOK = addHostButton(buttons, QStringLiteral("cmdOK"), QStringLiteral("OK"), QDialogButtonBox::AcceptRole,
                          QStyle::SP_DialogOkButton);
    cmdCancel = addHostButton(buttons, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"),
                              QDialogButtonBox::RejectRole, QStyle::SP_DialogCancelButton);
    // A read-only entry's dialog writes nothing: only Cancel leaves it.
    cmdOK->setEnabled(!m_readOnly && m_form);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* row = new QVBoxLayout;
    row->setContentsMargins(8, 4, 8, 8);
    row->addWidget(m_message);
    row->addWidget(buttons);
    layout->addLayout(row);

    if (editor)
        editor->initialize(true);

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
    // Gone without OK or Cancel (its window destroyed under it): the set's
    // values go back as they were; the host reloads the file when it can.
    if (m_form)
        restoreSnapshot(m_parms, m_before);
    detachForm();
}

void ParmDialogHost::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_focusPlaced)
        placeInitialFocus();
}

void ParmDialogHost::placeInitialFocus()
{
    // Where the dialog itself puts it (the grid, the batch-file box, a
    // dedicated dialog's first field), not on the first button of the
    // focus chain, where Enter would press it unseen. The editor's step
    // first: it focuses the grid dialog's form as a whole.
    m_focusPlaced = true;
    if (const auto editor = m_parms ? m_parms->editor() : nullptr)
        editor->setFocus();
    if (auto* form = qobject_cast<KalvexParmFormBase*>(m_form))
        form->forceFocus();
}

bool ParmDialogHost::setChanged() const { return takeSnapshot(m_parms) != m_before; }

QString ParmDialogHost::message() const { return m_message->text(); }

void ParmDialogHost::showMessage(const QString& text)
{
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
    // A window does not grow by itself for a wrapped label's lines: made
    // tall enough here, so that the message does not cover the form.
    if (QLayout* l = layout(); l && !text.isEmpty()) {
        l->activate();
        const int needed = l->hasHeightForWidth() ? l->totalHeightForWidth(width()) : l->totalSizeHint().height();
        if (height() < needed)
            resize(width(), needed);
    }
}

QString ParmDialogHost::formMessage() const
{
    QStringList lines;
    for (int line = 1; line <= kFormMessageLines; ++line)
        if (VbLabel* label = formMessageLine(m_form, line); label && !label->caption().isEmpty())
            lines << label->caption().replace(QLatin1String("&&"), QLatin1String("&"));
    return lines.join(QLatin1Char(' '));
}

void ParmDialogHost::clearFormMessage()
{
    auto* vbForm = qobject_cast<VbForm*>(m_form);
    for (int line = 1; line <= kFormMessageLines; ++line)
        if (formMessageLine(m_form, line))
            vbl_form_showMessage(QString(), vbForm, line, 0, 0);
}

bool ParmDialogHost::commit()
{
    const auto editor = m_parms->editor();
    if (!editor) {
        showMessage(QStringLiteral("The entry's parameters have no editor: nothing saved."));
        return false;
    }
    clearFormMessage();
    const int written = editor->persistData(true);
    if (written < 0) {
        showMessage(QStringLiteral("The dialog could not write its values: nothing saved. "
                                   "Cancel leaves the entry as the file has it."));
        return false;
    }
    m_written += written;
    // A change the dialog refused (a rename to a name taken or empty): the
    // person corrects it or cancels; nothing is saved meanwhile.
    if (const QString refused = formMessage(); !refused.isEmpty()) {
        showMessage(QStringLiteral("Not saved: %1 Correct it and press OK, or Cancel.").arg(refused));
        return false;
    }
    // Changes of an earlier OK whose save failed are still unsaved: saved
    // now even when the dialog counts nothing new.
    if (m_written == 0 && (!m_adm || m_adm->modified() == 0)) {
        m_outcome = Outcome::NoChanges;
        return true;
    }
    QString why = QStringLiteral("no file");
    switch (m_file ? m_file->save(m_adm, &why) : WatchedFile::Saved::Failed) {
    case WatchedFile::Saved::Yes: break;
    case WatchedFile::Saved::ChangedOutside:
        // Written now, memory would drop what the other program saved.
        showMessage(QStringLiteral("Not saved: %1. Cancel reads the file again (the values here are dropped).")
                        .arg(why));
        return false;
    case WatchedFile::Saved::Failed:
        showMessage(QStringLiteral("Not saved, %1 kept as it was: %2. Press OK to try again, or Cancel to leave "
                                   "the entry as the file has it.")
                        .arg(m_file ? m_file->fileName() : QString(), why));
        return false;
    }
    m_outcome = Outcome::Saved;
    return true;
}

void ParmDialogHost::done(int result)
{
    if (result == Accepted && m_form && m_parms && !m_readOnly) {
        if (!commit()) {
            emit keptOpen(message()); // stays open with the reason above the buttons
            return;
        }
    } else {
        m_outcome = result == Accepted && m_readOnly ? Outcome::ReadOnly : Outcome::Cancelled;
    }
    showMessage(QString());
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
