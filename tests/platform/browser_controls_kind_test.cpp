#include <gtest/gtest.h>

#include "platform/CommonDialog.h"
#include "platform/SSTab.h"
#include "platform/TList.h"
#include "platform/VbForm.h"
#include "platform/VbTextBox.h"
#include "platform/morvObjs_lockForm.h"
#include "support/qt_printers.h"

using namespace kalvex;

// The tab strip, the tree list and the common dialog join a form with their
// kinds, so the shared lock and help procedures treat them by kind.
TEST(BrowserControlKinds, LockSkipsTabsAndCommonDialogsHelpReachesTreesAndTabs)
{
    VbForm form("frmKinds");
    auto* tab = form.addControl(new SSTab(&form), "SSTabMain");
    auto* tree = form.addControl(new TList(&form), "tlistResult");
    auto* cd = form.addControl(new CommonDialog(&form), "cDialog");
    auto* text = form.addControl(new VbTextBox(&form), "textName");
    EXPECT_EQ(vb::kind(tab), VbKind::TabControl);
    EXPECT_EQ(vb::kind(tree), VbKind::TreeList);
    EXPECT_EQ(vb::kind(cd), VbKind::CommonDialog);

    int state = 3;
    EXPECT_TRUE(morvObjs_lockForm(&form, state, QString(), false));
    EXPECT_TRUE(vb::enabled(tab));
    EXPECT_FALSE(vb::enabled(tree));
    EXPECT_FALSE(vb::enabled(text));

    morvHelp_initControlTopics(&form, 14);
    EXPECT_EQ(vb::helpContextID(tab), 14);
    EXPECT_EQ(vb::helpContextID(tree), 14);
    EXPECT_EQ(vb::helpContextID(cd), 0);
}
