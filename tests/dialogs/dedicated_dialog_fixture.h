// A generator whose command selects a dedicated dialog, edited through its
// parameter set's editor as the host does, with the user's actions on the
// dialog (support/browser_answer.h answers the file browser its pickers open).
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "dialogs/frmParmEdit.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "platform/VbTextBox.h"
#include "support/browser_answer.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

namespace kalvex::test {

// Every parameter as "name=value|type", in set order.
inline QStringList parmSnapshot(const IKalvexGenParmsPtr& parms)
{
    QStringList all;
    for (int i = 1; i <= parms->count(); ++i) {
        const auto p = parms->item(i);
        all << QStringLiteral("%1=%2|%3").arg(p->name(), p->value(false)).arg(p->parmType());
    }
    return all;
}

template <class Form>
class DedicatedDialogTest : public ::testing::Test {
protected:
    explicit DedicatedDialogTest(QString command)
        : m_command(std::move(command))
    {
    }

    void SetUp() override
    {
        dialogs_install();
        gen = classCreate_KalvexGenerator();
        gen->setCmdGen(m_command);
        parms = gen->parameters();
    }

    void TearDown() override
    {
        vbl_formRelease<Form>();
        vbl_formRelease<frmParmEdit>();
    }

    // The editor loads and shows the dialog, as the host does.
    Form* open()
    {
        editor()->initialize(true);
        form = dynamic_cast<Form*>(editor()->formObj());
        if (form) {
            form->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        }
        return form;
    }

    std::shared_ptr<IKalvexGenParmsEditor> editor() { return parms->editor(); }
    int persist()
    {
        bool flag = false;
        return form->persistData(flag);
    }
    QString value(const QString& name)
    {
        auto p = parms->item(name);
        return p ? p->value(false) : QStringLiteral("<missing>");
    }
    QStringList snapshot() { return parmSnapshot(parms); }
    int type(const QString& name) const
    {
        auto p = parms->item(name);
        return p ? p->parmType() : -1;
    }
    void add(const QString& name, const QString& v, int type = PARM_TYPE_USER) { parms->add(name, v, type); }
    // Changes a value behind the dialog (adds it when missing).
    void setValue(const QString& name, const QString& v)
    {
        if (auto p = parms->item(name))
            p->setValue(false, v);
        else
            add(name, v);
    }
    // Loads the set again into the open dialog.
    void reload() { form->loadData(); }
    // The owner's reservation code: 3 and 4 make the dialog read-only.
    void reserve(int code) { gen->setReservedItem(code); }
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

    IKalvexGeneratorPtr gen;
    IKalvexGenParmsPtr parms;
    Form* form = nullptr;

private:
    QString m_command;
};

} // namespace kalvex::test
