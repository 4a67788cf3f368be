// Every entry of the bundled example database opens with its dialog's boxes
// filled from its own parameters: a box bound to a name the set lacks would
// open empty, and typing into it would add a second set of names.
#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>

#include "dialogs/morvObj_parmBinding.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "dialogs/parm_set_probe.h"
#include "interfaces/IKalvexDistributor.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "platform/VbControl.h"
#include "platform/VbForm.h"
#include "store/store_test_support.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

struct ExampleEntry {
    QString id;
    IKalvexGenParmsPtr parms;
};

std::vector<ExampleEntry> entriesOf(const IKalvexAdministratorPtr& adm)
{
    std::vector<ExampleEntry> all;
    for (int i = 1; i <= adm->generators()->count(); ++i)
        all.push_back({adm->generators()->item(i)->id(), adm->generators()->item(i)->parameters()});
    for (int i = 1; i <= adm->distributors()->count(); ++i)
        all.push_back({adm->distributors()->item(i)->id(), adm->distributors()->item(i)->parameters()});
    return all;
}

// The names the shown text and check boxes of a form are bound to.
QStringList boundNames(QWidget* form)
{
    QStringList names;
    for (QObject* child : form->findChildren<QObject*>()) {
        auto* w = qobject_cast<QWidget*>(child);
        const QString kind = vb::kind(child);
        if (!w || !w->isVisibleTo(form) || (kind != VbKind::TextBox && kind != VbKind::CheckBox))
            continue;
        QString key, value;
        morvObjs_parmTagSplit(vb::tag(child), key, value);
        if (!key.isEmpty())
            names << key;
    }
    return names;
}

class BundledExampleDialogs : public ::testing::Test {
protected:
    void SetUp() override { dialogs_install(); }
    // The shared dialogs opened, unloaded and gone: the next use makes new ones.
    void TearDown() override
    {
        for (const QPointer<VbForm>& form : opened)
            if (form) {
                form->unloadForm(1);
                delete form.data();
            }
    }
    QList<QPointer<VbForm>> opened;
};

} // namespace

TEST_F(BundledExampleDialogs, EveryEntryOpensFilledFromItsOwnParametersAndConfirmsWithoutAChange)
{
    const IKalvexAdministratorPtr adm = loadDemoDatabase();
    ASSERT_TRUE(adm);
    for (const ExampleEntry& entry : entriesOf(adm)) {
        SCOPED_TRACE(entry.id.toStdString());
        const QStringList before = parmSnapshot(entry.parms);
        const auto editor = entry.parms->editor();
        editor->initialize(true);
        auto* form = dynamic_cast<VbForm*>(editor->formObj());
        ASSERT_TRUE(form);
        opened << form;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        for (const QString& name : boundNames(form))
            EXPECT_TRUE(entry.parms->item(name)) << "a box is bound to " << name.toStdString()
                                                 << ", which the example's entry lacks";
        // Opening created nothing (an option group creates its missing name),
        // and OK at once writes nothing.
        EXPECT_EQ(parmSnapshot(entry.parms), before);
        EXPECT_EQ(persistForm(editor->formObj()), 0);
        form->hide();
    }
}
