#include "platform/OpenDialogWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "platform/OpenDialogFocus.h"

namespace kalvex {

EmbeddedFileDialog::EmbeddedFileDialog(OpenDialogWindow* window) : QFileDialog(window)
{
    setOption(QFileDialog::DontUseNativeDialog, true);
    setWindowFlags(Qt::Widget);
    setSizeGripEnabled(false);
}

void EmbeddedFileDialog::done(int result)
{
    // A plain QFileDialog would hide itself here.
    setResult(result);
    if (result == QDialog::Accepted)
        emit itemsAccepted();
    else
        emit itemsRejected();
}

OpenDialogWindow::OpenDialogWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("OpenDialogWindow"));
    setModal(true);
    m_items = new EmbeddedFileDialog(this);
    m_items->setObjectName(QStringLiteral("openDialogItems"));
    markOpenDialogPlacesFocus(*m_items);
    m_hook = new QWidget(this);
    m_hook->setObjectName(QStringLiteral("hookDialog"));
    m_hook->setGeometry(0, 0, 0, 0);
    m_hook->hide();
    connect(m_items, &EmbeddedFileDialog::itemsRejected, this, [this] { reject(); });
    const QSize size = m_items->sizeHint();
    m_items->setGeometry(0, 0, size.width(), size.height());
    resize(size);
}

void OpenDialogWindow::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // The focus shows from the start, as on the forms (VbForm): the browser's
    // own Tab steering moves it by code, which styles would not draw.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void OpenDialogWindow::offerReadOnlyBox(bool offer)
{
    if (!offer || m_readOnly)
        return;
    m_readOnly = new QCheckBox(tr("Open as read-only"), m_items);
    m_readOnly->setObjectName(QStringLiteral("chx1"));
    if (auto* grid = qobject_cast<QGridLayout*>(m_items->layout()))
        grid->addWidget(m_readOnly, grid->rowCount(), 0, 1, grid->columnCount());
}

QWidget* OpenDialogWindow::item(int id) const
{
    auto child = [this](const char* name) { return m_items->findChild<QWidget*>(QLatin1String(name)); };
    auto* box = m_items->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    switch (id) {
    case ID_STC4: return child("lookInLabel");
    case ID_CMB2: return child("lookInCombo");
    case ID_STC3: return child("fileNameLabel");
    case ID_EDT1: return child("fileNameEdit");
    case ID_STC2: return child("fileTypeLabel");
    case ID_CMB1: return child("fileTypeCombo");
    case ID_LST2: return child("splitter");
    case ID_CHX1: return m_readOnly.data();
    case IDOK:
        if (!box)
            return nullptr;
        if (QPushButton* b = box->button(QDialogButtonBox::Open))
            return b;
        return box->button(QDialogButtonBox::Save);
    case IDCANCEL: return box ? box->button(QDialogButtonBox::Cancel) : nullptr;
    default: return nullptr;
    }
}

QList<QWidget*> OpenDialogWindow::toolBar() const
{
    QList<QWidget*> buttons;
    for (const char* name : {"backButton", "forwardButton", "toParentButton", "newFolderButton",
                             "listModeButton", "detailModeButton"}) {
        if (auto* w = m_items->findChild<QWidget*>(QLatin1String(name)))
            buttons << w;
    }
    return buttons;
}

QString OpenDialogWindow::currentFilePath() const
{
    const QString folder = m_items->directory().absolutePath();
    auto* edit = m_items->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QString name = edit ? edit->text().trimmed() : QString();
    // What the user types wins; otherwise the file selected in the list (the
    // field does not follow the list while it holds the focus).
    if (!(edit && edit->hasFocus() && !name.isEmpty())) {
        auto* view = m_items->findChild<QAbstractItemView*>(QStringLiteral("listView"));
        const QModelIndexList rows = view && view->selectionModel() ? view->selectionModel()->selectedRows()
                                                                    : QModelIndexList();
        if (rows.size() == 1) {
            const QFileInfo info(folder + QLatin1Char('/') + rows.first().data().toString());
            if (!info.isDir())
                name = info.fileName();
        }
    }
    if (name.isEmpty())
        return QDir::toNativeSeparators(folder);
    if (QDir::isAbsolutePath(name))
        return QDir::toNativeSeparators(QDir::cleanPath(name));
    return QDir::toNativeSeparators(QDir::cleanPath(folder + QLatin1Char('/') + name));
}

void OpenDialogWindow::cancelCommand()
{
    reject();
}

void OpenDialogWindow::done(int result)
{
    if (m_done)
        return;
    if (!m_closing) {
        m_closing = true;
        emit aboutToClose();
    }
    if (m_done)
        return;
    m_done = true;
    QDialog::done(result);
}

OpenDialogWindow* openDialogOf(QWidget* hookDialog)
{
    return hookDialog ? qobject_cast<OpenDialogWindow*>(hookDialog->parentWidget()) : nullptr;
}

} // namespace kalvex
