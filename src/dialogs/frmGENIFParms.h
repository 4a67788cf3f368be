// Parameters of the general interfaces generator: the feedback title, the
// clean-up switch, the interface format and whether parts are listed by label.
#pragma once
#include "dialogs/KalvexParmFormBase.h"
#include "dialogs/morvObj_optionGroup.h"
#include "platform/VbOptionButton.h"

namespace kalvex {

class VbCheckBox;
class VbLabel;
class VbTextBox;

class frmGENIFParms : public KalvexParmFormBase {
    Q_OBJECT
public:
    frmGENIFParms();

    int defaultHelpTopic() const override { return 19; }

    // The if_name word of an option (-1: the selected one); "NODEF" when no
    // option is selected.
    QString checkIn_getIFFromGUI(int index) const;

    VbPanel3D* parmsPanel;
    VbLabel* labelTitle;
    VbTextBox* textTitle;
    VbFrame* frameGENIF;
    VbOptionArray OptNTLType;
    VbFrame* frameDeviceName;
    VbOptionArray optDevName;
    VbCheckBox* checkCleanup;

protected:
    void dialogLoad() override;
    bool layoutPanel() override;
    void loadGroups() override;
    int persistGroups(const IKalvexGenParmsPtr& parms) override;

private:
    void loadData_IF();
    void loadData_deviceName();
    void tooltip_toNTLOpt(VbOptionButton* option, const QString& key);

    OptionGroup m_ifName;
    OptionGroup m_partLabels;
};

} // namespace kalvex
