// The grid dialog on a 144 DPI screen: its window grows with the DPI like
// its frames, and the grid opens on its first row.
#include "dialogs/parm_edit_fixture.h"

#include <QScrollBar>

#include "platform/VbTwips.h"
#include "support/dpi_child.h"

namespace kalvex::test {

namespace {

class ParmEditAt144 : public ParmEditTest {
    void TestBody() override
    {
        ASSERT_DOUBLE_EQ(twipsPerPixelX(), 10.0);
        for (int i = 1; i <= 12; ++i)
            add(QStringLiteral("parm_%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("value %1").arg(i));
        ASSERT_TRUE(open());
        EXPECT_EQ(form->size(), QSize(780, 630)) << "7800 x 6300 twips at 10 twips a pixel";
        // The deferred first selection has run by now.
        QTest::qWait(300);
        QTableWidget* table = grid()->table();
        EXPECT_EQ(table->verticalScrollBar()->value(), 0);
        EXPECT_EQ(table->rowAt(0), 0) << "the first row is the top row";
        const int lastShown = table->rowAt(table->viewport()->height() - 1);
        EXPECT_TRUE(lastShown < 0 || lastShown >= 5) << "more than a few rows show: " << lastShown;
    }
};

[[maybe_unused]] const bool registered =
    registerDpiChildFixture("ParmEditDpi", "At144DpiChild", 144, [] { return new ParmEditAt144; });

} // namespace

TEST(ParmEditDpi, WindowAndGridFollowTheDpi)
{
    EXPECT_EQ(vbl_formInstance<frmParmEdit>()->size(), QSize(520, 420)) << "96 DPI here";
    vbl_formRelease<frmParmEdit>();
    runDpiChild("ParmEditDpi", "At144DpiChild", 144);
}

} // namespace kalvex::test
