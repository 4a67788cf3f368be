#include "platform/OpenDialogColumns.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPointer>
#include <QTimer>
#include <QTreeView>

namespace kalvex {

namespace {

// Size, Type and Date of the file-system model; the name column keeps the
// width the dialog gives it and the user changes.
constexpr int kFirstFittedColumn = 1;
constexpr int kLastFittedColumn = 3;

void fitColumns(QTreeView* view)
{
    QHeaderView* header = view->header();
    // The view measures at most the header's precision of rows (1000 by
    // default), so a huge folder costs no more than a large one.
    for (int c = kFirstFittedColumn; c <= kLastFittedColumn && c < header->count(); ++c) {
        const int before = header->sectionSize(c);
        view->resizeColumnToContents(c);
        if (header->sectionSize(c) < before)
            header->resizeSection(c, before);
    }
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
    QObject::connect(model, &QFileSystemModel::directoryLoaded, view, [view] {
        QTimer::singleShot(0, view, [view] {
            if (view)
                fitColumns(view);
        });
    });
    fitColumns(view);
}

} // namespace kalvex
