// The report writer netlister dialog: the format and device groups, the
// per-format option frames stacked in one place, the Clink rule, the
// database picker, lock, focus, help and layout.
#include "dialogs/dedicated_dialog_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "dialogs/frmBNREPNTLParms.h"
#include "dialogs/guiLib.h"
#include "dialogs/picker_answers.h"
#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "interfaces/IKalvexGenerators.h"
#include "support/sample_admin_db.h"

namespace kalvex::test {

namespace {
class NetlisterDialog : public DedicatedDialogTest<frmBNREPNTLParms> {
protected:
    NetlisterDialog()
        : DedicatedDialogTest(QStringLiteral("(INTERNAL)Kalvex Report Writer netlister"))
    {
    }
    int format() const { return form->OptNTLType.selectedIndex(); }
    int device() const { return form->optDevName.selectedIndex(); }
    // The option frames shown, in the order CLINK, device, Fabmaster, IPC356.
    QString framesShown() const
    {
        QString shown;
        for (VbFrame* f : {form->frameCLINK, form->frameDeviceName, form->frameFabmaster, form->frameIPC356})
            if (vb::visible(f))
                shown += (shown.isEmpty() ? "" : " ") + f->objectName();
        return shown;
    }
};
} // namespace

TEST_F(NetlisterDialog, MissingGroupParametersAreCreatedAtLoadEvenWhenNothingIsConfirmed)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(value("netlister"), "HLYNX");
    EXPECT_EQ(value("device"), "number");
    EXPECT_EQ(type("netlister"), PARM_TYPE_SYSTEM);
    EXPECT_EQ(type("device"), PARM_TYPE_SYSTEM);
    EXPECT_EQ(format(), 0);
    EXPECT_EQ(device(), 1);
    EXPECT_EQ(framesShown(), "frameDeviceName");
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(parms->count(), 2) << "unchanged check boxes and the database box create nothing";
}

TEST_F(NetlisterDialog, FormatAndDeviceWordsAreFoundByContainmentAndWrittenCanonically)
{
    add("netlister", "clink");
    add("device", "Number");
    ASSERT_TRUE(open());
    EXPECT_EQ(format(), 3);
    EXPECT_EQ(device(), 1);
    EXPECT_EQ(framesShown(), "frameCLINK frameDeviceName");
    EXPECT_EQ(persist(), 2) << "both values in another case are rewritten and counted";
    EXPECT_EQ(value("netlister"), "CLINK");
    EXPECT_EQ(value("device"), "number");
    EXPECT_EQ(persist(), 2) << "the groups keep the values read at load as reference";

    struct Row {
        const char* netlister;
        int format;
        const char* frames;
        const char* device;
        int deviceOption;
        const char* deviceWritten;
    };
    const Row rows[] = {
        {"IPC356 clink", 3, "frameCLINK frameDeviceName", "label", 2, "label"},      // CLINK before IPC356
        {"ipc356-A", 4, "frameIPC356", "part name", 0, "name"},
        {"Fabmaster 3", 2, "frameDeviceName frameFabmaster", "name label", 0, "name"}, // name tested first
        {"incases", 1, "", "LABELS", 2, "label"},
        {"hlynx fabmaster", 0, "frameDeviceName", "numeric", 1, "number"},
        {"", 0, "frameDeviceName", "", 1, "number"},
        {"#${X}", 0, "frameDeviceName", "#", 1, "number"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.netlister);
        setValue("netlister", r.netlister);
        setValue("device", r.device);
        reload();
        EXPECT_EQ(format(), r.format);
        EXPECT_EQ(framesShown(), r.frames);
        EXPECT_EQ(device(), r.deviceOption);
        persist();
        EXPECT_EQ(value("netlister"), form->checkIn_getNetlisterFromGUI(r.format));
        EXPECT_EQ(value("device"), r.deviceWritten);
    }
}

