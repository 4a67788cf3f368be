#include <gtest/gtest.h>

#include "generators/KalvexGenParms.h"
#include "generators/KalvexGenParmsEditor.h"
#include "support/qt_printers.h"

using namespace kalvex;

namespace {

// A dialog as the editor sees it, recording what it is asked to do.
class FakeForm : public IKalvexParmForm {
public:
    explicit FakeForm(QString name) : m_name(std::move(name)), m_widget(new QObject) {}
    QString formName() const override { return m_name; }
    void setParmsColl(const IKalvexGenParmsPtr& parms) override { m_parms = parms; }
    IKalvexGenParmsPtr parmsColl() const override { return m_parms.lock(); }
    void loadData() override { calls << "loadData"; }
    int persistData(bool& flag) override
    {
        calls << QString("persistData:%1").arg(flag);
        if (throwOnPersist)
            throw std::runtime_error("dialog failed");
        return 4;
    }
    int defaultHelpTopic() const override { return 1004; }
    bool formVisible() const override { return m_visible; }
    void setFormVisible(bool v) override { m_visible = v; }
    bool formEnabled() const override { return m_enabled; }
    void setFormEnabled(bool v) override { m_enabled = v; }
    QObject* formObject() override { return m_widget.get(); }
    void destroyWidget() { m_widget.reset(); }

    QStringList calls;
    bool throwOnPersist = false;

private:
    QString m_name;
    std::unique_ptr<QObject> m_widget;
    std::weak_ptr<IKalvexGenParms> m_parms;
    bool m_visible = false;
    bool m_enabled = true;
};

class EditorChooser : public IKalvexEditFormChooser {
public:
    IKalvexParmForm* editFormSelect(const QString&) override { return &grid; }
    IKalvexParmForm* defaultForm() override { return &grid; }
    void focusForm(IKalvexParmForm* form) override { focused << form->formName(); }
    FakeForm grid{"frmParmEdit"};
    QStringList focused;
};

struct ChooserRegistered : ::testing::Test {
    void SetUp() override { registerEditFormChooser(&chooser); }
    void TearDown() override { registerEditFormChooser(nullptr); }
    EditorChooser chooser;
};

} // namespace

TEST(GenParmsEditor, WithoutChooserTheSetsEditorHasNoFormAndAnswersSafely)
{
    auto set = classCreate_KalvexGenParms();
    auto ed = set->editor();
    ASSERT_TRUE(ed);
    EXPECT_EQ(set->editor(), ed); // created once
    EXPECT_EQ(ed->parent(), set);
    EXPECT_EQ(ed->formObj(), nullptr);
    ed->initialize(true);
    EXPECT_EQ(ed->persistData(true), -1);
    EXPECT_EQ(ed->setInternalValue("GET_HELPTOPIC", {}).toInt(), -1);
    EXPECT_FALSE(ed->visible());
    ed->setFocus();
}

TEST_F(ChooserRegistered, EditorTakesTheDefaultFormAndPointsItAtItsSet)
{
    auto set = classCreate_KalvexGenParms();
    auto ed = set->editor();
    EXPECT_EQ(ed->formObj(), &chooser.grid);
    EXPECT_EQ(chooser.grid.parmsColl(), set);

    // the shared dialog follows whichever editor was bound last
    auto other = classCreate_KalvexGenParms();
    other->editor();
    EXPECT_EQ(chooser.grid.parmsColl(), other);
    ed->setFormObj(&chooser.grid);
    EXPECT_EQ(chooser.grid.parmsColl(), set);
}

TEST_F(ChooserRegistered, DrivesTheDialogProtocol)
{
    auto set = classCreate_KalvexGenParms();
    auto ed = set->editor();
    ed->initialize(false);
    EXPECT_FALSE(chooser.grid.formVisible());
    ed->initialize(true);
    EXPECT_TRUE(ed->visible());
    EXPECT_EQ(ed->persistData(true), 4);
    EXPECT_EQ(chooser.grid.calls, (QStringList{"loadData", "loadData", "persistData:1"}));
    EXPECT_EQ(ed->setInternalValue("GET_HELPTOPIC", {}).toInt(), 1004);
    ed->setEnabled(false);
    EXPECT_FALSE(chooser.grid.formEnabled());
    EXPECT_FALSE(ed->enabled());

    // The dialogs trap their own errors; a fault one lets out is not hidden.
    chooser.grid.throwOnPersist = true;
    EXPECT_THROW(ed->persistData(false), std::runtime_error);
}

TEST_F(ChooserRegistered, UnknownFormIsShownButNotLoaded)
{
    FakeForm odd("frmSomethingElse");
    auto ed = classCreate_KalvexGenParms()->editor();
    ed->setFormObj(&odd);
    ed->initialize(true);
    EXPECT_TRUE(odd.calls.isEmpty());
    EXPECT_TRUE(odd.formVisible());
}

TEST_F(ChooserRegistered, SetFocusOnlySteersTheGridDialog)
{
    FakeForm gerber("frmGerberParms");
    auto ed = classCreate_KalvexGenParms()->editor();
    ed->setFocus();
    ed->setFormObj(&gerber);
    ed->setFocus();
    EXPECT_EQ(chooser.focused, QStringList{"frmParmEdit"});
}

TEST_F(ChooserRegistered, DestroyedFormReadsAsNoForm)
{
    FakeForm gone("frmDrillParms");
    auto ed = classCreate_KalvexGenParms()->editor();
    ed->setFormObj(&gone);
    gone.destroyWidget();
    EXPECT_EQ(ed->formObj(), nullptr);
    EXPECT_EQ(ed->persistData(true), -1);
}

TEST(GenParmsEditor, EditorOutlivingItsSetKnowsNoSet)
{
    std::shared_ptr<IKalvexGenParmsEditor> ed;
    {
        auto set = classCreate_KalvexGenParms();
        ed = set->editor();
    }
    EXPECT_FALSE(ed->parent());
}
