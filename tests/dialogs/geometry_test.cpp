// Dialog geometry on real widgets, at 96 DPI here and at 120 DPI in a child
// process whose offscreen screen reports 120 DPI.
#include <gtest/gtest.h>

#include "dialogs/guiLib.h"
#include "platform/VbCommandButton.h"
#include "platform/VbForm.h"
#include "platform/VbTextBox.h"
#include "platform/VbTwips.h"
#include "support/dpi_child.h"
#include "support/qt_printers.h"

using namespace kalvex;
using kalvex::test::registerDpiChildTest;
using kalvex::test::runDpiChild;

namespace {
struct ButtonsForm : VbForm {
    explicit ButtonsForm(bool withHelp = true, bool withApply = true)
        : VbForm("frmButtons")
    {
        if (withHelp)
            help = addControl(new VbCommandButton("Help", this), "cmdHelp");
        if (withApply)
            apply = addControl(new VbCommandButton("Apply", this), "cmdApply");
        cancel = addControl(new VbCommandButton("Cancel", this), "cmdCancel");
        ok = addControl(new VbCommandButton("OK", this), "cmdOk");
        for (QObject* b : controls())
            gui_setButtonSize(b, false, false);
        for (QObject* b : controls())
            vb::move(b, 0, 0, vb::width(b), vb::height(b));
    }
    VbCommandButton* help = nullptr;
    VbCommandButton* apply = nullptr;
    VbCommandButton* cancel = nullptr;
    VbCommandButton* ok = nullptr;
};

// Checks for either resolution, given the expected gap and quarter gap.
void expectScreenMetrics(int gap, int quarter, int narrow)
{
    const GuiMetrics& m = guiLib();
    EXPECT_EQ(m.gap, gap);
    EXPECT_EQ(m.quarterGap, quarter);
    EXPECT_EQ(m.narrowWidth, narrow);
    EXPECT_EQ(m.margin, 130);

    VbForm f("frmMetrics");
    auto* text = f.addControl(new VbTextBox(&f), "textA");
    auto* browse = f.addControl(new VbCommandButton(&f), "browseA");
    vb::move(text, 120, 600, 2000, 300);
    gui_setButtonSize(browse, false, true);
    vb::setLeft(browse, 4000);
    gui_formResizePanel(text, browse);
    EXPECT_DOUBLE_EQ(vb::width(text), 4000 - 120 - quarter);
    EXPECT_DOUBLE_EQ(vb::top(browse), 750 - 315 / 2.0);
}
} // namespace

TEST(GuiMetrics, ValuesAt96And120Dpi)
{
    const GuiMetrics at96 = gui_computeMetrics(15, 15);
    EXPECT_EQ(at96.gap, 90);
    EXPECT_EQ(at96.quarterGap, 22); // 22.5 to the even neighbour
    EXPECT_EQ(at96.narrowWidth, 375);
    const GuiMetrics at120 = gui_computeMetrics(12, 12);
    EXPECT_EQ(at120.gap, 72);
    EXPECT_EQ(at120.quarterGap, 18);
    EXPECT_EQ(at120.narrowWidth, 300);
    EXPECT_EQ(at120.buttonWidth, 1120);
    EXPECT_EQ(at120.squareHeight, 315);
}

TEST(GuiMetrics, ScreenAt96Dpi)
{
    expectScreenMetrics(90, 22, 375);
}

// Exists only in the child process started below.
[[maybe_unused]] const bool at120Registered =
    registerDpiChildTest("GuiMetrics", "ScreenAt120DpiChild", 120, [] {
        ASSERT_DOUBLE_EQ(twipsPerPixelX(), 12.0);
        expectScreenMetrics(72, 18, 300);
    });

TEST(GuiMetrics, ScreenAt120Dpi)
{
    runDpiChild("GuiMetrics", "ScreenAt120DpiChild", 120);
}

