#include "platform/OpenDialogColumns.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPointer>
#include <QTimer>
#include <QTreeView>

namespace kalvex {

namespace {

// Name, then Size, Type and Date of the file-system model.
constexpr int kNameColumn = 0;
constexpr int kFirstFittedColumn = 1;
constexpr int kLastFittedColumn = 3;

// Keeps the view's columns fitted; lives as the view's child.
class ColumnFitter : public QObject {
public:
    explicit ColumnFitter(QTreeView* view)
        : QObject(view)
        , m_view(view)
    {
        view->viewport()->installEventFilter(this);
    }

    // Size, Type and Date to their texts in the folder shown, then Name.
    void fitToFolder()
    {
        for (int c = kFirstFittedColumn; c <= kLastFittedColumn && c < header()->count(); ++c)
            m_view->resizeColumnToContents(c);
        giveNameTheRest();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Resize)
            giveNameTheRest(); // no measuring: the others keep their widths
        return QObject::eventFilter(watched, e);
    }

private:
    QHeaderView* header() const { return m_view->header(); }

    void giveNameTheRest()
    {
        QHeaderView* h = header();
        if (h->count() <= kNameColumn)
            return;
        int others = 0;
        for (int c = 0; c < h->count(); ++c)
            if (c != kNameColumn && !h->isSectionHidden(c))
                others += h->sectionSize(c);
        const int view = m_view->viewport()->width();
        // Long texts in the other columns never squeeze the names away: the
        // view scrolls sideways then.
        const int least = qMax(view / 3, h->sectionSizeHint(kNameColumn));
        h->resizeSection(kNameColumn, qMax(least, view - others));
    }

    QTreeView* m_view;
};

} // namespace

void fitOpenDialogColumns(QFileDialog& dialog)
{
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!view || !model)
        return;
    // The last column would otherwise take the rest from Name.
    view->header()->setStretchLastSection(false);
    QPointer<ColumnFitter> fitter = new ColumnFitter(view);
    // The model reads a folder in the background (again on each entering);
    // its rows are in once it says the folder is loaded and the queued row
    // updates have run.
    QObject::connect(model, &QFileSystemModel::directoryLoaded, fitter, [fitter] {
        QTimer::singleShot(0, fitter, [fitter] {
            if (fitter)
                fitter->fitToFolder();
        });
    });
    fitter->fitToFolder();
}

} // namespace kalvex
