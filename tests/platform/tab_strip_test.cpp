#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "platform/SSTab.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

struct Strip {
    SSTab tab;
    QList<int> clicks;
    Strip()
    {
        tab.addTab(new QLabel("files"), "File Selection");
        tab.addTab(new QLabel("checkout"), "File Checkout");
        QObject::connect(&tab, &SSTab::Click, [this](int previous) { clicks << previous; });
        tab.resize(300, 200);
        tab.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&tab));
    }
    void clickTab(int i) { QTest::mouseClick(tab.tabBar(), Qt::LeftButton, {}, tab.tabBar()->tabRect(i).center()); }
};

} // namespace

TEST(TabStrip, ClickCarriesThePreviousTab)
{
    Strip s;
    EXPECT_EQ(s.tab.Tab(), 0);
    EXPECT_TRUE(s.clicks.isEmpty()); // adding pages is no change
    s.clickTab(1);
    EXPECT_EQ(s.tab.Tab(), 1);
    s.tab.setTab(0);
    EXPECT_EQ(s.clicks, QList<int>({0, 1}));
    // The tab that is already current raises nothing.
    s.tab.setTab(0);
    s.clickTab(0);
    EXPECT_EQ(s.clicks.size(), 2);
    EXPECT_EQ(s.tab.TabCaption(1), "File Checkout");
}

TEST(TabStrip, ADisabledTabCannotBeChosenByTheUser)
{
    Strip s;
    s.tab.setTabEnabled(1, false);
    EXPECT_FALSE(s.tab.TabEnabled(1));
    s.clickTab(1);
    EXPECT_EQ(s.tab.Tab(), 0);
    s.tab.SetFocus();
    QTest::keyClick(s.tab.tabBar(), Qt::Key_Right);
    EXPECT_EQ(s.tab.Tab(), 0);
    EXPECT_TRUE(s.clicks.isEmpty());
    s.tab.setTabEnabled(1, true);
    s.clickTab(1);
    EXPECT_EQ(s.tab.Tab(), 1);
}

TEST(TabStrip, FocusSitsOnTheTabBar)
{
    Strip s;
    s.tab.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s.tab));
    s.tab.SetFocus();
    EXPECT_TRUE(s.tab.hasFocusWindow(QApplication::focusWidget()));
    EXPECT_FALSE(s.tab.hasFocusWindow(nullptr));
}
