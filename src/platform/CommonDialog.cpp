#include "platform/CommonDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "foundation/vbl_file.h"
#include "platform/OpenDialogColumns.h"
#include "platform/OpenDialogFilter.h"
#include "platform/OpenDialogFocus.h"

namespace kalvex {

CommonDialog::CommonDialog(QWidget* owner) : QObject(owner), m_owner(owner)
{
    setObjectName(QStringLiteral("cDialog"));
}

int CommonDialog::ShowOpen()
{
    QFileDialog dialog(m_owner ? m_owner->window() : nullptr, m_title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setWindowModality(Qt::ApplicationModal);
    applyOpenDialogSettings(dialog, m_filter, m_filterIndex, m_flags);
    fitOpenDialogColumns(dialog);
    markOpenDialogPlacesFocus(dialog);
    if (!m_defaultExt.isEmpty() && m_defaultExt != QLatin1String("*"))
        dialog.setDefaultSuffix(m_defaultExt);

    const QString name = vbl_file_toNative(m_fileName);
    const QFileInfo nameInfo(name);
    if (!m_initDir.isEmpty() && QFileInfo(vbl_file_toNative(m_initDir)).isDir())
        dialog.setDirectory(vbl_file_toNative(m_initDir));
    else if (nameInfo.isAbsolute() && nameInfo.dir().exists())
        dialog.setDirectory(nameInfo.dir());
    if (!name.isEmpty())
        dialog.selectFile(nameInfo.isAbsolute() && nameInfo.dir() == dialog.directory() ? nameInfo.fileName()
                                                                                       : name);

    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        m_fileName = QDir::toNativeSeparators(dialog.selectedFiles().first());
        m_filterIndex = openDialogFilterIndex(dialog);
        return 0;
    }
    return m_cancelError ? cdlCancel : 0;
}

} // namespace kalvex
