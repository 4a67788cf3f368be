// The distributor dialog driven as a user drives it: its four mode words,
// the enabling chain, the read-only lock, the directory picker and the
// frame layout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "admin/KalvexDistributor.h"
#include "dialogs/frmDistribParms.h"
#include "dialogs/parm_set_probe.h"
#include "dialogs/guiLib.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "foundation/BrenloEnvirVars.h"
#include "generators/KalvexGenParms.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "platform/VbCheckBox.h"
#include "platform/VbColors.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

namespace kalvex::test {

namespace {

const QStringList modeKeys = {"compress_mode", "transfer_mode", "email_data_mode", "email_notify_mode"};

const QString DISTRIBUTOR_PROGRAM = QStringLiteral("(INTERNAL)Kalvex Distributor");

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
    int persist() { return persistForm(form); }
    QString value(const QString& name) const { return parmValue(parms, name); }
    void add(const QString& name, const QString& v) { parms->add(name, v, PARM_TYPE_SYSTEM); }
    static bool enabled(QObject* c) { return vb::enabled(c); }
    // The controls the e-mail check boxes enable.
    std::vector<QObject*> emailDependents() const
    {
        return {form->textEmailDataAddress, form->CheckEmailDataConfirm, form->CheckEmailDataSeparate,
                form->labelAddrData,        form->labelAddrNoty,         form->textEmailNotyAddress,
                form->CheckEmailNotyConfirm};
    }

    std::shared_ptr<IKalvexDistributor> distrib;
    IKalvexGenParmsPtr parms;
    frmDistribParms* form = nullptr;
};

} // namespace

TEST_F(DistribParmsTest, FormCarriesEveryControlTextToolTipAndHelpTopic)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(form->frameCompressParms->caption(), "Compression  parameters");
    EXPECT_EQ(form->frameTransfer->caption(), "Transfer parameters");
    EXPECT_EQ(form->FrameEmailNoty->caption(), "Notification E-mail parameters");
    EXPECT_EQ(form->frameEmail->caption(), "Data E-mail parameters");
    ASSERT_EQ(form->optCompress.count(), 3);
    EXPECT_EQ(form->optCompress[1]->objectName(), "optCompress_1");
    EXPECT_EQ(form->optCompress[0]->text(), "No compression");
    EXPECT_EQ(form->optCompress[1]->text(), "Compress files seperately");
    EXPECT_EQ(form->optCompress[2]->text(), "Compressed data into file:");
    EXPECT_EQ(form->checkTransferData->text(), "Transfer data to directory:");
    EXPECT_EQ(form->checkEmailNotify->text(), "Send mail");
    EXPECT_EQ(form->CheckEmailData->text(), "Send mail(s)");
    EXPECT_EQ(form->CheckEmailDataSeparate->text(), "One mail per data file");
    EXPECT_EQ(form->labelAddrNoty->caption(), "Address:");
    EXPECT_EQ(form->labelAddrData->caption(), "Address:");
    EXPECT_EQ(form->CheckEmailNotyConfirm->text(), "Confirm before send");
    EXPECT_EQ(form->CheckEmailDataConfirm->text(), "Confirm before send");
    EXPECT_EQ(form->CheckRemoveTemp->text(), "Remove temporary files after distribution");

    EXPECT_EQ(form->textCompressedFile->toolTip(), "Compressed file name ( /compressed_fname=<file_name> )");
    EXPECT_EQ(form->textTransferDest->toolTip(), "Transfer destination ( /transfer_destination=<file_path> )");
    EXPECT_EQ(form->textEmailDataAddress->toolTip(), "Email data address ( /email_data_addr=<email_address> )");
    EXPECT_EQ(form->textEmailNotyAddress->toolTip(), "Email notify address ( /email_notify_addr=<email_address> )");
    EXPECT_EQ(form->CheckEmailDataConfirm->toolTip(), "Send data email ( /email_data_confirm=True|False )");
    EXPECT_EQ(form->CheckEmailNotyConfirm->toolTip(), "Send notify email ( /email_notify_confirm=True|False )");
    EXPECT_EQ(form->CheckRemoveTemp->toolTip(), "Cleanup temporary files ( /cleanup=True|False )");
    EXPECT_EQ(form->optCompress[1]->toolTip(), "Compress files seperately ( /compress_mode=one_to_one )");
    EXPECT_EQ(form->optCompress[2]->toolTip(), "Compressed data into file: ( /compress_mode=all_to_one )");

    EXPECT_EQ(form->defaultHelpTopic(), 1004);
    EXPECT_EQ(parms->editor()->setInternalValue("GET_HELPTOPIC", {}).toInt(), 1004);
    EXPECT_EQ(vb::helpContextID(form->optCompress[2]), 1004);
    EXPECT_EQ(vb::helpContextID(form->textTransferDest), 1004);
    EXPECT_EQ(vb::helpContextID(form->browseTransfer), 0);
    EXPECT_DOUBLE_EQ(vb::width(form->browseTransfer), 315);
    EXPECT_DOUBLE_EQ(vb::height(form->browseTransfer), 315);
    // The mode controls carry no binding: their words live in the form.
    EXPECT_EQ(vb::tag(form->checkTransferData), "");
    EXPECT_EQ(vb::tag(form->optCompress[0]), "");

    form->forceFocus();
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->optCompress[0]->hasFocus(); }, 1000));
    EXPECT_TRUE(form->form_loaded);
    form->unloadForm(1);
    EXPECT_FALSE(form->form_loaded);
}

