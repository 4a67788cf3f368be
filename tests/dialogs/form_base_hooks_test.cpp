// The steps a dialog adds to the shared form base: the order of loadData's
// hooks, refusing a set before the lock, the focus target, and Tag-only
// binding.
#include <gtest/gtest.h>

#include <QTest>

#include "dialogs/KalvexParmFormBase.h"
#include "generators/KalvexGenerator.h"
#include "platform/VbTextBox.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

class frmHookParms : public KalvexParmFormBase {
public:
    frmHookParms()
        : KalvexParmFormBase(QStringLiteral("frmHookParms"))
    {
        auto* panel = addControl(new VbPanel3D(this), "parmsPanel");
        auto* frame = addControl(new VbFrame(panel), "frameParms");
        textFirst = addControl(new VbTextBox(frame), "textFirst");
        textTitle = addControl(new VbTextBox(frame), "textTitle");
        gridKey = addControl(new VbFrame(frame), "gridKey");
        textFirst->setGeometry(10, 10, 200, 24);
        textTitle->setGeometry(10, 40, 200, 24);
        bindControl(textFirst, QStringLiteral("first"), QStringLiteral("First"), QStringLiteral("<first>"));
        bindControl(textTitle, QStringLiteral("title"), QStringLiteral("Title"), QStringLiteral("<title_string>"));
        bindTagOnly(gridKey, QStringLiteral("grid_rows"));
        setPanel(panel, frame);
        setFocusTarget(textTitle);
        resize(300, 120);
    }

    QStringList steps;
    bool refuse = false;
    VbTextBox* textFirst;
    VbTextBox* textTitle;
    VbFrame* gridKey;

protected:
    bool acceptsParms(const IKalvexGenParmsPtr&) override
    {
        steps << QStringLiteral("accept");
        return !refuse;
    }
    void loadAfterLock(const IKalvexGenParmsPtr& parms) override
    {
        // Locked already, not yet loaded: a rewrite here is what the loader shows.
        steps << QStringLiteral("afterLock locked=%1 title=%2").arg(locked()).arg(textTitle->text());
        if (auto p = parms->item(QStringLiteral("old_title")))
            parms->add(QStringLiteral("title"), p->value(false), PARM_TYPE_SYSTEM);
    }
    void loadGroups() override { steps << QStringLiteral("groups title=%1").arg(textTitle->text()); }
    int persistGroups(const IKalvexGenParmsPtr&) override
    {
        steps << QStringLiteral("persistGroups");
        return 0;
    }
};

class FormBaseHooks : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<frmHookParms>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    int persist()
    {
        bool flag = false;
        return form->persistData(flag);
    }
    std::shared_ptr<IKalvexGenerator> gen = classCreate_KalvexGenerator();
    std::unique_ptr<frmHookParms> form;
};

} // namespace

TEST_F(FormBaseHooks, AcceptLockRewriteSharedLoaderThenGroups)
{
    gen->setReservedItem(SYSTEM);
    gen->parameters()->add("old_title", "From before", 0);
    form->setParmsColl(gen->parameters());
    form->loadData();
    EXPECT_EQ(form->steps,
              QStringList({"accept", "afterLock locked=1 title=", "groups title=From before"}));
    EXPECT_EQ(form->textTitle->text(), "From before");
}

TEST_F(FormBaseHooks, ARefusedSetStopsBeforeTheLockAndPersistsNothing)
{
    gen->parameters()->add("title", "Mine", 0);
    form->setParmsColl(gen->parameters());
    form->loadData();
    ASSERT_FALSE(form->locked());

    auto other = classCreate_KalvexGenerator();
    other->setReservedItem(SYSTEM);
    other->parameters()->add("title", "Theirs", 0);
    form->refuse = true;
    form->steps.clear();
    form->setParmsColl(other->parameters());
    form->loadData();
    EXPECT_EQ(form->steps, QStringList({"accept"}));
    EXPECT_FALSE(form->locked()); // the lock was not reached
    EXPECT_EQ(form->textTitle->text(), "Mine");
    typeInto(form->textTitle, "typed");
    EXPECT_EQ(persist(), 0); // the previous set's values never reach this set
    EXPECT_EQ(other->parameters()->item("title")->value(false), "Theirs");
    EXPECT_EQ(gen->parameters()->item("title")->value(false), "Mine");

    form->refuse = false;
    form->setParmsColl(gen->parameters());
    form->loadData();
    typeInto(form->textTitle, "typed");
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(gen->parameters()->item("title")->value(false), "typed");
}

TEST_F(FormBaseHooks, ForceFocusGoesToTheNamedTarget)
{
    form->activateWindow();
    form->forceFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->textTitle->hasFocus(); }));
    EXPECT_FALSE(form->textFirst->hasFocus());
}

TEST_F(FormBaseHooks, TagOnlyBindingHasNoToolTip)
{
    EXPECT_EQ(vb::tag(form->gridKey), "grid_rows##NODEF");
    EXPECT_EQ(form->gridKey->toolTip(), "");
    EXPECT_EQ(form->textFirst->toolTip(), "First ( /first=<first> )");
}
