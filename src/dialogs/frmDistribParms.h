// The internal distributor's parameter dialog: compression, transfer to a
// directory, notification and data e-mail, and clean-up. Four keys hold mode
// words set through option buttons and check boxes; the dependent controls
// follow them through the click rules.
#pragma once
#include "dialogs/KalvexParmFormBase.h"
#include "dialogs/morvObj_optionGroup.h"
#include "platform/VbOptionButton.h"

namespace kalvex {

class VbCheckBox;
class VbCommandButton;
class VbLabel;
class VbTextBox;

class frmDistribParms : public KalvexParmFormBase {
    Q_OBJECT
public:
    frmDistribParms();

    int defaultHelpTopic() const override { return 1004; }

    // The word of an optCompress index; a negative index takes the selected
    // button ("ignore" when none is).
    QString compressOpt_toMode(int index) const;

    // Click rules: the dependent controls of each mode control.
    void checkTransferData_Click();
    void CheckEmailData_Click();
    void checkEmailNotify_Click();
    void optCompress_Click(int index);
    void browseTransfer_Click();

    VbPanel3D* parmsPanel;
    VbFrame* frameCompressParms;
    VbOptionArray optCompress;
    VbTextBox* textCompressedFile;
    VbFrame* frameTransfer;
    VbCheckBox* checkTransferData;
    VbTextBox* textTransferDest;
    VbCommandButton* browseTransfer;
    VbFrame* FrameEmailNoty;
    VbCheckBox* checkEmailNotify;
    VbLabel* labelAddrNoty;
    VbTextBox* textEmailNotyAddress;
    VbCheckBox* CheckEmailNotyConfirm;
    VbFrame* frameEmail;
    VbCheckBox* CheckEmailData;
    VbCheckBox* CheckEmailDataSeparate;
    VbLabel* labelAddrData;
    VbTextBox* textEmailDataAddress;
    VbCheckBox* CheckEmailDataConfirm;
    VbCheckBox* CheckRemoveTemp;

    // The e-mail gap and the minimum content width, taken at load.
    double emailGap() const { return m_emailGap; }
    double minContentWidth() const { return m_minWidth; }

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    bool layoutPanel() override;
    bool acceptsParms(const IKalvexGenParmsPtr& parms) override;
    void loadGroups() override;
    int persistGroups(const IKalvexGenParmsPtr& parms) override;

private:
    void buildCompressFrame();
    void buildTransferFrame();
    void buildEmailFrames();
    void connectEvents();
    void buildModeGroups();
    void tooltip_toOptBut(VbOptionButton* button, const QString& key);

    void loadData_transfer(const IKalvexGenParmsPtr& parms);
    void loadData_email(const IKalvexGenParmsPtr& parms);
    void loadData_compress(const IKalvexGenParmsPtr& parms);
    int persistData_compress(const IKalvexGenParmsPtr& parms);
    int persistData_transfer(const IKalvexGenParmsPtr& parms);
    int persistData_email(const IKalvexGenParmsPtr& parms);

    double m_emailGap = 0;
    double m_minWidth = 0;
    // The four mode words. Each keeps the word read at load inside the group,
    // never in a Tag, so that a word holding "#" never reads as a binding.
    OptionGroup m_compressMode;
    OptionGroup m_transferMode;
    OptionGroup m_emailDataMode;
    OptionGroup m_emailNotifyMode;
};

} // namespace kalvex
