// Parameters of the internal batch DRC generator: its configuration file,
// the title shown in the generator's feedback menu and a hazards-only flag.
// Every "E2E.dat" in the configuration file name becomes ".dat" as soon as
// the name is typed, picked or loaded.
#pragma once
#include "dialogs/KalvexParmFormBase.h"
#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"

namespace kalvex {

class frmDRCParms : public KalvexParmFormBase {
    Q_OBJECT
public:
    frmDRCParms();

    int defaultHelpTopic() const override { return 20; }

    void textConfigFile_Change();
    void browseConfigFile_Click();

    VbPanel3D* parmsPanel;
    VbFrame* frameParms;
    VbLabel* labelConfigFile;
    VbTextBox* textConfigFile;
    VbCommandButton* browseConfigFile;
    VbLabel* labelTitle;
    VbTextBox* textTitle;
    VbCheckBox* checkHazardsOnly;

protected:
    bool layoutPanel() override;
};

} // namespace kalvex
