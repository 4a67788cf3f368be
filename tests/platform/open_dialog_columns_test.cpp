// The Open dialogs' detail view fits its columns to each folder: no Name,
// Size, Type or Date cell cut, none kept as wide as another folder made it.
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
#include "platform/OpenDialogWindow.h" // CommonDialogDirect6.h uses it whole but declares it only
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

// The cells the detail view's columns cut ("name: text"); widths; spare: the view's less the columns'.
struct DetailView { QStringList cut{"not looked at"}; int name = 0, type = 0, view = 0, spare = 0; };

// The dialog opened on a folder of these files, in its detail view, once the columns are fitted.
template <class Dialog>
DetailView showDetail(Dialog& cd, const std::vector<std::pair<QString, QByteArray>>& files)
{
    QTemporaryDir dir;
    for (const auto& [name, content] : files) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(content);
    }
    cd.setInitDir(dir.path());
    DetailView seen;
    whenModal([&](QWidget* window) {
        auto* view = window->findChild<QTreeView*>("treeView");
        if (auto* detail = window->findChild<QAbstractButton*>("detailModeButton"))
            detail->click();
        const auto rows = [view] { return view ? view->model()->rowCount(view->rootIndex()) : 0; };
        // The columns are fitted once the folder has been read.
        (void)QTest::qWaitFor([&] {
            seen.cut = rows() < int(files.size()) ? QStringList{"not loaded"} : QStringList();
            for (int r = 0; r < rows(); ++r)
                for (int c = 0; c <= 3; ++c) {
                    const QModelIndex cell = view->model()->index(r, c, view->rootIndex());
                    if (view->sizeHintForIndex(cell).width() > view->header()->sectionSize(c))
                        seen.cut << cell.siblingAtColumn(0).data().toString() + ": " + cell.data().toString();
                }
            return seen.cut.isEmpty();
        });
        QTest::qWait(20); // what the fit did, settled
        const int width = view->viewport()->width(), used = view->header()->length();
        seen = {seen.cut, view->header()->sectionSize(0), view->header()->sectionSize(2), width, width - used};
        qobject_cast<QDialog*>(window)->reject();
    });
    cd.ShowOpen();
    return seen;
}

} // namespace

TEST(OpenDialogColumns, DetailColumnsFitEachFolderAndNameKeepsTheRest)
{
    ModalWatchdog dog;
    const auto fitsEachFolder = [](auto& cd) {
        QSettings(QSettings::UserScope, "QtProject").remove("FileDialog"); // no widths of a dialog before
        // Some twenty KiB, an empty file, a type the type database words at length.
        const DetailView wide = showDetail(
            cd, {{"panel_gerber.bin", QByteArray(21900, 'x')}, {"empty.txt", {}}, {"review.potx", "slides\n"}});
        // The dialog comes back with the widths it was closed with.
        const DetailView narrow = showDetail(cd, {{"a.h", "a\n"}, {"b.h", "b\n"}});
        EXPECT_EQ(wide.cut + narrow.cut, QStringList());
        EXPECT_LT(narrow.type, wide.type) << "the type column narrows to this folder's texts";
        EXPECT_GE(wide.name, wide.view / 3) << "long types never squeeze the names away";
        EXPECT_EQ(narrow.spare, 0) << "Name keeps what is left";
    };
    CommonDialog plain;
    fitsEachFolder(plain);
    CommonDialogDirect6 hooked;
    hooked.setEnableHook(true);
    SCOPED_TRACE("with the hook");
    fitsEachFolder(hooked);
}
