// Parameters of the internal NC drill generator. Two modes: generating drill
// data and checking files in, chosen by "operation"; the two option frames
// share one place and swap by visibility. Its option groups read their
// parameters without creating them, keep the values read in form fields and
// write only at persist (adding the three unit and axis defaults when
// missing, without counting them).
#pragma once
#include "dialogs/KalvexParmFormBase.h"
#include "dialogs/morvObj_optionGroup.h"
#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbOptionButton.h"
#include "platform/VbTextBox.h"

namespace kalvex {

class frmDrillParms : public KalvexParmFormBase {
    Q_OBJECT
public:
    frmDrillParms();

    int defaultHelpTopic() const override { return 2; }

    // The "operation" word the controls stand for now.
    QString currentOperation() const { return m_curOperation; }
    // "check_in_data", "check_in_sum" or "check_in_map" by the selected
    // check-in kind; empty when none is selected.
    QString checkIn_getOperFromGUI() const;

    int loadData_checkin(const IKalvexGenParmsPtr& parms);
    int loadData_drillGen(const IKalvexGenParmsPtr& parms);
    int loadData_setMenuMode(const IKalvexGenParmsPtr& parms);

    void OptOperations_Click(int index);
    void optCheckIn_Click(int index);
    void browseFMTFile_Click();

    VbPanel3D* parmsPanel;
    VbFrame* FrameOperations;
    VbOptionArray OptOperations;
    VbFrame* frameGenerate;
    VbFrame* Frame4;
    VbOptionArray OptDrillData;
    VbFrame* Frame3;
    VbOptionArray OptSum;
    VbFrame* FrameSweep;
    VbOptionArray OptSweep;
    VbLabel* Label2;
    VbTextBox* txtBandwidth;
    VbLabel* LabelBandwidth;
    VbLabel* Label3;
    VbTextBox* txtFormatFile;
    VbCommandButton* browseFMTFile;
    VbFrame* FrameFileCheckin;
    VbOptionArray optCheckIn;
    VbCheckBox* checkKeepFlag;
    VbCheckBox* CheckAppendSum;

protected:
    void dialogLoad() override;
    void Form_Resize() override;
    void loadGroups() override;
    int persistGroups(const IKalvexGenParmsPtr& parms) override;

private:
    // Each keeps the value read at load as its reference.
    struct Groups {
        Groups();
        OptionGroup sumUnits, units, sweep;
        OptionGroup checkIn; // reads the check-in kind of "operation"
        OptionGroup mode;    // reads the mode, writes the current operation
    };
    Groups m_groups;
    QString m_curOperation;
};

} // namespace kalvex
