// Open-dialog filters written as "description|pattern|description|pattern"
// turned into the name filters of a Qt file dialog.
#pragma once
#include <QStringList>

class QFileDialog;

namespace kalvex {

// Open-dialog flags of the common dialogs.
constexpr int OFN_HIDEREADONLY = 4;
constexpr int OFN_PATHMUSTEXIST = 2048;
constexpr int OFN_FILEMUSTEXIST = 4096;

// One name filter per pair; "*.*" matches every file, ";" separates patterns.
QStringList openDialogNameFilters(const QString& filter);

// Filters, the filter shown first (1-based; out of range: the first),
// directory and file mode after the flags.
void applyOpenDialogSettings(QFileDialog& dialog, const QString& filter, int filterIndex, int flags);

// The 1-based index of the filter the dialog shows.
int openDialogFilterIndex(const QFileDialog& dialog);

} // namespace kalvex
