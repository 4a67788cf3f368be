// The distributor dialog's controls, texts and frame layout.
#include "dialogs/frmDistribParms.h"

#include <algorithm>

#include "dialogs/guiLib.h"
#include "generators/gens_tooltip.h"
#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbIcons.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "platform/VbTwips.h"

namespace kalvex {

namespace {
const QString compressKey = QStringLiteral("compress_mode");
const QStringList compressCaptions = {QStringLiteral("No compression"), QStringLiteral("Compress files seperately"),
                                      QStringLiteral("Compressed data into file:")};
} // namespace

frmDistribParms::frmDistribParms()
    : KalvexParmFormBase(QStringLiteral("frmDistribParms"))
{
    setCaption(QStringLiteral("Distributor parameters"));
    parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");
    buildCompressFrame();
    buildTransferFrame();
    buildEmailFrames();
    CheckRemoveTemp = addControl(
        new VbCheckBox(QStringLiteral("Remove temporary files after distribution"), parmsPanel), "CheckRemoveTemp");
    vb::move(CheckRemoveTemp, 240, 3720, 4500, 255);

    bindControl(textCompressedFile, QStringLiteral("compressed_fname"), QStringLiteral("Compressed file name"),
                QStringLiteral("<file_name>"));
    bindControl(textTransferDest, QStringLiteral("transfer_destination"), QStringLiteral("Transfer destination"),
                QStringLiteral("<file_path>"), browseTransfer);
    bindControl(textEmailNotyAddress, QStringLiteral("email_notify_addr"), QStringLiteral("Email notify address"),
                QStringLiteral("<email_address>"));
    bindControl(CheckEmailNotyConfirm, QStringLiteral("email_notify_confirm"), QStringLiteral("Send notify email"));
    bindControl(textEmailDataAddress, QStringLiteral("email_data_addr"), QStringLiteral("Email data address"),
                QStringLiteral("<email_address>"));
    bindControl(CheckEmailDataConfirm, QStringLiteral("email_data_confirm"), QStringLiteral("Send data email"));
    bindControl(CheckRemoveTemp, QStringLiteral("cleanup"), QStringLiteral("Cleanup temporary files"));
    setPanel(parmsPanel, nullptr); // no parameter frame: the four frames lie on the panel
    setFocusTarget(optCompress[0]);
    buildModeGroups();
    connectEvents();
    vb::move(this, 1500, 1500, 7200, 4200);
}

void frmDistribParms::buildCompressFrame()
{
    frameCompressParms = addControl(new VbFrame(QStringLiteral("Compression  parameters"), parmsPanel),
                                    "frameCompressParms");
    vb::move(frameCompressParms, 120, 0, 6735, 1335);
    for (int i = 0; i < compressCaptions.size(); ++i) {
        optCompress.append(addControl(new VbOptionButton(compressCaptions[i], frameCompressParms), "optCompress", i));
        vb::move(optCompress[i], 120, 270 + i * 300, 3000, 255);
    }
    textCompressedFile = addControl(new VbTextBox(frameCompressParms), "textCompressedFile");
    vb::move(textCompressedFile, 3120, 855, 3180, 285);
}

void frmDistribParms::buildTransferFrame()
{
    frameTransfer = addControl(new VbFrame(QStringLiteral("Transfer parameters"), parmsPanel), "frameTransfer");
    vb::move(frameTransfer, 120, 1440, 6735, 735);
    checkTransferData = addControl(new VbCheckBox(QStringLiteral("Transfer data to directory:"), frameTransfer),
                                   "checkTransferData");
    vb::move(checkTransferData, 120, 375, 3000, 255);
    textTransferDest = addControl(new VbTextBox(frameTransfer), "textTransferDest");
    vb::move(textTransferDest, 3120, 360, 3180, 285);
    browseTransfer = addControl(new VbCommandButton(frameTransfer), "browseTransfer");
    browseTransfer->setPicture(vbIcon_browse());
    vb::move(browseTransfer, 6300, 345, 315, 315);
}

// Both e-mail frames put their rows on the same lines: mode, (separate),
// address, confirmation.
void frmDistribParms::buildEmailFrames()
{
    FrameEmailNoty = addControl(new VbFrame(QStringLiteral("Notification E-mail parameters"), parmsPanel),
                                "FrameEmailNoty");
    vb::move(FrameEmailNoty, 120, 2280, 3255, 1335);
    checkEmailNotify = addControl(new VbCheckBox(QStringLiteral("Send mail"), FrameEmailNoty), "checkEmailNotify");
    vb::move(checkEmailNotify, 120, 270, 2400, 255);
    labelAddrNoty = addControl(new VbLabel(QStringLiteral("Address:"), FrameEmailNoty), "labelAddrNoty");
    vb::move(labelAddrNoty, 120, 810, 840, 225);
    textEmailNotyAddress = addControl(new VbTextBox(FrameEmailNoty), "textEmailNotyAddress");
    vb::move(textEmailNotyAddress, 990, 765, 2100, 285);
    CheckEmailNotyConfirm = addControl(new VbCheckBox(QStringLiteral("Confirm before send"), FrameEmailNoty),
                                       "CheckEmailNotyConfirm");
    vb::move(CheckEmailNotyConfirm, 120, 1065, 2400, 240);

    frameEmail = addControl(new VbFrame(QStringLiteral("Data E-mail parameters"), parmsPanel), "frameEmail");
    vb::move(frameEmail, 3480, 2280, 3375, 1335);
    CheckEmailData = addControl(new VbCheckBox(QStringLiteral("Send mail(s)"), frameEmail), "CheckEmailData");
    vb::move(CheckEmailData, 120, 270, 2400, 255);
    CheckEmailDataSeparate = addControl(new VbCheckBox(QStringLiteral("One mail per data file"), frameEmail),
                                        "CheckEmailDataSeparate");
    vb::move(CheckEmailDataSeparate, 360, 525, 2880, 240);
    labelAddrData = addControl(new VbLabel(QStringLiteral("Address:"), frameEmail), "labelAddrData");
    vb::move(labelAddrData, 120, 810, 840, 225);
    textEmailDataAddress = addControl(new VbTextBox(frameEmail), "textEmailDataAddress");
    vb::move(textEmailDataAddress, 990, 765, 2220, 285);
    CheckEmailDataConfirm = addControl(new VbCheckBox(QStringLiteral("Confirm before send"), frameEmail),
                                       "CheckEmailDataConfirm");
    vb::move(CheckEmailDataConfirm, 120, 1065, 2400, 240);
}

void frmDistribParms::connectEvents()
{
    connect(checkTransferData, &VbCheckBox::Click, this, &frmDistribParms::checkTransferData_Click);
    connect(CheckEmailData, &VbCheckBox::Click, this, &frmDistribParms::CheckEmailData_Click);
    connect(checkEmailNotify, &VbCheckBox::Click, this, &frmDistribParms::checkEmailNotify_Click);
    connect(&optCompress, &VbOptionArray::Click, this, &frmDistribParms::optCompress_Click);
    connect(browseTransfer, &VbCommandButton::Click, this, &frmDistribParms::browseTransfer_Click);
}

void frmDistribParms::tooltip_toOptBut(VbOptionButton* button, const QString& key)
{
    vb::setToolTipText(button, morvGens_toolTip_compose(button->text(), key, compressOpt_toMode(vb::index(button))));
}

// The frames are laid out before anything else: the e-mail gap and the
// minimum width come from the design positions, then every frame moves to
// the panel's left edge. An unloaded form keeps its controls where the
// layout left them, so the two numbers are taken at the first load only.
void frmDistribParms::Form_Load()
{
    if (m_minWidth <= 0) {
        m_emailGap = vb::left(frameEmail) - (vb::left(FrameEmailNoty) + vb::width(FrameEmailNoty));
        m_minWidth = vb::left(frameEmail) + vb::width(frameEmail);
    }
    vb::setLeft(frameCompressParms, 5);
    vb::setLeft(frameTransfer, vb::left(frameCompressParms));
    vb::setLeft(FrameEmailNoty, vb::left(frameCompressParms));
    vb::setLeft(CheckRemoveTemp, vb::left(frameCompressParms) + vb::left(checkTransferData));
    gui_getScreenMetrics();
    for (int i = 0; i < optCompress.count(); ++i)
        tooltip_toOptBut(optCompress[i], compressKey);
    KalvexParmFormBase::Form_Load();
}

void frmDistribParms::Form_Unload(int& cancel)
{
    Q_UNUSED(cancel)
    form_loaded = false;
}

bool frmDistribParms::layoutPanel()
{
    const double frameLeft = vb::left(frameCompressParms);
    const double w = std::max(vb::width(parmsPanel) - 2 * frameLeft, m_minWidth);
    bool ok = vb::setWidth(frameCompressParms, w);
    ok = vb::setWidth(frameTransfer, w) && ok;
    vb::setLeft(browseTransfer, vb::width(frameTransfer) - vb::width(browseTransfer) - guiLib().gap);
    gui_formResizePanel(textTransferDest, browseTransfer);
    ok = vb::setWidth(textCompressedFile, vb::left(browseTransfer) + vb::width(browseTransfer)
                                              - vb::left(textCompressedFile))
         && ok;
    const double half = static_cast<double>(roundHalfEven((w - m_emailGap) / 2));
    ok = vb::setWidth(FrameEmailNoty, half) && ok;
    ok = vb::setWidth(frameEmail, half) && ok;
    vb::setLeft(frameEmail, vb::left(FrameEmailNoty) + vb::width(FrameEmailNoty) + m_emailGap);
    ok = vb::setWidth(textEmailNotyAddress,
                      vb::width(FrameEmailNoty) - guiLib().gap - vb::left(textEmailNotyAddress))
         && ok;
    ok = vb::setWidth(textEmailDataAddress, vb::width(frameEmail) - guiLib().gap - vb::left(textEmailDataAddress))
         && ok;
    return ok;
}

} // namespace kalvex
