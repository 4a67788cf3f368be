#include "platform/CommonDialogDirect6.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

#include "foundation/vbl_file.h"
#include "platform/OpenDialogColumns.h"
#include "platform/OpenDialogFilter.h"
#include "platform/OpenDialogWindow.h"

namespace kalvex {

CommonDialogDirect6::CommonDialogDirect6(QObject* parent) : QObject(parent) {}

CommonDialogDirect6::~CommonDialogDirect6() = default;

bool CommonDialogDirect6::ShowOpen()
{
    if (m_window)
        return false; // already showing
    OpenDialogWindow wnd(m_owner ? m_owner->window() : nullptr);
    m_window = &wnd;
    wnd.setWindowTitle(m_title);
    EmbeddedFileDialog* fd = wnd.items();
    applyOpenDialogSettings(*fd, m_filter, m_filterIndex, m_flags);
    fitOpenDialogColumns(*fd);
    if (!m_defaultExt.isEmpty() && m_defaultExt != QLatin1String("*"))
        fd->setDefaultSuffix(m_defaultExt);
    const QString dir = vbl_file_toNative(m_initDir);
    if (!dir.isEmpty() && QFileInfo(dir).isDir())
        fd->setDirectory(dir);
    if (!m_fileName.isEmpty())
        fd->selectFile(vbl_file_toNative(m_fileName));
    wnd.offerReadOnlyBox(!(m_flags & OFN_HIDEREADONLY));

    // Reported once the dialog has taken the change in (the file-name field
    // follows the selection only after currentChanged).
    connect(fd, &QFileDialog::directoryEntered, this, [this, &wnd] {
        QTimer::singleShot(0, &wnd, [this, &wnd] {
            if (m_hook && !wnd.closing())
                emit FolderChange();
        });
    });
    connect(fd, &QFileDialog::currentChanged, this, [this, &wnd] {
        QTimer::singleShot(0, &wnd, [this, &wnd] {
            if (m_hook && !wnd.closing())
                emit FileChange();
        });
    });
    connect(&wnd, &OpenDialogWindow::aboutToClose, this, [this] {
        if (m_hook)
            emit DialogClose();
    });
    connect(fd, &EmbeddedFileDialog::itemsAccepted, this, [this, &wnd, fd] {
        bool accept = !m_hook;
        if (m_hook)
            emit DialogOK(&accept);
        if (!accept || wnd.closing())
            return;
        const QStringList files = fd->selectedFiles();
        if (!files.isEmpty())
            m_fileName = QDir::toNativeSeparators(files.first());
        wnd.done(QDialog::Accepted);
    });

    if (m_hook) {
        emit InitDialog(wnd.hookDialog());
        // The first folder is reported once the window is up.
        QTimer::singleShot(0, &wnd, [this, &wnd] {
            if (!wnd.closing())
                emit FolderChange();
        });
    } else {
        PlaceDialog(wnd.hookDialog());
    }
    const int result = wnd.exec();
    m_window = nullptr;
    return result == QDialog::Accepted;
}

void CommonDialogDirect6::PlaceDialog(QWidget* hookDialog)
{
    OpenDialogWindow* wnd = openDialogOf(hookDialog);
    if (!wnd)
        return;
    QRect area;
    if (m_owner && m_owner->window()->isVisible())
        area = m_owner->window()->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (!area.isValid())
        return;
    QRect r = wnd->frameGeometry();
    r.moveCenter(area.center());
    wnd->move(r.topLeft().x() < 0 ? 0 : r.topLeft().x(), r.topLeft().y() < 0 ? 0 : r.topLeft().y());
}

} // namespace kalvex
