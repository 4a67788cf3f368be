// A small administration database built in code for the browser tests, and
// the driver that opens the browser through the file picker and answers it.
#pragma once
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "browser/frmFileBrowser.h"
#include "dialogs/morvObjs_pickers.h"
#include "platform/SSTab.h"
#include "platform/TList.h"
#include "platform/VbCheckBox.h"
#include "platform/VbComboBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbFrame.h"
#include "platform/VbPictureBox.h"
#include "support/modal_driver.h"
#include "support/sample_admin_db.h"

namespace kalvex::test {

struct SampleDb {
    QTemporaryDir workDir;
    IKalvexAdministratorPtr adm = makeSampleAdminDb(QDir(workDir.path()).absolutePath());

    QString workPath() const { return QDir(workDir.path()).absolutePath(); }
    // Creates an empty file in the work directory; its absolute path.
    QString file(const QString& name) const
    {
        QFile f(workDir.filePath(name));
        f.open(QIODevice::WriteOnly);
        return QDir(workDir.path()).absoluteFilePath(name);
    }
};

// Opens the browser through the file picker; `answer` acts as the user on
// the open browser (after its first folder is shown) and must close it. A
// browser still open afterwards is cancelled.
inline QString runBrowser(const QString& spec, const QString& browseId, const IKalvexAdministratorPtr& adm,
                          bool allowCheckout, std::function<void(frmFileBrowser*)> answer)
{
    ModalWatchdog dog(20000);
    QWidget caller;
    whenModal([answer](QWidget* w) {
        frmFileBrowser* b = vbl_formExists<frmFileBrowser>() ? vbl_formInstance<frmFileBrowser>() : nullptr;
        if (b && QTest::qWaitFor([b] { return b->m_controls->isVisible(); }, 3000))
            answer(b);
        if (w->isVisible() && b)
            b->cmdCancel->click();
        if (w->isVisible())
            qobject_cast<QDialog*>(w)->reject();
    });
    return morvObjs_parmBrowseFile(spec, browseId, &caller, adm, false, allowCheckout);
}

// Clicks a tree row (the list scrolled to it) as a user.
inline void clickRow(TList* tree, int row)
{
    QTreeWidgetItem* item = tree->rowItem(row);
    if (!item)
        return;
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

inline int rowOfText(const TList* tree, const QString& text)
{
    for (int r = 0; r < tree->ListCount(); ++r)
        if (tree->ItemText(r) == text)
            return r;
    return -1;
}

inline void clickTab(SSTab* tab, int index)
{
    QTest::mouseClick(tab->tabBar(), Qt::LeftButton, {}, tab->tabBar()->tabRect(index).center());
}

} // namespace kalvex::test