TEST_F(DistribParmsTest, ASetWithoutModeKeysGetsThemAsIgnoreAndShowsEverythingOff)
{
    ASSERT_TRUE(open());
    for (const QString& key : modeKeys) {
        auto p = parms->item(key);
        ASSERT_TRUE(p) << key.toStdString();
        EXPECT_EQ(p->value(false), "ignore");
        EXPECT_EQ(p->parmType(), PARM_TYPE_SYSTEM);
    }
    EXPECT_TRUE(form->optCompress[0]->value());
    EXPECT_EQ(form->checkTransferData->value(), 0);
    EXPECT_EQ(form->CheckEmailData->value(), 0);
    EXPECT_EQ(form->checkEmailNotify->value(), 0);
    std::vector<QObject*> dependents = emailDependents();
    dependents.insert(dependents.end(), {form->textCompressedFile, form->textTransferDest, form->browseTransfer});
    for (QObject* c : dependents)
        EXPECT_FALSE(enabled(c)) << c->objectName().toStdString();
    EXPECT_TRUE(enabled(form->CheckRemoveTemp));
    EXPECT_EQ(persist(), 0) << "nothing changed";
    EXPECT_FALSE(parms->item("compressed_fname")) << "an untouched box adds nothing";
}

TEST_F(DistribParmsTest, CompressionWordsInAnyCaseAndTheFileBoxFollowsTheChoice)
{
    add("compress_mode", "ONE_TO_ONE");
    ASSERT_TRUE(open());
    EXPECT_TRUE(form->optCompress[1]->value());
    EXPECT_FALSE(enabled(form->textCompressedFile));
    EXPECT_EQ(persist(), 1) << "the remembered word differs in case";
    EXPECT_EQ(value("compress_mode"), "one_to_one");
    EXPECT_EQ(persist(), 1) << "the remembered word is not updated by a write";

    clickIndicator(form->optCompress[2]);
    EXPECT_TRUE(enabled(form->textCompressedFile));
    typeInto(form->textCompressedFile, "  out.zip ");
    EXPECT_EQ(persist(), 2);
    EXPECT_EQ(value("compress_mode"), "all_to_one");
    EXPECT_EQ(value("compressed_fname"), "out.zip");
    clickIndicator(form->optCompress[0]);
    EXPECT_FALSE(enabled(form->textCompressedFile));
    EXPECT_EQ(form->textCompressedFile->text(), "  out.zip ") << "a disabled box keeps its text";
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("compress_mode"), "ignore");

    for (const QString& other : {QString(""), QString("zip"), QString("#"), QString("${")}) {
        parms->item("compress_mode")->setValue(false, other);
        ASSERT_TRUE(open());
        EXPECT_TRUE(form->optCompress[0]->value()) << other.toStdString();
        EXPECT_EQ(persist(), 1) << other.toStdString();
        EXPECT_EQ(value("compress_mode"), "ignore");
    }
}

