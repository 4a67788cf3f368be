// The form base: the control registry, twips geometry, own flags, colours
// and the load / resize / unload steps.
#include <gtest/gtest.h>

#include <QTest>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/VbColors.h"
#include "platform/VbCommandButton.h"
#include "platform/VbForm.h"
#include "platform/VbFrame.h"
#include "platform/VbLabel.h"
#include "platform/VbPanel3D.h"
#include "platform/VbTextBox.h"
#include "platform/VbTimer.h"
#include "platform/VbTwips.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {
class frmLifecycle : public VbForm {
public:
    frmLifecycle()
        : VbForm("frmLifecycle")
    {
        text = addControl(new VbTextBox(this), "textA");
    }
    int loads = 0, resizes = 0, queries = 0, unloads = 0;
    int cancelQuery = 0;
    VbTextBox* text;

protected:
    void Form_Load() override { ++loads; }
    void Form_Resize() override { ++resizes; }
    void Form_QueryUnload(int& cancel, int) override
    {
        ++queries;
        cancel = cancelQuery;
    }
    void Form_Unload(int&) override { ++unloads; }
};
} // namespace

TEST(VbFormBase, RegistryKeepsOrderNamesKindsAndTabIndexes)
{
    VbForm form("frmRegistry");
    auto* frame = form.addControl(new VbFrame(&form), "frameA");
    auto* t1 = form.addControl(new VbTextBox(frame), "textOne");
    auto* timer = form.addControl(new VbTimer(&form), "mess1Timer");
    auto* t2 = form.addControl(new VbTextBox(frame), "textTwo", 3);
    auto* grid = form.addControl(new QWidget(frame), "parmsGrid", VbKind::SpreadGrid);

    ASSERT_EQ(form.controlCount(), 5);
    EXPECT_EQ(form.control(1), t1);
    EXPECT_EQ(form.control(9), nullptr);
    EXPECT_EQ(vb::kind(frame), VbKind::Frame);
    EXPECT_EQ(vb::kind(timer), VbKind::Timer);
    EXPECT_EQ(vb::kind(grid), VbKind::SpreadGrid);
    EXPECT_EQ(t2->objectName(), "textTwo_3");
    EXPECT_EQ(form.controlByName("textTwo", 3), t2);
    EXPECT_EQ(form.controlByName("textTwo"), nullptr);
    EXPECT_EQ(form.controlIndex(grid), 4);

    // Widgets get tab positions in order; timers none.
    EXPECT_EQ(vb::tabIndex(frame), 0);
    EXPECT_EQ(vb::tabIndex(t2), 2);
    EXPECT_EQ(vb::tabIndex(timer), -1);
    form.setTabIndex(t2, 0);
    EXPECT_EQ(vb::tabIndex(t2), 0);
    EXPECT_EQ(vb::tabIndex(frame), 1);
    EXPECT_EQ(vb::tabIndex(t1), 2);

    delete t1; // a deleted control leaves the collection's order intact
    EXPECT_EQ(form.controls().size(), 4);
    EXPECT_EQ(form.control(1), nullptr);
}

