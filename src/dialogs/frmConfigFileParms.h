// The dialogs of the generators that take all their settings from a
// configuration file of their own (DXF output, planes, ODBG): the file,
// browsed for through the file picker, and the title shown in the feedback
// menu. The three differ only in the values of ConfigFileDialog.
#pragma once
#include "dialogs/KalvexParmFormBase.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"

namespace kalvex {

struct ConfigFileDialog {
    const char* formName;
    const char* fileKey; // also the file picker's browse id
    const char* fileCaption;
    const char* titlePlaceholder;
    int helpTopic;
    bool helpSettingsFirst; // Form_Load order of help settings and stored size
};

class frmConfigFileParms : public KalvexParmFormBase {
    Q_OBJECT
public:
    explicit frmConfigFileParms(const ConfigFileDialog& kind);

    int defaultHelpTopic() const override { return m_kind.helpTopic; }
    QString fileKey() const { return QLatin1String(m_kind.fileKey); }

    VbPanel3D* parmsPanel;
    VbFrame* frameParms;
    VbLabel* labelConfigFile;
    VbTextBox* textConfigFile;
    VbCommandButton* browseConfigFile;
    VbLabel* labelTitle;
    VbTextBox* textTitle;

    // Fills the text box with the chosen file; the parameter changes only at
    // the next persistData.
    void browseConfigFile_Click();

protected:
    bool layoutPanel() override;

private:
    const ConfigFileDialog& m_kind;
};

class frmDXFOutParms : public frmConfigFileParms {
    Q_OBJECT
public:
    frmDXFOutParms();
};

class frmPlanesParms : public frmConfigFileParms {
    Q_OBJECT
public:
    frmPlanesParms();
};

class frmODBGParms : public frmConfigFileParms {
    Q_OBJECT
public:
    frmODBGParms();
};

} // namespace kalvex