TEST_F(DistribParmsTest, TransferCheckEnablesItsDirectoryAndWritesCopyOrIgnore)
{
    add("transfer_mode", "Copy");
    add("transfer_destination", "${KVX_SITE}\\out");
    ASSERT_TRUE(open());
    EXPECT_EQ(form->checkTransferData->value(), 1);
    EXPECT_TRUE(enabled(form->textTransferDest));
    EXPECT_TRUE(enabled(form->browseTransfer));
    EXPECT_EQ(form->textTransferDest->text(), "${KVX_SITE}\\out") << "variables stay unexpanded";

    clickIndicator(form->checkTransferData);
    EXPECT_FALSE(enabled(form->textTransferDest));
    EXPECT_FALSE(enabled(form->browseTransfer));
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("transfer_mode"), "ignore");
    EXPECT_EQ(value("transfer_destination"), "${KVX_SITE}\\out");
    clickIndicator(form->checkTransferData);
    EXPECT_TRUE(enabled(form->textTransferDest));
    EXPECT_EQ(persist(), 1) << "Copy was read, copy is written";
    EXPECT_EQ(value("transfer_mode"), "copy");
}

TEST_F(DistribParmsTest, EmailGroupWritesTwoKeysAndCountsOne)
{
    add("email_data_mode", "one_to_one");
    add("email_notify_mode", "NOTIFY");
    ASSERT_TRUE(open());
    EXPECT_EQ(form->CheckEmailData->value(), 1);
    EXPECT_EQ(form->CheckEmailDataSeparate->value(), 1);
    EXPECT_EQ(form->checkEmailNotify->value(), 1);
    for (QObject* c : emailDependents())
        EXPECT_TRUE(enabled(c)) << c->objectName().toStdString();

    clickIndicator(form->CheckEmailData);
    EXPECT_FALSE(enabled(form->CheckEmailDataSeparate));
    EXPECT_EQ(form->CheckEmailDataSeparate->value(), 1) << "keeps its check while disabled";
    EXPECT_FALSE(enabled(form->textEmailDataAddress));
    EXPECT_TRUE(enabled(form->textEmailNotyAddress)) << "the notification side is independent";
    EXPECT_EQ(vb::backColor(form->textEmailDataAddress), VbColor::WindowBackground)
        << "the click rules change no colour; only the lock does";
    EXPECT_EQ(persist(), 1) << "both keys differ from what was read: one group, one count";
    EXPECT_EQ(value("email_data_mode"), "ignore");
    EXPECT_EQ(value("email_notify_mode"), "notify");

    clickIndicator(form->CheckEmailData);
    clickIndicator(form->CheckEmailDataSeparate);
    EXPECT_EQ(persist(), 1) << "the notify word still differs from NOTIFY";
    EXPECT_EQ(value("email_data_mode"), "all_to_one");
    // Back to the word read at load, after another word was written: the
    // set must get it back.
    clickIndicator(form->CheckEmailDataSeparate);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("email_data_mode"), "one_to_one") << "separate mails turn all_to_one into one_to_one";

    typeInto(form->textEmailDataAddress, "a@b.c; d@e.f");
    clickIndicator(form->CheckEmailDataConfirm);
    EXPECT_EQ(persist(), 3);
    EXPECT_EQ(value("email_data_addr"), "a@b.c; d@e.f") << "one box, one parameter, as typed";
    EXPECT_EQ(value("email_data_confirm"), "1");
}

