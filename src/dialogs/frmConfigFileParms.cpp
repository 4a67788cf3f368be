// The configuration-file dialogs: controls, binding, browse and layout.
#include "dialogs/frmConfigFileParms.h"

#include "dialogs/guiLib.h"

namespace kalvex {

namespace {
const ConfigFileDialog DXF_OUT = {"frmDXFOutParms", "dxf_config_file", "DXF Output configuration file:",
                                  "<title_string>", 22, false};
const ConfigFileDialog PLANES = {"frmPlanesParms", "planes_config_file", "Planes generator configuration file:",
                                 "<title_string>", 26, true};
const ConfigFileDialog ODBG = {"frmODBGParms", "odbg_config_file", "ODBG generator configuration file:",
                               "<title_str>", 24, true};

// Design positions (twips) of the rows; widths follow the panel.
constexpr double kLeft = 120;
constexpr double kLabelHeight = 255;
constexpr double kBoxHeight = 315;
} // namespace

frmConfigFileParms::frmConfigFileParms(const ConfigFileDialog& kind)
    : KalvexParmFormBase(QLatin1String(kind.formName))
    , m_kind(kind)
{
    parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");
    frameParms = addControl(new VbFrame(parmsPanel), "frameParms");
    labelConfigFile = addControl(new VbLabel(QLatin1String(kind.fileCaption), frameParms), "labelConfigFile");
    textConfigFile = addControl(new VbTextBox(frameParms), "textConfigFile");
    browseConfigFile = addBrowseButton(frameParms, QStringLiteral("browseConfigFile"));
    labelTitle = addControl(new VbLabel(QStringLiteral("Title to be displayed in feedback menu:"), frameParms),
                            "labelTitle");
    textTitle = addControl(new VbTextBox(frameParms), "textTitle");

    vb::move(labelConfigFile, kLeft, 120, 4500, kLabelHeight);
    vb::move(textConfigFile, kLeft, 390, 5400, kBoxHeight);
    vb::move(labelTitle, kLeft, 825, 4500, kLabelHeight);
    vb::move(textTitle, kLeft, 1095, 5800, kBoxHeight);
    vb::move(this, 2400, 2400, 6600, 1800);

    bindControl(textConfigFile, fileKey(), QStringLiteral("Configuration file"), QStringLiteral("<config_file>"),
                browseConfigFile);
    bindControl(textTitle, QStringLiteral("title"), QStringLiteral("Feedback menu title"),
                QLatin1String(kind.titlePlaceholder));
    setPanel(parmsPanel, frameParms);
    setFocusTarget(textTitle);
    helpSettingsFirst = kind.helpSettingsFirst;
    connect(browseConfigFile, &VbCommandButton::Click, this, &frmConfigFileParms::browseConfigFile_Click);
}

void frmConfigFileParms::browseConfigFile_Click() { browseFileInto(textConfigFile, fileKey(), false); }

bool frmConfigFileParms::layoutPanel()
{
    const double right = gui_fillPanel(parmsPanel, frameParms);
    // A form too narrow for its boxes fails, so that it gets its size back.
    const double fileWidth = right - vb::width(browseConfigFile) - vb::left(textConfigFile) - guiLib().quarterGap;
    if (fileWidth < 0 || right - vb::left(textTitle) < 0)
        return false;
    gui_placeBrowseRow(textConfigFile, browseConfigFile, right);
    gui_stretchToRight(textTitle, right);
    return true;
}

frmDXFOutParms::frmDXFOutParms()
    : frmConfigFileParms(DXF_OUT)
{
}

frmPlanesParms::frmPlanesParms()
    : frmConfigFileParms(PLANES)
{
}

frmODBGParms::frmODBGParms()
    : frmConfigFileParms(ODBG)
{
}

} // namespace kalvex