TEST(ButtonSize, NarrowWinsOverSquare)
{
    VbCommandButton b;
    gui_setButtonSize(&b, true, true);
    EXPECT_DOUBLE_EQ(vb::width(&b), guiLib().narrowWidth);
    EXPECT_DOUBLE_EQ(vb::height(&b), 340);
    gui_setButtonSize(&b, false, true);
    EXPECT_DOUBLE_EQ(vb::width(&b), 315);
    EXPECT_DOUBLE_EQ(vb::height(&b), 315);
    gui_setButtonSize(&b, false, false);
    EXPECT_DOUBLE_EQ(vb::width(&b), 1120);
    EXPECT_EQ(b.size(), QSize(75, 23));
}

TEST(DialogButtons, RightBottomLinesThemUpFromTheRight)
{
    ButtonsForm f;
    gui_placeDialogButtons(&f, "RB", 9000, 5000, true, true, true, true);
    EXPECT_DOUBLE_EQ(vb::left(f.help), 9000 - 1120);
    EXPECT_DOUBLE_EQ(vb::left(f.apply), 9000 - 1120 - 90 - 1120);
    EXPECT_DOUBLE_EQ(vb::left(f.cancel), vb::left(f.apply) - 90 - 1120);
    EXPECT_DOUBLE_EQ(vb::left(f.ok), vb::left(f.cancel) - 90 - 1120);
    for (QObject* b : f.controls())
        EXPECT_DOUBLE_EQ(vb::top(b), 5000);
}

TEST(DialogButtons, OnlyOkAndCancelKeepAGapFromTheRight)
{
    ButtonsForm f(false, false);
    gui_placeDialogButtons(&f, "RB", 6000, 3000, false, false, true, true);
    EXPECT_DOUBLE_EQ(vb::left(f.cancel) + vb::width(f.cancel), 6000 - 90);
    EXPECT_DOUBLE_EQ(vb::left(f.ok) + vb::width(f.ok), vb::left(f.cancel) - 90);
}

TEST(DialogButtons, OtherAnchorsAndMissingButtonsChangeNothingHarmful)
{
    ButtonsForm f;
    gui_placeDialogButtons(&f, "LT", 9000, 5000, true, true, true, true);
    for (QObject* b : f.controls()) {
        EXPECT_DOUBLE_EQ(vb::left(b), 0);
        EXPECT_DOUBLE_EQ(vb::top(b), 0);
    }
    // Apply announced but absent: skipped, the others still placed.
    ButtonsForm g(true, false);
    gui_placeDialogButtons(&g, "RB", 9000, 5000, true, true, true, true);
    EXPECT_DOUBLE_EQ(vb::left(g.cancel), 9000 - 1120 - 90 - 1120);
    // Help announced but absent: nothing placed.
    ButtonsForm h(false, true);
    gui_placeDialogButtons(&h, "RB", 9000, 5000, true, true, true, true);
    EXPECT_DOUBLE_EQ(vb::top(h.ok), 0);
    gui_placeDialogButtons(nullptr, "RB", 0, 0, true, true, true, true);
}

TEST(CenterVertically, InsideAndBesideTheReference)
{
    VbForm f("frmCentre");
    auto* frame = f.addControl(new QWidget(&f), "frameA", VbKind::Frame);
    auto* text = f.addControl(new VbTextBox(&f), "textA");
    auto* button = f.addControl(new VbCommandButton(&f), "browseA");
    vb::move(frame, 0, 0, 3000, 1005);
    vb::move(text, 100, 600, 2000, 285);
    vb::setHeight(button, 315);
    gui_centerVertically(frame, button, true);
    EXPECT_DOUBLE_EQ(vb::top(button), 502 - 157.5); // 502.5 rounds to even 502
    gui_centerVertically(text, button, false);
    EXPECT_DOUBLE_EQ(vb::top(button), 742 - 157.5); // 742.5 -> 742
}

TEST(FormResizePanel, ANegativeWidthLeavesTheBoxAsItWas)
{
    VbForm f("frmPanel");
    auto* text = f.addControl(new VbTextBox(&f), "textA");
    auto* button = f.addControl(new VbCommandButton(&f), "browseA");
    vb::move(text, 2000, 300, 2500, 285);
    vb::move(button, 1000, 0, 315, 315);
    gui_formResizePanel(text, button);
    EXPECT_DOUBLE_EQ(vb::width(text), 2500);
    EXPECT_DOUBLE_EQ(vb::top(button), 442 - 157.5); // still centred
    gui_formResizePanel(nullptr, button);
}
