#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "foundation/progid_registry.h"
#include "platform/HvDirectorySelector.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using kalvex::test::whenModal;

TEST(DirectorySelector, AnswersTheChosenDirectoryOrNodef)
{
    kalvex::test::ModalWatchdog dog;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("out");
    auto sel = classCreate_HvDirectorySelector();
    ASSERT_TRUE(sel);
    sel->setStartDirectory(dir.path());
    sel->setTitle("Select the transfer directory");
    sel->setText("Choose");

    QString title, start;
    bool dirsOnly = false;
    whenModal([&](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        title = w->windowTitle();
        start = fd->directory().absolutePath();
        dirsOnly = fd->fileMode() == QFileDialog::Directory;
        auto* edit = w->findChild<QLineEdit*>("fileNameEdit");
        edit->setText("out");
        QTest::keyClick(edit, Qt::Key_Return);
        if (w->isVisible())
            fd->reject();
    });
    EXPECT_EQ(sel->show(), QDir::toNativeSeparators(QDir(dir.path()).absoluteFilePath("out")));
    EXPECT_EQ(title, "Select the transfer directory");
    EXPECT_EQ(start, QDir(dir.path()).absolutePath());
    EXPECT_TRUE(dirsOnly);

    whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(sel->show(), "NODEF");
}

TEST(DirectorySelector, IsCreatedByItsProgIdAndGoneWhenNotRegistered)
{
    ASSERT_TRUE(classCreate_HvDirectorySelector());
    auto& registry = ProgIdRegistry::instance();
    EXPECT_TRUE(registry.isRegistered("VeRedirorAZ.HvDirectorySelector"));
    registry.unregisterClass(PROGID_HV_DIRECTORY_SELECTOR);
    EXPECT_FALSE(classCreate_HvDirectorySelector());
    registry.registerClass<IHvDirectorySelector>(PROGID_HV_DIRECTORY_SELECTOR,
                                                 [] { return std::make_shared<HvDirectorySelector>(); });
    EXPECT_TRUE(classCreate_HvDirectorySelector());
}