TEST_F(DistribParmsTest, ReloadWithTheSameWordsReappliesEveryClickRule)
{
    ASSERT_TRUE(open());
    // Loading the same instance again: the lock enables every control, the
    // check boxes do not change, so only the readers' own rules disable the
    // dependents again.
    ASSERT_TRUE(open());
    EXPECT_FALSE(enabled(form->textTransferDest));
    EXPECT_FALSE(enabled(form->textEmailDataAddress));
    EXPECT_FALSE(enabled(form->textEmailNotyAddress));
    EXPECT_FALSE(enabled(form->textCompressedFile));

    auto second = classCreate_KalvexDistributor();
    second->setDistribExe(DISTRIBUTOR_PROGRAM);
    second->parameters()->add("compress_mode", "all_to_one", 1);
    frmDistribParms* const shared = form;
    ASSERT_EQ(open(second->parameters()), shared) << "one shared dialog";
    EXPECT_TRUE(form->optCompress[2]->value());
    EXPECT_TRUE(enabled(form->textCompressedFile));
    ASSERT_TRUE(open());
    EXPECT_TRUE(form->optCompress[0]->value());
    EXPECT_FALSE(enabled(form->textCompressedFile));
}

TEST_F(DistribParmsTest, ReadOnlyDistributorKeepsEverythingDisabledAndWritesNothing)
{
    for (int code : {SYSTEM, SYSTEM_INVISIBLE}) {
        add("compress_mode", "all_to_one");
        add("transfer_mode", "copy");
        add("email_data_mode", "one_to_one");
        add("email_notify_mode", "notify");
        add("email_data_addr", "x@y.z");
        distrib->setReservedItem(code);
        ASSERT_TRUE(open());
        EXPECT_TRUE(form->locked());
        for (QObject* c : form->controls()) {
            if (vb::kind(c) != VbKind::Panel3D) {
                EXPECT_FALSE(enabled(c)) << c->objectName().toStdString();
            }
        }
        EXPECT_EQ(vb::backColor(form->textEmailDataAddress), VbColor::ButtonFace);
        form->checkTransferData_Click();
        form->CheckEmailData_Click();
        form->optCompress_Click(2);
        EXPECT_FALSE(enabled(form->textTransferDest));
        EXPECT_FALSE(enabled(form->textEmailDataAddress));
        EXPECT_FALSE(enabled(form->textCompressedFile));
        form->textEmailDataAddress->setText("changed@y.z");
        form->checkTransferData->setValue(0);
        EXPECT_EQ(persist(), 0);
        EXPECT_EQ(value("email_data_addr"), "x@y.z");
        EXPECT_EQ(value("transfer_mode"), "copy");
    }
    distrib->setReservedItem(NO_DELETE);
    ASSERT_TRUE(open());
    EXPECT_FALSE(form->locked());
    EXPECT_TRUE(enabled(form->textTransferDest));
    EXPECT_EQ(vb::backColor(form->textEmailDataAddress), VbColor::WindowBackground);
}

TEST_F(DistribParmsTest, WordsHoldingTheTagDelimiterNeverBecomeParameters)
{
    add("transfer_mode", "copy#x");
    add("compress_mode", "a#b");
    add("email_notify_mode", "notify#");
    ASSERT_TRUE(open());
    EXPECT_EQ(form->checkTransferData->value(), 0);
    EXPECT_EQ(form->checkEmailNotify->value(), 0);
    const int before = parms->count();
    EXPECT_EQ(persist(), 3);
    EXPECT_EQ(parms->count(), before) << "no parameter named after a word";
    EXPECT_FALSE(parms->item("copy"));
    EXPECT_FALSE(parms->item("a"));
    EXPECT_EQ(value("transfer_mode"), "ignore");
    EXPECT_EQ(value("email_notify_mode"), "ignore");
}

