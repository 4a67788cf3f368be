// Reads the detail view of an open non-native Open dialog.
#include "support/file_view_columns.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

namespace kalvex::test {

QStringList writeWideSampleFiles(const QString& folder)
{
    const QStringList names{"panel_gerber_output.bin", "empty.txt", "notes.verylongextension"};
    for (const QString& name : names) {
        QFile f(folder + "/" + name);
        if (!f.open(QIODevice::WriteOnly))
            continue;
        if (name.endsWith(".bin"))
            f.write(QByteArray(21900, 'x'));
        else if (!name.startsWith("empty"))
            f.write("some notes\n");
    }
    return names;
}

QStringList cutDetailCells(QWidget* window, int rows)
{
    auto* dialog = window->findChild<QFileDialog*>();
    if (!dialog)
        dialog = qobject_cast<QFileDialog*>(window);
    auto* view = dialog ? dialog->findChild<QTreeView*>("treeView") : nullptr;
    if (!view)
        return {"no view"};
    if (auto* detail = dialog->findChild<QAbstractButton*>("detailModeButton"))
        detail->click();
    const auto shown = [view] { return view->model()->rowCount(view->rootIndex()); };
    if (!QTest::qWaitFor([&] { return shown() >= rows; }, 5000))
        return {"not loaded"};
    QStringList cut;
    const auto collect = [&] {
        cut.clear();
        for (int r = 0; r < shown(); ++r) {
            const QModelIndex name = view->model()->index(r, 0, view->rootIndex());
            for (int c = 0; c <= 3; ++c) {
                const QModelIndex cell = name.siblingAtColumn(c);
                if (view->sizeHintForIndex(cell).width() > view->header()->sectionSize(c))
                    cut << name.data().toString() + ": " + QString::number(c) + " " + cell.data().toString();
            }
        }
        return cut.isEmpty();
    };
    // The columns are fitted once the folder has been read.
    (void)QTest::qWaitFor(collect, 3000);
    return cut;
}

} // namespace kalvex::test
