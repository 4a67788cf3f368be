// The variant set-up dialog driven as a user drives it: the operation over
// two frames, the source rows it enables, the upgrade of older sets on load,
// the pickers and the panel layout.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/frmVarsetupParms.h"
#include "dialogs/guiLib.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "platform/VbColors.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "platform/VbTimer.h"
#include "support/browser_answer.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

namespace kalvex::test {

namespace {

const QString VARSETUP_COMMAND = QStringLiteral("(INTERNAL)Kalvex PCB Design Manipulations");

class VarsetupParmsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialogs_install();
        gen = classCreate_KalvexGenerator();
        gen->setCmdGen(VARSETUP_COMMAND);
        parms = gen->parameters();
    }
    void TearDown() override { vbl_formRelease<frmVarsetupParms>(); }

    frmVarsetupParms* open()
    {
        auto editor = parms->editor();
        if (IKalvexParmForm* f = editor->formObj())
            f->setParmsColl(parms);
        editor->initialize(true);
        form = dynamic_cast<frmVarsetupParms*>(editor->formObj());
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
    QString value(const QString& name) const
    {
        auto p = parms->item(name);
        return p ? p->value(false) : QStringLiteral("<missing>");
    }
    int countNamed(const QString& name) const
    {
        int n = 0;
        for (int i = 1; i <= parms->count(); ++i)
            n += parms->item(i)->name() == name ? 1 : 0;
        return n;
    }
    void add(const QString& name, const QString& v) { parms->add(name, v, PARM_TYPE_SYSTEM); }
    int selected() const { return form->optVarsetup.selectedIndex(); }
    int selectedCount() const
    {
        int n = 0;
        for (int i = 0; i < form->optVarsetup.count(); ++i)
            n += form->optVarsetup[i]->value() ? 1 : 0;
        return n;
    }
    // The row's label, text box and browse button all enabled (or all not),
    // the text box with the matching back colour.
    void expectRow(VbLabel* label, VbTextBox* text, VbCommandButton* browse, bool on, const char* what)
    {
        EXPECT_EQ(vb::enabled(label), on) << what;
        EXPECT_EQ(vb::enabled(text), on) << what;
        EXPECT_EQ(vb::enabled(browse), on) << what;
        EXPECT_EQ(vb::backColor(text), on ? VbColor::WindowBackground : VbColor::ButtonFace) << what;
    }
    void expectPcbRow(bool on)
    {
        expectRow(form->labelSourceDBPCB, form->textSourceDBPCB, form->browseSourceDBPCB, on, "PCB row");
    }
    void expectCaeRow(bool on)
    {
        expectRow(form->labelSourceDBCAE, form->textSourceDBCAE, form->browseSourceDBCAE, on, "CAE row");
    }

    IKalvexGeneratorPtr gen;
    IKalvexGenParmsPtr parms;
    frmVarsetupParms* form = nullptr;
};

} // namespace

TEST_F(VarsetupParmsTest, FormCarriesEveryControlTextToolTipAndHelpTopic)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(form->FrameDesignOper->caption(), "Design manipulations");
    EXPECT_EQ(form->frameVarsetupParms->caption(), "Variant  <==> master design operations");
    ASSERT_EQ(form->optVarsetup.count(), 6);
    const QStringList captions = {"Create PCB view for the master design.",
                                  "Create schematics for a variant design.",
                                  "Create PCB view for a variant design.",
                                  "Create Report Writer PCB  database for a variant design.",
                                  "Create Report Writer CAE database for a variant design.",
                                  "Save the PCB design data"};
    const QStringList operations = {"VAR_PCB_TO_MASTER",    "VAR_CREATE_SCHEMATIC", "VAR_CREATE_PCB",
                                    "VAR_CREATE_BNREP_PCB", "VAR_CREATE_BNREP_CAE", "PERSIST_PCB_DATA"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(form->optVarsetup[i]->objectName(), QString("optVarsetup_%1").arg(i));
        EXPECT_EQ(form->optVarsetup[i]->text(), captions[i]);
        EXPECT_EQ(form->variantMode_fromGUI(i), operations[i]);
        EXPECT_EQ(form->optVarsetup[i]->parentWidget(), i == 5 ? static_cast<QWidget*>(form->FrameDesignOper)
                                                               : static_cast<QWidget*>(form->frameVarsetupParms));
        if (i < 5) {
            EXPECT_EQ(form->optVarsetup[i]->toolTip(), captions[i] + " ( /operation=" + operations[i] + " )");
        }
    }
    EXPECT_EQ(form->optVarsetup[5]->toolTip(), "") << "option 5 gets no tool tip";
    EXPECT_EQ(form->labelSourceDBPCB->caption(), "Source db:");
    EXPECT_EQ(form->labelSourceDBCAE->caption(), "Source db:");
    EXPECT_EQ(form->textSourceDBPCB->toolTip(), "Master Report Writer PCB db ( /master_db_pcb=<db_name> )");
    EXPECT_EQ(form->textSourceDBCAE->toolTip(), "Master Report Writer XAE db ( /master_db_cae=<db_name> )");
    EXPECT_DOUBLE_EQ(vb::width(form->browseSourceDBPCB), 315);
    EXPECT_DOUBLE_EQ(vb::height(form->browseSourceDBCAE), 315);

    EXPECT_EQ(form->defaultHelpTopic(), 28);
    EXPECT_EQ(parms->editor()->setInternalValue("GET_HELPTOPIC", {}).toInt(), 28);
    EXPECT_EQ(vb::helpContextID(form->optVarsetup[5]), 28);
    EXPECT_EQ(vb::helpContextID(form->textSourceDBCAE), 28);
    EXPECT_EQ(vb::helpContextID(form->browseSourceDBCAE), 0);

    form->forceFocus();
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->optVarsetup[0]->hasFocus(); }, 1000));
}

