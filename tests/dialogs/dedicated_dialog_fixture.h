// A generator whose command selects a dedicated dialog, edited through its
// parameter set's editor as the host does, with the user's actions on the
// dialog and on the file browser its pickers open.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "browser/frmFileBrowser.h"
#include "dialogs/frmParmEdit.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "platform/VbCommandButton.h"
#include "platform/VbPictureBox.h"
#include "platform/VbTextBox.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

namespace kalvex::test {

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
    // Every parameter as "name=value", in set order.
    QStringList snapshot()
    {
        QStringList all;
        for (int i = 1; i <= parms->count(); ++i)
            all << parms->item(i)->name() + "=" + parms->item(i)->value(false);
        return all;
    }

    struct BrowserSeen {
        bool shown = false;
        QString spec;
        QString title;
        bool checkout = false;
    };
    // Answers the next file browser as a user: types `answer` into its
    // result line and clicks OK, or clicks Cancel when `answer` is empty.
    static void answerBrowser(BrowserSeen& seen, const QString& answer)
    {
        whenModal([&seen, answer](QWidget* w) {
            frmFileBrowser* b = vbl_formExists<frmFileBrowser>() ? vbl_formInstance<frmFileBrowser>() : nullptr;
            if (b && QTest::qWaitFor([b] { return b->m_controls->isVisible(); }, 3000)) {
                seen.shown = true;
                seen.spec = b->inFileSpec();
                seen.title = w->windowTitle();
                seen.checkout = b->enable_checkoutTab();
                if (answer.isEmpty()) {
                    clickWidget(b->cmdCancel);
                } else {
                    typeInto(b->textResult, answer);
                    clickWidget(b->cmdOk);
                }
            }
            if (w->isVisible() && b)
                b->cmdCancel->click();
        });
    }

    IKalvexGeneratorPtr gen;
    IKalvexGenParmsPtr parms;
    Form* form = nullptr;

private:
    QString m_command;
};

} // namespace kalvex::test