TEST(VbFormBase, TwipsRoundToPixelsAndReadBackAsWritten)
{
    ASSERT_DOUBLE_EQ(twipsPerPixelX(), 15.0); // offscreen: 96 DPI
    EXPECT_EQ(roundHalfEven(22.5), 22);
    EXPECT_EQ(roundHalfEven(23.5), 24);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(twipsToPixelsX(1120), 75);
    EXPECT_EQ(twipsToPixelsX(337.5), 22); // 22.5 px
    EXPECT_DOUBLE_EQ(pixelsToTwipsX(75), 1125);

    VbForm form("frmGeom");
    auto* button = form.addControl(new VbCommandButton("OK", &form), "cmdOk");
    vb::move(button, 100, 200, 1120, 340);
    EXPECT_EQ(button->geometry(), QRect(7, 13, 75, 23));
    EXPECT_DOUBLE_EQ(vb::left(button), 100);
    EXPECT_DOUBLE_EQ(vb::width(button), 1120);
    EXPECT_DOUBLE_EQ(vb::height(button), 340);
    // Moved by someone else: the pixels count.
    button->resize(80, 23);
    EXPECT_DOUBLE_EQ(vb::width(button), 1200);
    EXPECT_DOUBLE_EQ(vb::height(button), 340);
    // A negative size is refused and changes nothing.
    EXPECT_FALSE(vb::setWidth(button, -15));
    EXPECT_FALSE(vb::setWidth(button, std::nan("")));
    EXPECT_DOUBLE_EQ(vb::width(button), 1200);
    vb::setLeft(button, 1e300); // absurd, but no undefined conversion
    EXPECT_EQ(button->x(), 16777215);
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()), 0);

    form.resize(400, 300);
    EXPECT_DOUBLE_EQ(vb::scaleWidth(&form), 6000);
    EXPECT_DOUBLE_EQ(vb::scaleHeight(&form), 4500);
}

TEST(VbFormBase, ResizeHandlersReadTheTwipsWrittenAndTheirOwnChangeStays)
{
    VbForm form("frmGeomEvents");
    auto* panel = form.addControl(new VbPanel3D(&form), "parmsPanel");
    vb::move(panel, 0, 0, 3000, 1500);
    form.resize(400, 300);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // 1120 twips give 75 pixels, which alone would read 1125.
    std::vector<std::pair<double, double>> seen;
    double refuseBelow = 0;
    QObject::connect(panel, &VbPanel3D::Resize, &form, [&] {
        seen.emplace_back(vb::width(panel), vb::height(panel));
        if (vb::width(panel) < refuseBelow)
            vb::setWidth(panel, refuseBelow); // the handler puts a larger size back
    });
    EXPECT_TRUE(vb::setWidth(panel, 1120));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_DOUBLE_EQ(seen[0].first, 1120);
    EXPECT_DOUBLE_EQ(vb::width(panel), 1120);

    // Width and height together: one Resize, both already new.
    seen.clear();
    EXPECT_TRUE(vb::move(panel, 0, 0, 2000, 1010));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_DOUBLE_EQ(seen[0].first, 2000);
    EXPECT_DOUBLE_EQ(seen[0].second, 1010);

    // What the handler wrote is what the control reads afterwards.
    seen.clear();
    refuseBelow = 1500;
    EXPECT_TRUE(vb::setWidth(panel, 1000));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_DOUBLE_EQ(seen[0].first, 1000);
    EXPECT_DOUBLE_EQ(seen[1].first, 1500);
    EXPECT_EQ(panel->width(), 100);
    EXPECT_DOUBLE_EQ(vb::width(panel), 1500);

    // A size the widget does not take reads as its pixels.
    refuseBelow = 0;
    panel->setMinimumWidth(120);
    EXPECT_TRUE(vb::setWidth(panel, 1600));
    EXPECT_TRUE(vb::setWidth(panel, 1130));
    EXPECT_EQ(panel->width(), 120);
    EXPECT_DOUBLE_EQ(vb::width(panel), 1800);
}

TEST(VbFormBase, EnabledAndVisibleAreTheControlsOwnFlags)
{
    VbForm form("frmFlags");
    auto* frame = form.addControl(new VbFrame(&form), "frameA");
    auto* text = form.addControl(new VbTextBox(frame), "textA");
    EXPECT_TRUE(vb::visible(text)); // not shown yet, but not hidden either
    frame->setEnabled(false);
    frame->hide();
    EXPECT_TRUE(vb::enabled(text));
    EXPECT_TRUE(vb::visible(text));
    EXPECT_FALSE(text->isEnabled());
    vb::setVisible(text, false);
    vb::setEnabled(text, false);
    EXPECT_FALSE(vb::visible(text));
    EXPECT_FALSE(vb::enabled(text));
    EXPECT_FALSE(vb::visible(&form));
}