TEST_F(VarsetupParmsTest, InitTimerRunsThePanelLayoutOnceAfterLoad)
{
    frmVarsetupParms fresh;
    EXPECT_FALSE(fresh.TimerInit->isEnabled()) << "disabled when created";
    EXPECT_EQ(fresh.TimerInit->interval(), 30);
    fresh.ensureLoaded();
    EXPECT_TRUE(fresh.TimerInit->isEnabled()) << "started by Form_Load";
    const double before = vb::width(fresh.FrameDesignOper);
    EXPECT_TRUE(QTest::qWaitFor([&fresh] { return !fresh.TimerInit->isEnabled(); }, 1000));
    EXPECT_NE(vb::width(fresh.FrameDesignOper), before) << "the tick laid the panel out";
    EXPECT_FALSE(fresh.TimerInit->isEnabled()) << "fires once";

    ASSERT_TRUE(open());
    EXPECT_TRUE(form->form_loaded);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !form->TimerInit->isEnabled(); }, 1000));

    const auto check = [this] {
        const GuiMetrics& g = guiLib();
        EXPECT_DOUBLE_EQ(vb::width(form->FrameDesignOper),
                         vb::width(form->parmsPanel) - 2 * vb::left(form->FrameDesignOper));
        EXPECT_DOUBLE_EQ(vb::top(form->frameVarsetupParms),
                         vb::top(form->FrameDesignOper) + vb::height(form->FrameDesignOper) + 65);
        EXPECT_DOUBLE_EQ(vb::width(form->frameVarsetupParms), vb::width(form->FrameDesignOper));
        const double x = vb::width(form->frameVarsetupParms) - 315 - g.gap;
        EXPECT_DOUBLE_EQ(vb::left(form->browseSourceDBPCB), x);
        EXPECT_DOUBLE_EQ(vb::left(form->browseSourceDBCAE), x);
        for (auto* text : {form->textSourceDBPCB, form->textSourceDBCAE}) {
            EXPECT_DOUBLE_EQ(vb::left(text) + vb::width(text), x - g.quarterGap);
        }
        EXPECT_NEAR(vb::top(form->browseSourceDBPCB) + 157.5,
                    vb::top(form->textSourceDBPCB) + vb::height(form->textSourceDBPCB) / 2, 15)
            << "the button centred on its box";
    };
    check();
    form->resize(640, form->height());
    QTest::qWait(20);
    check();
}

TEST_F(VarsetupParmsTest, MissingOrUnknownOperationSelectsOptionZeroAndIsWrittenAtEveryPersist)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(form->loadedOperation(), "XXXX");
    EXPECT_FALSE(parms->item("operation")) << "not created at load";
    expectPcbRow(false);
    expectCaeRow(false);
    EXPECT_EQ(persist(), 1);
    ASSERT_TRUE(parms->item("operation"));
    EXPECT_EQ(value("operation"), "VAR_PCB_TO_MASTER");
    EXPECT_EQ(parms->item("operation")->parmType(), PARM_TYPE_SYSTEM);
    EXPECT_EQ(persist(), 1) << "the loaded operation stays XXXX";
    EXPECT_FALSE(parms->item("master_db_pcb")) << "an untouched source row adds nothing";

    for (const QString& unknown : {QString("VAR_CREATE"), QString(""), QString("#"), QString("${"), QString("XXXX")}) {
        parms->item("operation")->setValue(false, unknown);
        ASSERT_TRUE(open());
        EXPECT_EQ(selected(), 0) << unknown.toStdString();
        EXPECT_EQ(persist(), 1) << unknown.toStdString();
        EXPECT_EQ(value("operation"), "VAR_PCB_TO_MASTER");
    }
}

