// The distributor dialog's four mode words (compression, transfer, data and
// notification e-mail): their readers and writers, the click rules of the
// controls that set them, and the transfer-directory picker.
#include "dialogs/frmDistribParms.h"

#include "dialogs/morvObj_parmBinding.h"
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
const QString wordIgnore = QStringLiteral("ignore");
const QString wordCopy = QStringLiteral("copy");
const QString wordNotify = QStringLiteral("notify");
const QString wordOneToOne = QStringLiteral("one_to_one");
const QString wordAllToOne = QStringLiteral("all_to_one");

// Index of the candidate equal to the stored word (both lower-cased), -1 for
// any other word. The key is added as "ignore" when missing.
int readWord(const IKalvexGenParmsPtr& parms, const QString& key, const QStringList& candidates, QString& remembered)
{
    QString value = wordIgnore;
    int type = PARM_TYPE_SYSTEM;
    morvObjs_parms_getParm(parms, key, value, type, true);
    remembered = value;
    const QString lower = value.toLower();
    for (int i = 0; i < candidates.size(); ++i)
        if (candidates[i] == lower)
            return i;
    return -1;
}

int writeWord(const IKalvexGenParmsPtr& parms, const QString& key, const QString& word, const QString& remembered)
{
    if (word == remembered)
        return 0;
    QString value = word;
    int type = PARM_TYPE_SYSTEM;
    const IKalvexGenParmPtr parm = morvObjs_parms_getParm(parms, key, value, type, true);
    if (!parm)
        return 0;
    parm->setValue(false, word);
    return 1;
}

void setEnabledAll(std::initializer_list<QObject*> controls, bool on)
{
    for (QObject* c : controls)
        vb::setEnabled(c, on);
}
} // namespace

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

void frmDistribParms::loadData()
{
    const IKalvexGenParmsPtr parms = parmsColl();
    if (parms && parms->parent() && !std::dynamic_pointer_cast<IKalvexDistributor>(parms->parent())) {
        m_loadedSet.reset();
        return;
    }
    KalvexParmFormBase::loadData();
    m_loadedSet = parms;
}

// The controls still show the last distributor's set: a set handed in
// without being loaded must not receive them.
int frmDistribParms::persistData(bool& flag)
{
    const IKalvexGenParmsPtr parms = parmsColl();
    if (!parms || parms != m_loadedSet.lock())
        return 0;
    return KalvexParmFormBase::persistData(flag);
}

// ---- Readers: a missing key is added as "ignore"; each reader re-applies
// its click rule, so a dialog loaded again with the same words still gets
// its dependent controls right.

void frmDistribParms::loadData_transfer(const IKalvexGenParmsPtr& parms)
{
    const int i = readWord(parms, QStringLiteral("transfer_mode"), {wordCopy}, m_transferWord);
    checkTransferData->setValue(i == 0 ? 1 : 0);
    checkTransferData_Click();
}

void frmDistribParms::loadData_email(const IKalvexGenParmsPtr& parms)
{
    const int data = readWord(parms, QStringLiteral("email_data_mode"), {wordAllToOne, wordOneToOne}, m_emailDataWord);
    CheckEmailData->setValue(data >= 0 ? 1 : 0);
    CheckEmailDataSeparate->setValue(data == 1 ? 1 : 0);
    const int notify = readWord(parms, QStringLiteral("email_notify_mode"), {wordNotify}, m_emailNotifyWord);
    checkEmailNotify->setValue(notify == 0 ? 1 : 0);
    CheckEmailData_Click();
    checkEmailNotify_Click();
}

void frmDistribParms::loadData_compress(const IKalvexGenParmsPtr& parms)
{
    const int i = readWord(parms, QStringLiteral("compress_mode"), {wordAllToOne, wordOneToOne}, m_compressWord);
    const int index = i == 0 ? 2 : i == 1 ? 1 : 0;
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

// ---- Writers: a word is written when it differs exactly from the word read
// at load; each group that wrote counts once.

int frmDistribParms::persistData_compress(const IKalvexGenParmsPtr& parms)
{
    return writeWord(parms, QStringLiteral("compress_mode"), compressOpt_toMode(-1), m_compressWord);
}

int frmDistribParms::persistData_transfer(const IKalvexGenParmsPtr& parms)
{
    return writeWord(parms, QStringLiteral("transfer_mode"),
                     vbl_chk_isChecked(checkTransferData) ? wordCopy : wordIgnore, m_transferWord);
}

int frmDistribParms::persistData_email(const IKalvexGenParmsPtr& parms)
{
    const QString data = !vbl_chk_isChecked(CheckEmailData)       ? wordIgnore
                         : vbl_chk_isChecked(CheckEmailDataSeparate) ? wordOneToOne
                                                                     : wordAllToOne;
    const int wroteData = writeWord(parms, QStringLiteral("email_data_mode"), data, m_emailDataWord);
    const int wroteNotify = writeWord(parms, QStringLiteral("email_notify_mode"),
                                      vbl_chk_isChecked(checkEmailNotify) ? wordNotify : wordIgnore,
                                      m_emailNotifyWord);
    return wroteData || wroteNotify ? 1 : 0;
}

int frmDistribParms::persistGroups()
{
    const IKalvexGenParmsPtr parms = parmsColl();
    int count = persistData_compress(parms);
    count += persistData_transfer(parms);
    count += persistData_email(parms);
    return count;
}

void frmDistribParms::browseTransfer_Click()
{
    const IKalvexGenParmsPtr parms = parmsColl();
    if (!parms)
        return;
    const QString dir = morvObjs_dirBrowser(textTransferDest->text().trimmed(),
                                            QStringLiteral("Select the transfer directory"), parms->envirVars(),
                                            QString(), true);
    if (dir != PICKER_NODEF)
        textTransferDest->setText(dir);
}

} // namespace kalvex