// A generator whose command is the internal distributor gets this dialog
// too, but its set is not a distributor's: the load stops before the lock,
// and nothing shown for the previous set may be written into it.
TEST_F(DistribParmsTest, ASetNotOwnedByADistributorIsNeverWritten)
{
    add("transfer_mode", "copy");
    add("transfer_destination", "D:\\site");
    distrib->setReservedItem(SYSTEM);
    ASSERT_TRUE(open());
    ASSERT_TRUE(form->locked());

    auto gen = classCreate_KalvexGenerator();
    gen->setCmdGen(DISTRIBUTOR_PROGRAM);
    auto genParms = gen->parameters();
    frmDistribParms* const shared = form;
    ASSERT_EQ(open(genParms), shared);
    EXPECT_EQ(form->parmsColl(), genParms);
    EXPECT_EQ(genParms->count(), 0) << "no mode key added to a generator's set";
    EXPECT_EQ(form->textTransferDest->text(), "D:\\site") << "stopped before any control was filled";
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(genParms->count(), 0);

    // An editable distributor first: the dialog is unlocked, yet the
    // generator's set still receives nothing.
    distrib->setReservedItem(NOT_RESERVED);
    ASSERT_TRUE(open());
    clickIndicator(form->optCompress[2]);
    ASSERT_EQ(open(genParms), shared);
    EXPECT_FALSE(form->locked());
    typeInto(form->textTransferDest, "E:\\other");
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(genParms->count(), 0);
    EXPECT_EQ(value("transfer_destination"), "D:\\site");

    // A distributor's set loaded again is written as usual.
    ASSERT_TRUE(open());
    typeInto(form->textTransferDest, "E:\\other");
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("transfer_destination"), "E:\\other");
    // A set without an owner is edited, unlocked.
    auto loose = classCreate_KalvexGenParms();
    loose->editor()->setFormObj(morvObjs_editFormSelect(DISTRIBUTOR_PROGRAM));
    ASSERT_EQ(open(loose), shared);
    EXPECT_FALSE(form->locked());
    EXPECT_EQ(parmValue(loose, "compress_mode"), "ignore");
    clickIndicator(form->optCompress[1]);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(parmValue(loose, "compress_mode"), "one_to_one");
}

TEST_F(DistribParmsTest, ReleasedSetMakesLoadPersistAndBrowseDoNothing)
{
    ModalWatchdog dog;
    add("transfer_mode", "copy");
    ASSERT_TRUE(open());
    distrib.reset();
    parms.reset();
    EXPECT_FALSE(form->parmsColl());
    form->loadData();
    EXPECT_EQ(persist(), 0);
    bool opened = false;
    QTimer::singleShot(100, [&opened] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            opened = true;
            w->close();
        }
    });
    clickWidget(form->browseTransfer);
    QTest::qWait(150);
    EXPECT_FALSE(opened) << "no picker without a parameter set";
}

TEST_F(DistribParmsTest, TransferPickerStartsExpandedAndAnswersCollapsed)
{
    ModalWatchdog dog;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("site");
    auto vars = std::make_shared<BrenloEnvirVars>();
    vars->add("KVX_SITE_ROOT", QDir(dir.path()).absolutePath());
    parms->setEnvirVars(vars);
    add("transfer_mode", "copy");
    add("transfer_destination", "  ${KVX_SITE_ROOT} ");
    ASSERT_TRUE(open());

    QString start, title;
    whenModal([&](QWidget* w) {
        title = w->windowTitle();
        if (auto* fd = qobject_cast<QFileDialog*>(w)) {
            start = fd->directory().absolutePath();
            auto* view = fd->findChild<QListView*>("listView");
            (void)QTest::qWaitFor([view] { return view->model()->rowCount(view->rootIndex()) > 0; }, 3000);
            auto* edit = fd->findChild<QLineEdit*>("fileNameEdit");
            typeInto(edit, "site");
            QTest::keyClick(edit, Qt::Key_Return);
        }
    });
    clickWidget(form->browseTransfer);
    EXPECT_EQ(title, "Select the transfer directory");
    EXPECT_EQ(start, QDir(dir.path()).absolutePath());
    EXPECT_EQ(form->textTransferDest->text(), "${KVX_SITE_ROOT}/site");

    auto cancelled = whenModal([](QWidget* w) { cancelModal(w); });
    clickWidget(form->browseTransfer);
    EXPECT_TRUE(cancelled->ran);
    EXPECT_EQ(form->textTransferDest->text(), "${KVX_SITE_ROOT}/site") << "a cancelled selector changes nothing";
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("transfer_destination"), "${KVX_SITE_ROOT}/site");
}

