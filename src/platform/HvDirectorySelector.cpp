#include "platform/HvDirectorySelector.h"

#include "foundation/progid_registry.h"
#include "foundation/vbl_file.h"

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
    const QString start = vbl_file_toNative(m_start.trimmed());
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
    // The selector is created by its ProgID, so a host can put its own in
    // place; ours is registered on first use unless one is there already.
    static const bool registered = [] {
        auto& registry = ProgIdRegistry::instance();
        if (!registry.isRegistered(PROGID_HV_DIRECTORY_SELECTOR))
            registry.registerClass<IHvDirectorySelector>(
                PROGID_HV_DIRECTORY_SELECTOR, [] { return std::make_shared<HvDirectorySelector>(); });
        return true;
    }();
    Q_UNUSED(registered)
    return createByProgId<IHvDirectorySelector>(PROGID_HV_DIRECTORY_SELECTOR);
}

} // namespace kalvex
