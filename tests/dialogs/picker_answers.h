// Answers the pickers a dialog opens, as a user would: the file browser
// (recording what it was opened with) and the Open and directory dialogs.
#pragma once
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QString>
#include <QTest>

#include "browser/frmFileBrowser.h"
#include "platform/VbCommandButton.h"
#include "platform/VbPictureBox.h"
#include "platform/VbTextBox.h"
#include "support/modal_driver.h"

namespace kalvex::test {

struct BrowserSeen {
    bool shown = false;
    QString spec;
    bool checkout = false;
    IKalvexAdministratorPtr adm; // the database the browser was given
};

// Answers the next file browser: types `answer` into its result line and
// clicks OK, or clicks Cancel when `answer` is empty.
inline void answerBrowser(BrowserSeen& seen, const QString& answer)
{
    whenModal([&seen, answer](QWidget* w) {
        frmFileBrowser* b = vbl_formExists<frmFileBrowser>() ? vbl_formInstance<frmFileBrowser>() : nullptr;
        if (b && QTest::qWaitFor([b] { return b->m_controls->isVisible(); }, 3000)) {
            seen.shown = true;
            seen.spec = b->inFileSpec();
            seen.checkout = b->enable_checkoutTab();
            seen.adm = b->admObj();
            if (answer.isEmpty()) {
                clickWidget(b->cmdCancel);
            } else {
                typeInto(b->textResult, answer);
                clickWidget(b->cmdOk);
            }
        }
        if (w->isVisible() && b)
            b->cmdCancel->click();
    });
}

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
