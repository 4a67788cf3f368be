// A generator whose command chooses the NC drill or DRC dialog, the dialog
// loaded and shown through the set's editor as the host does, and the
// user's actions.
#pragma once
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>

#include "dialogs/morvObjs_editFormSelect.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "platform/VbForm.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

namespace kalvex::test {

template <class F>
class DrillDrcDialogTest : public ::testing::Test {
protected:
    virtual QString command() const = 0;

    void SetUp() override
    {
        dialogs_install();
        gen = classCreate_KalvexGenerator();
        gen->setCmdGen(command());
        parms = gen->parameters();
    }
    void TearDown() override
    {
        gen.reset();
        vbl_formRelease<F>();
    }

    void add(const QString& name, const QString& value) { parms->add(name, value, PARM_TYPE_SYSTEM); }
    std::shared_ptr<IKalvexGenParmsEditor> editor() { return parms->editor(); }

    // Loads and shows the dialog the command chose, active for typing.
    F* open()
    {
        editor()->initialize(true);
        form = dynamic_cast<F*>(editor()->formObj());
        if (form) {
            form->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        }
        return form;
    }
    int persist() { return editor()->persistData(false); }
    QString value(const QString& name) const
    {
        auto p = parms->item(name);
        return p ? p->value(false) : QStringLiteral("<missing>");
    }
    QStringList names() const
    {
        QStringList n;
        for (int i = 1; i <= parms->count(); ++i)
            n << parms->item(i)->name();
        return n;
    }
    void click(QAbstractButton* button) { clickIndicator(button); }
    void press(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

    IKalvexGeneratorPtr gen;
    IKalvexGenParmsPtr parms;
    F* form = nullptr;
};

} // namespace kalvex::test