TEST_F(VarsetupParmsTest, EveryStoredOperationInAnyCaseSelectsItsOptionAndComesBackInUpperCase)
{
    struct Case {
        const char* stored;
        int option;
        int counted;
    };
    const Case cases[] = {
        {"VAR_PCB_TO_MASTER", 0, 0},    {"var_pcb_to_master", 0, 1},     {"VAR_CREATE_SCHEMATIC", 1, 0},
        {"Var_Create_Schematic", 1, 1}, {"var_create_pcb", 2, 1},        {"VAR_CREATE_PCB", 2, 0},
        {"VAR_CREATE_BNREP_PCB", 3, 0}, {"var_create_bnrep_cae", 4, 1},  {"VAR_CREATE_BNREP_CAE", 4, 0},
        {"persist_pcb_data", 5, 1},     {"PERSIST_PCB_DATA", 5, 0},
    };
    add("operation", "");
    for (const Case& c : cases) {
        parms->item("operation")->setValue(false, c.stored);
        ASSERT_TRUE(open());
        EXPECT_EQ(selected(), c.option) << c.stored;
        EXPECT_EQ(selectedCount(), 1) << c.stored;
        expectPcbRow(c.option == 3);
        expectCaeRow(c.option == 4);
        EXPECT_EQ(persist(), c.counted) << c.stored;
        EXPECT_EQ(value("operation"), QString(c.stored).toUpper());
    }
}

TEST_F(VarsetupParmsTest, OlderReportWriterOperationIsUpgradedOnLoad)
{
    for (const QString& older :
         {QString("VAR_CREATE_BNREP"), QString("var_create_bnrep"), QString("Var_Create_BNREP")}) {
        parms->initialize();
        add("operation", older);
        add("master_db", "${KVX_JOB}\\master.mdc");
        ASSERT_TRUE(open());
        EXPECT_EQ(value("operation"), "VAR_CREATE_BNREP_PCB") << "rewritten before any persist";
        EXPECT_FALSE(parms->item("master_db"));
        EXPECT_EQ(value("master_db_pcb"), "${KVX_JOB}\\master.mdc");
        EXPECT_EQ(selected(), 3);
        expectPcbRow(true);
        expectCaeRow(false);
        EXPECT_EQ(form->textSourceDBPCB->text(), "${KVX_JOB}\\master.mdc");
        EXPECT_EQ(persist(), 0) << "nothing left to write";
    }

    parms->initialize();
    add("operation", "VAR_CREATE_BNREP");
    ASSERT_TRUE(open());
    EXPECT_EQ(value("operation"), "VAR_CREATE_BNREP_PCB");
    EXPECT_EQ(parms->count(), 1) << "only the value is rewritten without master_db";

    // Only the older operation triggers the rename.
    parms->initialize();
    add("operation", "VAR_CREATE_PCB");
    add("master_db", "m.mdc");
    ASSERT_TRUE(open());
    EXPECT_EQ(value("master_db"), "m.mdc");
    EXPECT_FALSE(parms->item("master_db_pcb"));
}

TEST_F(VarsetupParmsTest, UpgradeKeepsAnExistingPcbSourceAndNeverMakesTwoParametersOfOneName)
{
    add("operation", "VAR_CREATE_BNREP");
    add("master_db", "old.mdc");
    add("master_db_pcb", "new.mdc");
    ASSERT_TRUE(open());
    EXPECT_EQ(value("operation"), "VAR_CREATE_BNREP_PCB");
    EXPECT_EQ(countNamed("master_db_pcb"), 1);
    EXPECT_EQ(value("master_db_pcb"), "new.mdc");
    EXPECT_EQ(value("master_db"), "old.mdc") << "left as it is";
    EXPECT_EQ(form->textSourceDBPCB->text(), "new.mdc");
}