TEST_F(NetlisterDialog, ChoosingAFormatShowsItsFramesAndHiddenOptionsAreStillWritten)
{
    add("netlister", "IPC356");
    add("mhole", "1");
    ASSERT_TRUE(open());
    EXPECT_EQ(framesShown(), "frameIPC356");
    EXPECT_EQ(form->checkIPC356Mholes->value(), 1);
    clickIndicator(form->checkIPC356Mholes);
    clickIndicator(form->OptNTLType[1]);
    EXPECT_EQ(framesShown(), "") << "Incases has no options";
    clickIndicator(form->OptNTLType[2]);
    EXPECT_EQ(framesShown(), "frameDeviceName frameFabmaster");
    clickIndicator(form->checkFMASTTestpoints);
    clickIndicator(form->optDevName[2]);
    clickIndicator(form->OptNTLType[0]);
    EXPECT_EQ(framesShown(), "frameDeviceName");
    EXPECT_EQ(persist(), 4);
    EXPECT_EQ(value("mhole"), "0");
    EXPECT_EQ(value("testpoints"), "1");
    EXPECT_EQ(value("netlister"), "HLYNX");
    EXPECT_EQ(value("device"), "label");
    EXPECT_EQ(persist(), 2) << "only the groups count again";
}

TEST_F(NetlisterDialog, OptionFramesAreStackedAtLoadAndFollowTheWidth)
{
    ASSERT_TRUE(open());
    const double top = vb::top(form->frameIPC356);
    for (VbFrame* f : {form->frameCLINK, form->frameDeviceName, form->frameFabmaster})
        EXPECT_DOUBLE_EQ(vb::top(f), top) << f->objectName().toStdString();
    EXPECT_DOUBLE_EQ(vb::height(form->frameFabmaster), vb::height(form->frameDeviceName));
    EXPECT_DOUBLE_EQ(vb::height(form->frameCLINK), vb::height(form->frameDeviceName));
    EXPECT_DOUBLE_EQ(vb::width(form->browseDatabase), 315);

    const double deviceWidth = vb::width(form->frameDeviceName);
    for (double width : {9000.0, 7000.0}) {
        vb::setWidth(form, width);
        ASSERT_TRUE(QTest::qWaitFor([this] { return vb::width(form->parmsPanel) == vb::scaleWidth(form); }, 2000));
        const double x = std::nearbyint(vb::width(form->parmsPanel) - 315 - guiLib().gap);
        EXPECT_DOUBLE_EQ(vb::left(form->browseDatabase), x);
        EXPECT_DOUBLE_EQ(vb::left(form->textDatabase) + vb::width(form->textDatabase), x - guiLib().quarterGap);
        for (VbFrame* f : {form->frameIPC356, form->frameCLINK, form->frameFabmaster, form->frameNetlister})
            EXPECT_DOUBLE_EQ(vb::left(f) + vb::width(f), x + 315) << f->objectName().toStdString();
        EXPECT_DOUBLE_EQ(vb::width(form->frameDeviceName), deviceWidth);
    }
}

TEST_F(NetlisterDialog, PadsFollowTheTemplatesBox)
{
    add("netlister", "CLINK");
    add("pads", "1");
    add("template", "0");
    ASSERT_TRUE(open());
    EXPECT_FALSE(form->checkCLINKPads->isEnabled());
    EXPECT_EQ(form->checkCLINKPads->value(), 0) << "cleared by the rule at load";
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("pads"), "0");

    clickIndicator(form->checkCLINKTemplates);
    EXPECT_TRUE(form->checkCLINKPads->isEnabled());
    EXPECT_EQ(form->checkCLINKPads->value(), 0) << "enabling does not tick";
    clickIndicator(form->checkCLINKPads);
    clickIndicator(form->checkCLINKTemplates);
    EXPECT_FALSE(form->checkCLINKPads->isEnabled());
    EXPECT_EQ(form->checkCLINKPads->value(), 0);

    setValue("template", "2");
    setValue("pads", "1");
    reload();
    EXPECT_EQ(form->checkCLINKTemplates->value(), 1) << "a greyed value loads ticked";
    EXPECT_TRUE(form->checkCLINKPads->isEnabled());
    EXPECT_EQ(form->checkCLINKPads->value(), 1);
}

