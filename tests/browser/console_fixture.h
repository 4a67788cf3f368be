// The object test console in tests: the shared instance, released after each
// test so that the next starts on a new one, and a user's way of loading.
#pragma once
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "browser/frmObjectTest.h"
#include "browser/kalvexUi_install.h"
#include "platform/SSTab.h"
#include "platform/TList.h"
#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbFrame.h"
#include "platform/VbLabel.h"
#include "platform/VbListBox.h"
#include "platform/VbTextBox.h"
#include "store/store_test_support.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

namespace kalvex::test {

// Whether any row of the tree holds the text.
inline bool treeShows(const TList* tree, const QString& text)
{
    for (int row = 0; row < tree->ListCount(); ++row)
        if (tree->ItemText(row).contains(text))
            return true;
    return false;
}

inline QStringList listLines(const VbListBox* list)
{
    QStringList lines;
    for (int i = 0; i < list->ListCount(); ++i)
        lines << list->List(i);
    return lines;
}

class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        kalvexUi_install();
        ASSERT_FALSE(vbl_formExists<frmObjectTest>()) << "a console was left over";
        console = vbl_formInstance<frmObjectTest>();
    }
    void TearDown() override
    {
        closeLeftoverModals();
        vbl_formRelease<frmObjectTest>();
    }

    void showConsole()
    {
        console->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(console));
    }
    // Types the file name and clicks Load, as a user.
    void loadKeywordFile(const QString& path)
    {
        showConsole();
        typeInto(console->textASCIISource, path);
        clickWidget(console->cmdLoadGenRUV);
    }
    void loadJobPrefs(const QString& path)
    {
        showConsole();
        console->SSTab1->setCurrentIndex(2);
        typeInto(console->textJprefs, path);
        clickWidget(console->cmdLoadJprefs);
    }
    QString writeFile(const QString& name, const QByteArray& content)
    {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return QDir(dir.path()).absoluteFilePath(name);
    }
    QString pathIn(const QString& name) const { return QDir(dir.path()).absoluteFilePath(name); }

    frmObjectTest* console = nullptr;
    QTemporaryDir dir;
};

} // namespace kalvex::test