TEST_F(VarsetupParmsTest, ReadOnlyGeneratorIsUpgradedButKeepsBothRowsDisabledAndWritesNothing)
{
    for (int code : {SYSTEM, SYSTEM_INVISIBLE}) {
        parms->initialize();
        add("operation", "VAR_CREATE_BNREP_CAE");
        gen->setReservedItem(code);
        ASSERT_TRUE(open());
        EXPECT_TRUE(form->locked());
        EXPECT_EQ(selected(), 4);
        expectPcbRow(false);
        expectCaeRow(false);
        form->optVarsetup[3]->setValue(true);
        expectPcbRow(false);
        form->textSourceDBCAE->setText("x.mds");
        EXPECT_EQ(persist(), 0);
        EXPECT_EQ(value("operation"), "VAR_CREATE_BNREP_CAE");
        EXPECT_FALSE(parms->item("master_db_cae"));

        parms->item("operation")->setValue(false, "VAR_CREATE_BNREP");
        add("master_db", "m.mdc");
        ASSERT_TRUE(open());
        EXPECT_EQ(value("operation"), "VAR_CREATE_BNREP_PCB") << "the lock only stops persisting";
        EXPECT_EQ(value("master_db_pcb"), "m.mdc");
    }
    gen->setReservedItem(INTERNAL);
    ASSERT_TRUE(open());
    EXPECT_FALSE(form->locked());
    expectPcbRow(true);
}

TEST_F(VarsetupParmsTest, OptionsExcludeEachOtherAcrossBothFramesAndSwitchTheSourceRows)
{
    add("operation", "VAR_CREATE_BNREP_PCB");
    ASSERT_TRUE(open());
    expectPcbRow(true);
    clickIndicator(form->optVarsetup[4]);
    EXPECT_EQ(selected(), 4);
    expectPcbRow(false);
    expectCaeRow(true);
    clickIndicator(form->optVarsetup[5]);
    EXPECT_EQ(selected(), 5);
    EXPECT_EQ(selectedCount(), 1) << "option 5 clears options 0 to 4";
    expectCaeRow(false);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("operation"), "PERSIST_PCB_DATA");
    clickIndicator(form->optVarsetup[1]);
    EXPECT_EQ(selectedCount(), 1) << "options 0 to 4 clear option 5";
    EXPECT_FALSE(form->optVarsetup[5]->value());
    clickIndicator(form->optVarsetup[3]);
    expectPcbRow(true);
    typeInto(form->textSourceDBPCB, "  pcb.mdc ");
    clickIndicator(form->optVarsetup[2]);
    expectPcbRow(false);
    EXPECT_EQ(persist(), 2) << "a disabled row is written like an enabled one";
    EXPECT_EQ(value("master_db_pcb"), "pcb.mdc");
    EXPECT_EQ(value("operation"), "VAR_CREATE_PCB");
    // Back to the operation read at load after another one was written.
    clickIndicator(form->optVarsetup[3]);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("operation"), "VAR_CREATE_BNREP_PCB");
}

TEST_F(VarsetupParmsTest, BrowseButtonsOpenTheFileBrowserWithCheckOutAllowed)
{
    ModalWatchdog dog(20000);
    QTemporaryDir dir;
    const QString chosen = QDir(dir.path()).absoluteFilePath("variant.mdc");
    QFile(chosen).open(QIODevice::WriteOnly);
    add("operation", "VAR_CREATE_BNREP_PCB");
    add("master_db_pcb", " old.mdc ");
    ASSERT_TRUE(open());

    BrowserSeen seen;
    answerBrowser(seen, chosen);
    clickWidget(form->browseSourceDBPCB);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.spec, "old.mdc") << "the trimmed text";
    EXPECT_TRUE(seen.checkout);
    EXPECT_EQ(form->textSourceDBPCB->text(), chosen);

    BrowserSeen cancelled;
    answerBrowser(cancelled, QString());
    clickWidget(form->browseSourceDBPCB);
    EXPECT_TRUE(cancelled.shown);
    EXPECT_EQ(form->textSourceDBPCB->text(), chosen) << "a cancelled browser changes nothing";
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("master_db_pcb"), chosen);

    clickIndicator(form->optVarsetup[4]);
    BrowserSeen cae;
    answerBrowser(cae, chosen);
    clickWidget(form->browseSourceDBCAE);
    EXPECT_TRUE(cae.shown);
    EXPECT_TRUE(cae.checkout);
    EXPECT_EQ(form->textSourceDBCAE->text(), chosen);
}

TEST_F(VarsetupParmsTest, ReleasedSetLoadsAndWritesNothing)
{
    add("operation", "VAR_CREATE_PCB");
    ASSERT_TRUE(open());
    gen.reset();
    parms.reset();
    EXPECT_FALSE(form->parmsColl());
    form->loadData();
    EXPECT_EQ(selected(), 2) << "nothing reloaded";
    bool flag = false;
    EXPECT_EQ(form->persistData(flag), 0);
}

} // namespace kalvex::test