TEST_F(NetlisterDialog, DatabasePickerAllowsCheckOutAndCancelChangesNothing)
{
    ModalWatchdog dog(20000);
    QTemporaryDir dir;
    const QString chosen = QDir(dir.path()).absoluteFilePath("board.mdc");
    QFile(chosen).open(QIODevice::WriteOnly);
    // The generator of a database: the browser works on that database.
    const IKalvexAdministratorPtr adm = makeSampleAdminDb(dir.path());
    gen = adm->generators()->add("G_NTL", "Netlist");
    ASSERT_NE(gen, nullptr);
    gen->setCmdGen(QStringLiteral("(INTERNAL)Kalvex Report Writer netlister"));
    parms = gen->parameters();
    add("dbrun", " old.mdc");
    ASSERT_TRUE(open());
    BrowserSeen seen;
    answerBrowser(seen, chosen);
    clickWidget(form->browseDatabase);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.spec, "old.mdc");
    EXPECT_TRUE(seen.checkout);
    EXPECT_EQ(seen.adm, adm);
    EXPECT_EQ(form->textDatabase->text(), chosen);

    BrowserSeen cancelled;
    answerBrowser(cancelled, QString());
    clickWidget(form->browseDatabase);
    EXPECT_TRUE(cancelled.shown);
    EXPECT_EQ(form->textDatabase->text(), chosen);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("dbrun"), chosen);
}

TEST_F(NetlisterDialog, ReadOnlyOwnersWriteNothingThoughTheClinkRuleEnablesPads)
{
    add("netlister", "clink");
    add("template", "1");
    for (int code : {3, 4}) {
        SCOPED_TRACE(code);
        reserve(code);
        ASSERT_TRUE(open());
        EXPECT_TRUE(form->locked());
        EXPECT_FALSE(form->textDatabase->isEnabled());
        EXPECT_FALSE(form->browseDatabase->isEnabled());
        EXPECT_FALSE(form->OptNTLType[4]->isEnabled());
        EXPECT_FALSE(form->checkCLINKTemplates->isEnabled());
        EXPECT_TRUE(vb::enabled(form->checkCLINKPads)) << "the Clink rule runs after the lock";
        clickIndicator(form->checkCLINKPads);
        EXPECT_EQ(persist(), 0);
        EXPECT_EQ(value("netlister"), "clink");
        EXPECT_EQ(parms->item("pads"), nullptr);
    }
}

TEST_F(NetlisterDialog, CaptionsToolTipsFocusAndHelp)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(form->Label3->caption(), "Source PCB Report Writer database:");
    EXPECT_EQ(form->textDatabase->toolTip(), "Database name ( /dbrun=<file_path> )");
    EXPECT_EQ(form->checkCleanup->toolTip(), "Cleanup temporary files ( /cleanup_work=True|False )");
    EXPECT_EQ(form->checkIPC356Unique->toolTip(),
              "Generate unique met names for unconnected pins ( /unique=True|False )");
    EXPECT_EQ(form->checkCLINKTemplates->toolTip(), "Use templated components ( /template=True|False )");
    EXPECT_EQ(form->OptNTLType[0]->toolTip(), "Hyperlynx ( /netlister=HLYNX )");
    EXPECT_EQ(form->OptNTLType[4]->toolTip(), "IPC356 ( /netlister=IPC356 )");
    EXPECT_EQ(form->optDevName[2]->toolTip(), "Use part labels ( /device=label )");
    EXPECT_EQ(form->frameFabmaster->caption(), "Fabmaster parameters");
    EXPECT_EQ(form->checkFMASTNegative->text(), "Allow negative coordinates in output");

    EXPECT_EQ(parms->editor()->setInternalValue("GET_HELPTOPIC", {}).toInt(), 12);
    EXPECT_EQ(vb::helpContextID(form->frameCLINK), 12);
    EXPECT_EQ(vb::helpContextID(form->optDevName[0]), 12);
    form->checkCleanup->setFocus();
    form->forceFocus();
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->textDatabase->hasFocus(); }, 2000));
}

TEST_F(NetlisterDialog, ASetReleasedWhileShownIsNeitherLoadedNorWritten)
{
    ModalWatchdog dog;
    ASSERT_TRUE(open());
    clickIndicator(form->OptNTLType[4]);
    gen.reset();
    parms.reset();
    reload();
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(framesShown(), "frameIPC356");
    EXPECT_FALSE(clickOpensAModal(form->browseDatabase));
}

TEST_F(NetlisterDialog, ASetHandedOverButNeverLoadedGetsNoGroupWords)
{
    // The editor hands the set to the shared dialog when the command is set.
    auto* dialog = vbl_formInstance<frmBNREPNTLParms>();
    ASSERT_EQ(dialog->parmsColl(), parms);
    bool flag = false;
    dialog->persistData(flag); // check boxes still write their unloaded state
    EXPECT_EQ(parms->item("netlister"), nullptr);
    EXPECT_EQ(parms->item("device"), nullptr);
}

} // namespace kalvex::test
