// The variant set-up generator's dialog: which design manipulation a task
// performs (six options over two frames) and the source report-writer
// databases for the variant databases. Sets written for the older single
// report-writer operation are brought up to date when the dialog loads.
#pragma once
#include "dialogs/KalvexParmFormBase.h"
#include "dialogs/morvObj_optionGroup.h"
#include "platform/VbOptionButton.h"

namespace kalvex {

class VbCommandButton;
class VbLabel;
class VbTextBox;
class VbTimer;

class frmVarsetupParms : public KalvexParmFormBase {
    Q_OBJECT
public:
    frmVarsetupParms();

    int defaultHelpTopic() const override { return 28; }

    // The operation of an option; a negative index takes the selected one.
    QString variantMode_fromGUI(int index) const;
    // The operation found at load, as stored; "XXXX" when missing or unknown.
    QString loadedOperation() const { return m_operation.reference(); }

    void optVarsetup_Click(int index);
    void browseSourceDBPCB_Click();
    void browseSourceDBCAE_Click();
    void TimerInit_Timer();

    VbPanel3D* parmsPanel;
    VbFrame* FrameDesignOper;
    VbFrame* frameVarsetupParms;
    VbOptionArray optVarsetup;
    VbLabel* labelSourceDBPCB;
    VbTextBox* textSourceDBPCB;
    VbCommandButton* browseSourceDBPCB;
    VbLabel* labelSourceDBCAE;
    VbTextBox* textSourceDBCAE;
    VbCommandButton* browseSourceDBCAE;
    VbTimer* TimerInit;

protected:
    void dialogLoad() override;
    bool layoutPanel() override;
    void loadAfterLock(const IKalvexGenParmsPtr& parms) override;
    void loadGroups() override;
    int persistGroups(const IKalvexGenParmsPtr& parms) override;

private:
    void buildSourceRow(double top, const QString& suffix, VbLabel*& label, VbTextBox*& text,
                        VbCommandButton*& browse);
    void buildOperationGroup();
    void legacy_fixBNREPGen(const IKalvexGenParmsPtr& parms);
    void fill_variantMode(const IKalvexGenParmsPtr& parms);
    void tooltip_toVarmode(VbOptionButton* button, const QString& key);
    void setSourceRowEnabled(VbLabel* label, VbTextBox* text, VbCommandButton* browse, bool on);
    void browseSource(VbTextBox* text, const QString& browseId);

    // "operation": not created at load; missing or unknown reads as "XXXX",
    // so that persisting writes it.
    OptionGroup m_operation;
};

} // namespace kalvex
