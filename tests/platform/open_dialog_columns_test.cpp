// The Open dialogs' detail view cuts no Name, Size, Type or Date cell.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "platform/CommonDialog.h"
#include "platform/CommonDialogDirect6.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

// Opens the dialog on files whose Size, Type and Date texts are long, in its
// detail view, and answers the cells their column cuts ("name: text").
template <class Dialog>
QStringList detailCellsCut(Dialog& cd)
{
    QTemporaryDir dir;
    // Some twenty KiB, an empty file, a long extension.
    const std::pair<const char*, QByteArray> files[] = {
        {"panel_gerber_output.bin", QByteArray(21900, 'x')}, {"empty.txt", {}}, {"notes.verylongextension", "notes\n"}};
    for (const auto& [name, content] : files) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(content);
    }
    cd.setInitDir(dir.path());
    // Without the widths a file dialog shown before left behind.
    QSettings(QSettings::UserScope, "QtProject").remove("FileDialog");
    QStringList cut{"not looked at"};
    whenModal([&](QWidget* window) {
        auto* view = window->findChild<QTreeView*>("treeView");
        if (auto* detail = window->findChild<QAbstractButton*>("detailModeButton"))
            detail->click();
        const auto rows = [view] { return view ? view->model()->rowCount(view->rootIndex()) : 0; };
        // The columns are fitted once the folder has been read.
        (void)QTest::qWaitFor([&] {
            cut = rows() < int(std::size(files)) ? QStringList{"not loaded"} : QStringList();
            for (int r = 0; r < rows(); ++r)
                for (int c = 0; c <= 3; ++c) {
                    const QModelIndex cell = view->model()->index(r, c, view->rootIndex());
                    if (view->sizeHintForIndex(cell).width() > view->header()->sectionSize(c))
                        cut << cell.siblingAtColumn(0).data().toString() + ": " + cell.data().toString();
                }
            return cut.isEmpty();
        });
        qobject_cast<QDialog*>(window)->reject();
    });
    cd.ShowOpen();
    return cut;
}

} // namespace

TEST(OpenDialogColumns, DetailColumnsAreAsWideAsTheirTexts)
{
    ModalWatchdog dog;
    CommonDialog plain;
    EXPECT_EQ(detailCellsCut(plain), QStringList());
    CommonDialogDirect6 hooked;
    hooked.setEnableHook(true);
    EXPECT_EQ(detailCellsCut(hooked), QStringList()) << "with the hook";
}
