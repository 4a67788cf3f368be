// The Open dialogs' detail view fits its columns to each folder: no Name,
// Size, Type or Date cell cut, no column kept as wide as another folder's
// texts made it.
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

using Files = std::vector<std::pair<QString, QByteArray>>;

// What the detail view showed of a folder.
struct DetailView {
    QStringList cut{"not looked at"}; // "name: text" of each cell its column cuts
    int name = 0, type = 0;           // column widths
    int spare = 0;                    // the view's width less all the columns'
    int third = 0;                    // a third of the view's width
};

// Opens the dialog on a folder of these files, in its detail view, once the
// columns are fitted to them.
template <class Dialog>
DetailView showDetail(Dialog& cd, const Files& files)
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
        seen.name = view->header()->sectionSize(0);
        seen.type = view->header()->sectionSize(2);
        seen.spare = view->viewport()->width() - view->header()->length();
        seen.third = view->viewport()->width() / 3;
        qobject_cast<QDialog*>(window)->reject();
    });
    cd.ShowOpen();
    return seen;
}

// Long Size and Type texts: some twenty KiB, a type named at length (the
// type is the file's kind as the system's type database words it).
const Files longTexts = {{"panel_gerber.bin", QByteArray(21900, 'x')},
                         {"empty.txt", {}},
                         {"review.potx", "slides\n"}};
const Files shortTexts = {{"a.h", "a\n"}, {"b.h", "b\n"}};

template <class Dialog>
void expectFittedToEachFolder(Dialog& cd)
{
    // Without the widths a file dialog shown before left behind.
    QSettings(QSettings::UserScope, "QtProject").remove("FileDialog");
    const DetailView wide = showDetail(cd, longTexts);
    EXPECT_EQ(wide.cut, QStringList());
    // The dialog comes back with the widths it was closed with.
    const DetailView narrow = showDetail(cd, shortTexts);
    EXPECT_EQ(narrow.cut, QStringList());
    EXPECT_LT(narrow.type, wide.type) << "the type column narrows to this folder's texts";
    EXPECT_GE(wide.name, wide.third) << "long types never squeeze the names away";
    EXPECT_GT(narrow.name, wide.name);
    EXPECT_EQ(narrow.spare, 0) << "Name keeps what is left";
}

} // namespace

TEST(OpenDialogColumns, DetailColumnsFitEachFolderAndNameKeepsTheRest)
{
    ModalWatchdog dog;
    CommonDialog plain;
    expectFittedToEachFolder(plain);
    CommonDialogDirect6 hooked;
    hooked.setEnableHook(true);
    SCOPED_TRACE("with the hook");
    expectFittedToEachFolder(hooked);
}
