// kalvex-edit's window on a copy of the example database, entries opened as a user does, memory checked against file.
#pragma once
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <cstdio>
#include <stdexcept>

#include "admin_file.h"
#include "browser/frmObjectTest.h"
#include "dialogs/frmDistribParms.h"
#include "dialogs/frmGerberParms.h"
#include "dialogs/frmParmEdit.h"
#include "dialogs/frmVarsetupParms.h"
#include "edit_window.h"
#include "interfaces/IKalvexGenerators.h"
#include "parm_dialog_host.h"
#include "store/store_test_support.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

namespace kalvex::edit::test {

using namespace kalvex::test;

// Writes the file as another program does: in place, or as an editor saves, a new file renamed over it.
inline void writeOutside(const QString& path, const QByteArray& bytes, bool byRename)
{
    QFile file(byRename ? path + ".new" : path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    ASSERT_TRUE(!byRename || std::rename(qPrintable(file.fileName()), qPrintable(path)) == 0);
}

inline void clickAndSettle(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); QCoreApplication::processEvents(); }

class HostWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(demoDatabasePath(), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const LoadedDatabase db = loadAdminFile(path);
        ASSERT_TRUE(db.adm) << db.error.toStdString();
        window = std::make_unique<EditWindow>();
        window->setDatabase(db.adm, path, db.read);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    template <class... Forms> static void release() { (vbl_formRelease<Forms>(), ...); }
    void TearDown() override
    {
        window.reset();
        release<frmGerberParms, frmParmEdit, frmVarsetupParms, frmDistribParms, frmObjectTest>();
    }

    QModelIndex generatorRow(const QString& id) const
    {
        QAbstractItemModel* rows = window->listGenerators->model();
        return rows->match(rows->index(0, 0), Qt::DisplayRole, id, 1, Qt::MatchExactly).value(0);
    }
    // Enter on the generator's row, or a double click; the dialog, a Form, active for the keys typed next.
    template <class Form> Form* open(const QString& id, bool doubleClick = false)
    {
        QTreeView* list = window->listGenerators;
        const QModelIndex row = generatorRow(id);
        if (doubleClick) {
            const QPoint at = list->visualRect(row.siblingAtColumn(1)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        } else {
            list->setFocus();
            list->setCurrentIndex(row);
            QTest::keyClick(list, Qt::Key_Return);
        }
        Form* form = dialog() ? qobject_cast<Form*>(dialog()->form()) : nullptr;
        if (!form || !QTest::qWaitFor([this] { return QApplication::activeWindow() == dialog(); }))
            throw std::runtime_error("no active dialog of the expected kind for " + id.toStdString()); // not a crash
        return form;
    }

    // Nothing counted as changed, and memory writes out as the file read back does.
    void expectMemoryIsFile(const char* when)
    {
        SCOPED_TRACE(when);
        EXPECT_EQ(window->database()->modified(), 0);
        const LoadedDatabase file = loadAdminFile(path);
        ASSERT_TRUE(file.adm) << file.error.toStdString();
        const QString shown = dir.filePath("shown.mra"), reread = dir.filePath("reread.mra");
        ASSERT_EQ(saveAdminFile(window->database(), shown) + saveAdminFile(file.adm, reread), QString());
        EXPECT_TRUE(readAllOf(shown) == readAllOf(reread)) << "memory differs from the file";
    }
    auto parmsOf(const QString& id) const { return window->database()->generators()->item(id)->parameters(); }
    ParmDialogHost* dialog() const { return window->openDialog(); }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("plant.mra"));
    std::unique_ptr<EditWindow> window;
};

} // namespace kalvex::edit::test