TEST_F(DistribParmsTest, FramesKeepTheMinimumWidthAndShareTheEmailRowInHalves)
{
    ASSERT_TRUE(open());
    EXPECT_DOUBLE_EQ(form->emailGap(), 105);
    EXPECT_DOUBLE_EQ(form->minContentWidth(), 6855);
    EXPECT_DOUBLE_EQ(vb::left(form->frameCompressParms), 5);
    EXPECT_DOUBLE_EQ(vb::left(form->frameTransfer), 5);
    EXPECT_DOUBLE_EQ(vb::left(form->FrameEmailNoty), 5);
    EXPECT_DOUBLE_EQ(vb::left(form->CheckRemoveTemp), 5 + vb::left(form->checkTransferData));

    const auto check = [this](double w) {
        const double gap = guiLib().gap;
        EXPECT_DOUBLE_EQ(vb::width(form->frameCompressParms), w);
        EXPECT_DOUBLE_EQ(vb::width(form->frameTransfer), w);
        EXPECT_DOUBLE_EQ(vb::left(form->browseTransfer), w - 315 - gap);
        EXPECT_DOUBLE_EQ(vb::left(form->textTransferDest) + vb::width(form->textTransferDest),
                         vb::left(form->browseTransfer) - guiLib().quarterGap);
        EXPECT_DOUBLE_EQ(vb::left(form->textCompressedFile) + vb::width(form->textCompressedFile), w - gap);
        const double half = std::nearbyint((w - 105) / 2);
        EXPECT_DOUBLE_EQ(vb::width(form->FrameEmailNoty), half);
        EXPECT_DOUBLE_EQ(vb::width(form->frameEmail), half);
        EXPECT_DOUBLE_EQ(vb::left(form->frameEmail), 5 + half + 105);
        EXPECT_DOUBLE_EQ(vb::left(form->textEmailDataAddress) + vb::width(form->textEmailDataAddress),
                         half - gap);
        EXPECT_DOUBLE_EQ(vb::left(form->textEmailNotyAddress) + vb::width(form->textEmailNotyAddress),
                         half - gap);
    };
    form->resize(200, form->height()); // far below the minimum
    QTest::qWait(20);
    check(6855);
    form->resize(800, form->height());
    QTest::qWait(20);
    EXPECT_DOUBLE_EQ(vb::width(form->parmsPanel), vb::scaleWidth(form));
    check(vb::width(form->parmsPanel) - 10);

    // Loaded again after an unload, the widened form keeps the design's numbers.
    form->unloadForm(1);
    ASSERT_TRUE(open());
    EXPECT_DOUBLE_EQ(form->emailGap(), 105);
    EXPECT_DOUBLE_EQ(form->minContentWidth(), 6855);
    form->resize(200, form->height());
    QTest::qWait(20);
    check(6855);
}

TEST_F(DistribParmsTest, EveryOpeningShowsTheTransferPathFromItsStart)
{
    add("transfer_mode", "copy");
    add("transfer_destination", "\\\\fileserver\\outgoing\\${KVX_PSITE_NAME}\\boards\\released\\data");
    ASSERT_TRUE(open());
    VbTextBox* box = form->textTransferDest;
    ASSERT_GT(box->fontMetrics().horizontalAdvance(box->text()), box->width()) << "longer than its box";
    // Clicked near its end (through the window, as the window system sends it), closed and opened again.
    const QPoint nearEnd = box->mapTo(form, QPoint(box->width() - 4, box->height() / 2));
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, nearEnd);
    ASSERT_TRUE(QTest::qWaitFor([box] { return box->hasFocus() && box->cursorPosition() > 0; }));
    form->unloadForm(1);
    ASSERT_TRUE(open());
    form->forceFocus();
    QTest::qWait(20);
    EXPECT_EQ(box->cursorPosition(), 0);
    EXPECT_LT(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 10) << "the start is in view";
}

} // namespace kalvex::test