TEST(VbFormBase, ColoursReadBackAsCodesAndShowInThePalette)
{
    VbForm form("frmColours");
    auto* text = form.addControl(new VbTextBox(&form), "textA");
    auto* label = form.addControl(new VbLabel("x", &form), "labelA");
    EXPECT_EQ(vb::foreColor(text), VbColor::WindowText);
    EXPECT_EQ(vb::backColor(text), VbColor::WindowBackground);
    EXPECT_EQ(vb::backColor(label), VbColor::ButtonFace);

    vb::setForeColor(text, 255);
    vb::setBackColor(text, VbColor::ButtonFace);
    EXPECT_EQ(vb::foreColor(text), 255u);
    EXPECT_EQ(text->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(text->palette().color(QPalette::Base), QGuiApplication::palette().color(QPalette::Button));
    text->setEnabled(false); // the back colour stays when disabled
    EXPECT_EQ(text->palette().color(QPalette::Disabled, QPalette::Base), QGuiApplication::palette().color(QPalette::Button));

    EXPECT_EQ(vbl_color_resolve(0x00FF8000u), QColor(0, 0x80, 0xFF));
    EXPECT_EQ(vbl_color_fromQColor(QColor(0, 0x80, 0xFF)), 0x00FF8000u);
}

TEST(VbFormBase, LoadRunsOnFirstShowResizeOnlyOnceLoadedAndUnloadCanBeCancelled)
{
    auto* form = vbl_formInstance<frmLifecycle>();
    EXPECT_EQ(form, vbl_formInstance<frmLifecycle>());
    form->resize(300, 200);
    EXPECT_EQ(form->loads, 0);
    EXPECT_EQ(form->resizes, 0);
    form->show();
    EXPECT_EQ(form->loads, 1);
    form->resize(320, 200);
    QTest::qWait(1);
    EXPECT_GE(form->resizes, 1);
    form->show();
    EXPECT_EQ(form->loads, 1);

    form->cancelQuery = 1;
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->unloads, 0);
    form->cancelQuery = 0;
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->unloads, 1);
    EXPECT_FALSE(form->isLoaded());
    form->ensureLoaded(); // used again: loaded again
    EXPECT_EQ(form->loads, 2);

    vbl_formRelease<frmLifecycle>();
    EXPECT_FALSE(vbl_formExists<frmLifecycle>());
    auto* fresh = vbl_formInstance<frmLifecycle>();
    EXPECT_EQ(fresh->loads, 0);
    vbl_formRelease<frmLifecycle>();
}

TEST(VbFormBase, WindowStateAndKeyPreview)
{
    class frmKeys : public VbForm {
    public:
        frmKeys()
            : VbForm("frmKeys")
        {
            text = addControl(new VbTextBox(this), "textA");
            setKeyPreview(true);
        }
        VbTextBox* text;
        QList<int> seen;

    protected:
        void Form_KeyPress(int& k) override
        {
            seen.append(k);
            if (k == 13 || k == 'x')
                k = 0;
        }
    } form;
    form.show();
    QTest::keyClicks(form.text, "axb");
    QTest::keyClick(form.text, Qt::Key_Return);
    EXPECT_EQ(form.text->text(), "ab");
    EXPECT_EQ(form.seen, (QList<int>{'a', 'x', 'b', 13}));
    EXPECT_EQ(form.vbWindowState(), 0);
    form.setVbWindowState(1);
    EXPECT_EQ(form.vbWindowState(), 1);
}

namespace {
class DeclaredKindGrid : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("vbKind", "FPSpread.vaSpread")
};
} // namespace

TEST(VbFormBase, AClassOfAnotherUnitCanDeclareItsKind)
{
    VbForm form("frmKinds");
    auto* grid = form.addControl(new DeclaredKindGrid, "parmsGrid");
    EXPECT_EQ(vb::kind(grid), VbKind::SpreadGrid);
    delete grid;
}

#include "form_test.moc"
