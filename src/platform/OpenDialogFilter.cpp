#include "platform/OpenDialogFilter.h"

#include <QComboBox>
#include <QFileDialog>

namespace kalvex {

QStringList openDialogNameFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (QString p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            p = p.trimmed();
            patterns << (p == QLatin1String("*.*") ? QStringLiteral("*") : p);
        }
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        result << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return result;
}

void applyOpenDialogSettings(QFileDialog& dialog, const QString& filter, int filterIndex, int flags)
{
    const QStringList filters = openDialogNameFilters(filter);
    // The descriptions already name their patterns ("All Files(*.*)"): the
    // list shows them as written and the patterns only filter.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int i = filterIndex >= 1 && filterIndex <= filters.size() ? filterIndex - 1 : 0;
        dialog.selectNameFilter(filters[i]);
    }
    dialog.setFileMode((flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
}

int openDialogFilterIndex(const QFileDialog& dialog)
{
    // The list shows descriptions only, so its position is the one to trust.
    if (const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        if (types->currentIndex() >= 0 && types->count() == dialog.nameFilters().size())
            return types->currentIndex() + 1;
    const int i = int(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    return i < 0 ? 1 : i + 1;
}

} // namespace kalvex
