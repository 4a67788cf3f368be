// Every entry of the bundled example opens with each shown box bound to a name of its own set.
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

namespace kalvex::test {

TEST(BundledExampleDialogs, EveryEntryOpensFilledFromItsOwnParametersAndConfirmsWithoutAChange)
{
    dialogs_install();
    QList<QPointer<VbForm>> opened;
    const auto expectBoxesBacked = [&](const QString& id, const IKalvexGenParmsPtr& parms) {
        SCOPED_TRACE(id.toStdString());
        const QStringList before = parmSnapshot(parms);
        parms->editor()->initialize(true);
        auto* form = dynamic_cast<VbForm*>(parms->editor()->formObj());
        ASSERT_TRUE(form && QTest::qWaitForWindowExposed(form));
        opened << form;
        for (QObject* box : form->controls()) {
            QString key, value;
            morvObjs_parmTagSplit(vb::tag(box), key, value);
            if ((vb::kind(box) == VbKind::TextBox || vb::kind(box) == VbKind::CheckBox) && !key.isEmpty() &&
                qobject_cast<QWidget*>(box)->isVisibleTo(form)) {
                EXPECT_TRUE(parms->item(key)) << "a box is bound to " << key.toStdString() << ", which the entry lacks";
            }
        }
        // Opening created nothing (an option group creates a missing name); OK at once writes nothing.
        EXPECT_EQ(parmSnapshot(parms), before);
        EXPECT_EQ(persistForm(parms->editor()->formObj()), 0);
        form->hide();
    };
    const IKalvexAdministratorPtr adm = loadDemoDatabase();
    for (int i = 1; i <= adm->generators()->count(); ++i)
        expectBoxesBacked(adm->generators()->item(i)->id(), adm->generators()->item(i)->parameters());
    for (int i = 1; i <= adm->distributors()->count(); ++i)
        expectBoxesBacked(adm->distributors()->item(i)->id(), adm->distributors()->item(i)->parameters());
    for (const QPointer<VbForm>& form : opened) // the shared dialogs go: the next use makes new ones
        if (form) {
            form->unloadForm(1);
            delete form.data();
        }
}

} // namespace kalvex::test
