// The host window test's fixture: kalvex-edit's window on a copy of the
// example database, an entry opened as a user opens it, and the check that
// the database in memory is what its file holds.
#pragma once
#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
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
#include "support/modal_driver.h"
#include "support/qt_printers.h"

namespace kalvex::edit::test {

using namespace kalvex::test;

inline QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline void clickAndSettle(QPushButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
}

class HostWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(KALVEX_SOURCE_DIR "/examples/demo.mra"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const LoadedDatabase db = loadAdminFile(path);
        ASSERT_TRUE(db.adm) << db.error.toStdString();
        window = std::make_unique<EditWindow>();
        window->setDatabase(db.adm, path);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        vbl_formRelease<frmGerberParms>();
        vbl_formRelease<frmParmEdit>();
        vbl_formRelease<frmVarsetupParms>();
        vbl_formRelease<frmDistribParms>();
        vbl_formRelease<frmObjectTest>();
    }

    // Makes the generator's row current and presses Enter, or double-clicks
    // it; the dialog shown, which must be a Form.
    template <class Form> Form* open(const QString& id, bool doubleClick = false, bool distributor = false)
    {
        QTreeView* list = distributor ? window->listDistributors : window->listGenerators;
        const QModelIndex row =
            list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, id, 1, Qt::MatchExactly).value(0);
        if (doubleClick) {
            const QPoint at = list->visualRect(row.siblingAtColumn(1)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        } else {
            list->setFocus();
            list->setCurrentIndex(row);
            QTest::keyClick(list, Qt::Key_Return);
        }
        Form* form = window->openDialog() ? qobject_cast<Form*>(window->openDialog()->form()) : nullptr;
        if (!form) // a failure of this test, not a crash of the suite
            throw std::runtime_error("no dialog of the expected kind for " + id.toStdString());
        // Keys typed next go where a person's would: into the dialog.
        if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == window->openDialog(); }))
            throw std::runtime_error("the dialog of " + id.toStdString() + " never became active");
        return form;
    }

    // Memory is the file when nothing is counted as changed and the database
    // writes out as the file read back writes out.
    void expectMemoryIsFile(const char* when)
    {
        SCOPED_TRACE(when);
        EXPECT_EQ(window->database()->modified(), 0) << "no change counted";
        const LoadedDatabase file = loadAdminFile(path);
        ASSERT_TRUE(file.adm) << file.error.toStdString();
        const QString shown = dir.filePath("shown.mra"), reread = dir.filePath("reread.mra");
        ASSERT_EQ(saveAdminFile(window->database(), shown) + saveAdminFile(file.adm, reread), QString());
        EXPECT_TRUE(bytesOf(shown) == bytesOf(reread)) << "memory differs from " << path.toStdString();
    }
    IKalvexGenParmsPtr parmsOf(const QString& id) const
    {
        return window->database()->generators()->item(id)->parameters();
    }
    ParmDialogHost* dialog() const { return window->openDialog(); }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("plant.mra"));
    std::unique_ptr<EditWindow> window;
};

} // namespace kalvex::edit::test
