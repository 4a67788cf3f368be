// The distributor dialog's four mode words (compression, transfer, data and
// notification e-mail): their readers and writers, the click rules of the
// controls that set them, and the transfer-directory picker.
#include "dialogs/frmDistribParms.h"

#include <algorithm>

#include "dialogs/morvObjs_pickers.h"
#include "interfaces/IBrenloEnvirVars.h"
#include "interfaces/IKalvexDistributor.h"
#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "platform/vbl_form.h"

namespace kalvex {

namespace {
void setEnabledAll(std::initializer_list<QObject*> controls, bool on)
{
    for (QObject* c : controls)
        vb::setEnabled(c, on);
}

// A mode word: compared lower-cased, any other word means the first one
// ("ignore"), a missing key is added as "ignore" at load.
OptionGroupRule modeRule(const QString& key, const QStringList& words)
{
    return {.key = key, .words = words, .match = OptMatch::LowerEqual, .unmatched = 0, .defaultWord = words[0]};
}
} // namespace

void frmDistribParms::buildModeGroups()
{
    const QString ignore = QStringLiteral("ignore");
    m_compressMode = OptionGroup(modeRule(QStringLiteral("compress_mode"), {ignore, QStringLiteral("one_to_one"),
                                                                           QStringLiteral("all_to_one")}));
    m_transferMode = OptionGroup(modeRule(QStringLiteral("transfer_mode"), {ignore, QStringLiteral("copy")}));
    m_emailDataMode = OptionGroup(modeRule(QStringLiteral("email_data_mode"), {ignore, QStringLiteral("all_to_one"),
                                                                             QStringLiteral("one_to_one")}));
    m_emailNotifyMode = OptionGroup(modeRule(QStringLiteral("email_notify_mode"), {ignore, QStringLiteral("notify")}));
}

QString frmDistribParms::compressOpt_toMode(int index) const
{
    const QStringList& words = m_compressMode.rule().words;
    if (index < 0)
        index = optCompress.selectedIndex();
    return index >= 0 && index < words.size() ? words[index] : words[0];
}

// ---- Click rules: a read-only dialog keeps every dependent control disabled.

void frmDistribParms::checkTransferData_Click()
{
    setEnabledAll({textTransferDest, browseTransfer}, !locked() && vbl_chk_isChecked(checkTransferData));
}

void frmDistribParms::CheckEmailData_Click()
{
    setEnabledAll({textEmailDataAddress, CheckEmailDataConfirm, CheckEmailDataSeparate, labelAddrData},
                  !locked() && vbl_chk_isChecked(CheckEmailData));
}

void frmDistribParms::checkEmailNotify_Click()
{
    setEnabledAll({labelAddrNoty, textEmailNotyAddress, CheckEmailNotyConfirm},
                  !locked() && vbl_chk_isChecked(checkEmailNotify));
}

// Only the file of "Compressed data into file:" is editable; on a read-only
// dialog that box stays as the lock left it.
void frmDistribParms::optCompress_Click(int index)
{
    if (index == 2) {
        if (!locked())
            vb::setEnabled(textCompressedFile, true);
    } else {
        vb::setEnabled(textCompressedFile, false);
    }
}

// ---- Load and persist

// The dialog edits a distributor's own set; a generator whose command names
// the internal distributor gets the dialog, not its data.
bool frmDistribParms::acceptsParms(const IKalvexGenParmsPtr& parms)
{
    const auto owner = parms->parent();
    return !owner || std::dynamic_pointer_cast<IKalvexDistributor>(owner);
}

// ---- Readers: each re-applies its click rule, so a dialog loaded again with
// the same words still gets its dependent controls right.

void frmDistribParms::loadData_transfer(const IKalvexGenParmsPtr& parms)
{
    checkTransferData->setValue(m_transferMode.load(parms) == 1 ? 1 : 0);
    checkTransferData_Click();
}

void frmDistribParms::loadData_email(const IKalvexGenParmsPtr& parms)
{
    const int data = m_emailDataMode.load(parms);
    CheckEmailData->setValue(data > 0 ? 1 : 0);
    CheckEmailDataSeparate->setValue(data == 2 ? 1 : 0);
    checkEmailNotify->setValue(m_emailNotifyMode.load(parms) == 1 ? 1 : 0);
    CheckEmailData_Click();
    checkEmailNotify_Click();
}

void frmDistribParms::loadData_compress(const IKalvexGenParmsPtr& parms)
{
    const int index = std::max(m_compressMode.load(parms, optCompress), 0);
    optCompress[index]->setValue(true);
    optCompress_Click(index);
}

void frmDistribParms::loadGroups()
{
    const IKalvexGenParmsPtr parms = parmsColl();
    loadData_email(parms);
    loadData_compress(parms);
    loadData_transfer(parms);
}

// ---- Writers: each group that wrote a word counts once.

int frmDistribParms::persistData_compress(const IKalvexGenParmsPtr& parms)
{
    return m_compressMode.persistWord(parms, compressOpt_toMode(-1));
}

int frmDistribParms::persistData_transfer(const IKalvexGenParmsPtr& parms)
{
    return m_transferMode.persist(parms, vbl_chk_isChecked(checkTransferData) ? 1 : 0);
}

int frmDistribParms::persistData_email(const IKalvexGenParmsPtr& parms)
{
    const int data = !vbl_chk_isChecked(CheckEmailData) ? 0 : vbl_chk_isChecked(CheckEmailDataSeparate) ? 2 : 1;
    const int wroteData = m_emailDataMode.persist(parms, data);
    const int wroteNotify = m_emailNotifyMode.persist(parms, vbl_chk_isChecked(checkEmailNotify) ? 1 : 0);
    return wroteData || wroteNotify ? 1 : 0;
}

int frmDistribParms::persistGroups(const IKalvexGenParmsPtr& parms)
{
    int count = persistData_compress(parms);
    count += persistData_transfer(parms);
    count += persistData_email(parms);
    return count;
}

void frmDistribParms::browseTransfer_Click()
{
    const IKalvexGenParmsPtr parms = contextParms();
    if (!parms)
        return;
    const QString dir = morvObjs_dirBrowser(textTransferDest->text().trimmed(),
                                            QStringLiteral("Select the transfer directory"), parms->envirVars(),
                                            QString(), true);
    if (dir != PICKER_NODEF)
        textTransferDest->setText(dir);
}

} // namespace kalvex
