// Parameters of the report writer netlister: the source database, the
// netlist format with the options of that format, how parts are named, and
// the clean-up switch. Only the chosen format's options are shown, all in
// one place below the format buttons.
#pragma once
#include "dialogs/KalvexParmFormBase.h"
#include "dialogs/morvObj_optionGroup.h"
#include "platform/VbOptionButton.h"

namespace kalvex {

class VbCheckBox;
class VbCommandButton;
class VbLabel;
class VbTextBox;

class frmBNREPNTLParms : public KalvexParmFormBase {
    Q_OBJECT
public:
    frmBNREPNTLParms();

    int defaultHelpTopic() const override { return 12; }

    // The netlister word of an option (negative: the selected one); "NODEF"
    // when no option is selected.
    QString checkIn_getNetlisterFromGUI(int index) const;

    VbPanel3D* parmsPanel;
    VbLabel* Label3;
    VbTextBox* textDatabase;
    VbCommandButton* browseDatabase;
    VbFrame* frameNetlister;
    VbOptionArray OptNTLType;
    VbCheckBox* checkCleanup;
    VbFrame* frameDeviceName;
    VbOptionArray optDevName;
    VbFrame* frameFabmaster;
    VbCheckBox* checkFMASTNegative;
    VbCheckBox* checkFMASTTestpoints;
    VbFrame* frameCLINK;
    VbCheckBox* checkCLINKPads;
    VbCheckBox* checkCLINKTemplates;
    VbFrame* frameIPC356;
    VbCheckBox* checkIPC356Mholes;
    VbCheckBox* checkIPC356Unique;
    VbCheckBox* checkIPC356Fid;

protected:
    void dialogLoad() override;
    bool layoutPanel() override;
    void loadGroups() override;
    int persistGroups(const IKalvexGenParmsPtr& parms) override;

private:
    void loadData_netlister();
    void loadData_deviceName();
    void tooltip_toNetlister(VbOptionButton* option, const QString& key);
    void frames_setVis_all(bool visible);
    void frames_setVis_one(VbFrame* frame, bool visible);
    void OptNTLType_Click(int index);
    void checkCLINKTemplates_Click();
    void browseDatabase_Click();

    OptionGroup m_netlister;
    OptionGroup m_device;
    // Top of the option frames, taken from frameIPC356 at load.
    int m_optionTop = 0;
};

} // namespace kalvex
