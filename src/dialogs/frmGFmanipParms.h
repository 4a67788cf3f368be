// Parameters of the file manipulator generator: the operation (copy or move a
// file, create a directory, run a batch file or program), its source and
// destination, and the feedback title.
#pragma once
#include "dialogs/KalvexParmFormBase.h"
#include "dialogs/morvObj_optionGroup.h"
#include "platform/VbOptionButton.h"

namespace kalvex {

class VbCommandButton;
class VbLabel;
class VbTextBox;

class frmGFmanipParms : public KalvexParmFormBase {
    Q_OBJECT
public:
    frmGFmanipParms();

    int defaultHelpTopic() const override { return 4; }

    VbPanel3D* parmsPanel;
    VbFrame* frameParms;
    VbOptionArray OptFmanip;
    VbLabel* labelTitle;
    VbTextBox* textTitle;
    VbLabel* labelFrom;
    VbTextBox* textFromFile;
    VbCommandButton* browseFromFile;
    VbLabel* labelTo;
    VbTextBox* textToFile;
    VbCommandButton* browseToFile;

protected:
    bool layoutPanel() override;
    void loadGroups() override;
    int persistGroups(const IKalvexGenParmsPtr& parms) override;

private:
    void loadData_operation();
    void OptFmanip_Click(int index);
    void browseFromFile_Click();
    void browseToFile_Click();

    OptionGroup m_operation;
};

} // namespace kalvex
