// A parameter dialog assembled the way the product's dialogs are, used by the
// binding tests and rendered by the render tool: bound text boxes and check
// boxes, a bound frame, an option group with its own loader and writer, a
// combo box and an option button carrying Tags the shared code must skip, a
// grid placeholder, a timer and a tab control.
#pragma once
#include <QTabWidget>
#include <QTableWidget>

#include "dialogs/KalvexParmFormBase.h"
#include "dialogs/morvObj_optionGroup.h"
#include "platform/VbCheckBox.h"
#include "platform/VbComboBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbOptionButton.h"
#include "platform/VbTextBox.h"
#include "platform/VbTimer.h"

namespace kalvex::test {

class frmSampleParms : public KalvexParmFormBase {
public:
    frmSampleParms();

    int defaultHelpTopic() const override { return 22; }

    VbPanel3D* parmsPanel;
    VbFrame* frameParms;
    VbLabel* labelConfigFile;
    VbTextBox* textConfigFile;
    VbCommandButton* browseConfigFile;
    VbLabel* labelTitle;
    VbTextBox* textTitle;
    VbCheckBox* checkVerbose;
    VbCheckBox* checkKeepTemp;
    VbFrame* frameMode;
    VbOptionArray optMode;
    VbComboBox* comboUnits;
    QTabWidget* SSTabMain;
    QTableWidget* parmsGrid;
    VbTimer* focusTimer;

    // The words of the option group "mode", in the dialog's letter case.
    static const QStringList modeWords;
    // "mode": lower-case equality, created at load, reference on optMode_0.
    OptionGroup modeGroup{{.key = QStringLiteral("mode"),
                           .words = modeWords,
                           .unmatched = 0,
                           .defaultWord = modeWords[0]}};

protected:
    bool layoutPanel() override;
    void loadGroups() override;
    int persistGroups(const IKalvexGenParmsPtr& parms) override;
};

} // namespace kalvex::test
