#include "platform/OpenDialogColumns.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPointer>
#include <QTimer>
#include <QTreeView>
#include <memory>

namespace kalvex {

namespace {

// Name, then Size, Type and Date of the file-system model.
constexpr int kNameColumn = 0;
constexpr int kFirstFittedColumn = 1;
constexpr int kLastFittedColumn = 3;

// Widens a column to its contents, never narrowing it. The view measures at
// most the header's precision of rows (1000 by default), so a huge folder
// costs no more than a large one.
void widenToContents(QTreeView* view, int column)
{
    QHeaderView* header = view->header();
    const int before = header->sectionSize(column);
    view->resizeColumnToContents(column);
    if (header->sectionSize(column) < before)
        header->resizeSection(column, before);
}

void fitColumns(QTreeView* view, bool first)
{
    QHeaderView* header = view->header();
    int fitted = 0;
    for (int c = kFirstFittedColumn; c <= kLastFittedColumn && c < header->count(); ++c) {
        widenToContents(view, c);
        fitted += header->sectionSize(c);
    }
    // The first time, the name column gives up what the others took, as far
    // as the names allow; later it keeps what the user made of it.
    const int nameWidth = header->sectionSize(kNameColumn);
    const int room = view->viewport()->width() - fitted;
    if (!first || room >= nameWidth)
        return;
    view->resizeColumnToContents(kNameColumn);
    header->resizeSection(kNameColumn, qMin(nameWidth, qMax(header->sectionSize(kNameColumn), room)));
}

} // namespace

void fitOpenDialogColumns(QFileDialog& dialog)
{
    QPointer<QTreeView> view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!view || !model)
        return;
    // The model reads a folder in the background; its rows are in once it
    // says the folder is loaded and the queued row updates have run.
    auto first = std::make_shared<bool>(true);
    QObject::connect(model, &QFileSystemModel::directoryLoaded, view, [view, first] {
        QTimer::singleShot(0, view, [view, first] {
            if (!view)
                return;
            fitColumns(view, *first);
            *first = false;
        });
    });
    fitColumns(view, false);
}

} // namespace kalvex
