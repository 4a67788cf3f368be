// Answers the pickers a dialog opens, as a user would: the file browser
// (support/browser_answer.h) and the Open and directory dialogs.
#pragma once
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QString>
#include <QTest>

#include "support/browser_answer.h"
#include "support/modal_driver.h"

namespace kalvex::test {

// Types the name into an Open or directory dialog as a user once the folder
// has been read (a selection made while it loads would replace a name set
// before), then Enter.
inline void chooseInFileDialog(QFileDialog* fd, const QString& name)
{
    fd->activateWindow();
    (void)QTest::qWaitForWindowActive(fd);
    auto* view = fd->findChild<QListView*>("listView");
    (void)QTest::qWaitFor([view] { return view->model()->rowCount(view->rootIndex()) > 0; }, 3000);
    auto* edit = fd->findChild<QLineEdit*>("fileNameEdit");
    typeInto(edit, name);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace kalvex::test
