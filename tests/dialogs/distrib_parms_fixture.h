// A distributor whose program is the internal distributor, its set edited
// in frmDistribParms through the set's editor, as the host does it.
#pragma once
#include <gtest/gtest.h>

#include <QTest>

#include "admin/KalvexDistributor.h"
#include "dialogs/frmDistribParms.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

namespace kalvex::test {

inline const QString DISTRIBUTOR_PROGRAM = QStringLiteral("(INTERNAL)Kalvex Distributor");

class DistribParmsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialogs_install();
        distrib = classCreate_KalvexDistributor();
        distrib->setDistribExe(DISTRIBUTOR_PROGRAM);
        parms = distrib->parameters();
    }
    void TearDown() override { vbl_formRelease<frmDistribParms>(); }

    // The editor loads and shows the dialog.
    frmDistribParms* open(const IKalvexGenParmsPtr& set = nullptr)
    {
        auto editor = (set ? set : parms)->editor();
        if (IKalvexParmForm* f = editor->formObj())
            f->setParmsColl(set ? set : parms); // the editor hands its set to the shared dialog
        editor->initialize(true);
        form = dynamic_cast<frmDistribParms*>(editor->formObj());
        if (form) {
            form->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        }
        return form;
    }
    int persist()
    {
        bool flag = false;
        return form->persistData(flag);
    }
    QString value(const QString& name) const { return valueIn(parms, name); }
    static QString valueIn(const IKalvexGenParmsPtr& set, const QString& name)
    {
        auto p = set->item(name);
        return p ? p->value(false) : QStringLiteral("<missing>");
    }
    void add(const QString& name, const QString& v) { parms->add(name, v, PARM_TYPE_SYSTEM); }
    static bool enabled(QObject* c) { return vb::enabled(c); }

    std::shared_ptr<IKalvexDistributor> distrib;
    IKalvexGenParmsPtr parms;
    frmDistribParms* form = nullptr;
};

} // namespace kalvex::test
