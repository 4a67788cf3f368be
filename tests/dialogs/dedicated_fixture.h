// A generator whose command chooses a dedicated dialog, the dialog opened
// through the parameter set's editor as the host opens it, and what tests
// read back from the set.
#pragma once
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "dialogs/frmParmEdit.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

namespace kalvex::test {

// Every parameter as "name=value", in the set's order.
inline QStringList parmSnapshot(const IKalvexGenParmsPtr& parms)
{
    QStringList all;
    for (int i = 1; i <= parms->count(); ++i)
        all << parms->item(i)->name() + "=" + parms->item(i)->value(false);
    return all;
}

template <class Form>
class DedicatedDialogTest : public ::testing::Test {
protected:
    // The generator command that chooses Form.
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
        closeLeftoverModals();
        vbl_formRelease<Form>();
        vbl_formRelease<frmParmEdit>();
    }

    void add(const QString& name, const QString& value, int type = PARM_TYPE_USER) { parms->add(name, value, type); }

    // Loads and shows the dialog through the editor; nullptr when the
    // command chose another form.
    Form* open()
    {
        parms->editor()->initialize(true);
        form = dynamic_cast<Form*>(parms->editor()->formObj());
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
    // Loads the set again into the open dialog (a value changed behind it).
    void reload() { form->loadData(); }

    QString value(const QString& name) const
    {
        auto p = parms->item(name);
        return p ? p->value(false) : QStringLiteral("<missing>");
    }
    int type(const QString& name) const
    {
        auto p = parms->item(name);
        return p ? p->parmType() : -1;
    }
    void setValue(const QString& name, const QString& v)
    {
        if (auto p = parms->item(name))
            p->setValue(false, v);
        else
            add(name, v);
    }
    void click(QWidget* w) { clickWidget(w); }
    // Whether clicking opens a modal window (closed again at once).
    bool clickOpensAModal(QWidget* w)
    {
        bool opened = false;
        QTimer::singleShot(100, [&opened] {
            opened = activeModal() != nullptr;
            closeLeftoverModals();
        });
        clickWidget(w);
        QTest::qWait(200);
        return opened;
    }

    // Owner with a reservation code: 3 and 4 make the dialog read-only.
    void reserve(int code) { gen->setReservedItem(code); }

    IKalvexGeneratorPtr gen;
    IKalvexGenParmsPtr parms;
    Form* form = nullptr;
};

} // namespace kalvex::test
