#include "platform/HvDirectorySelector.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace kalvex {

QString HvDirectorySelector::show()
{
    QFileDialog dialog(QApplication::activeWindow(), m_title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setWindowModality(Qt::ApplicationModal);
    const QString start = QDir::fromNativeSeparators(m_start.trimmed());
    if (!start.isEmpty() && QFileInfo(start).isDir())
        dialog.setDirectory(start);
    if (!m_text.isEmpty())
        dialog.setLabelText(QFileDialog::Accept, m_text);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QStringLiteral("NODEF");
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

std::shared_ptr<IHvDirectorySelector> classCreate_HvDirectorySelector()
{
    return std::make_shared<HvDirectorySelector>();
}

} // namespace kalvex
