// The DRC dialog: three bound controls, the configuration file's browse and
// its name rule, and the panel layout.
#include "dialogs/frmDRCParms.h"

#include "dialogs/guiLib.h"
#include "foundation/vbl_str.h"

namespace kalvex {

frmDRCParms::frmDRCParms()
    : KalvexParmFormBase(QStringLiteral("frmDRCParms"))
{
    setCaption(QStringLiteral("DRC generator parameters"));
    parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");
    frameParms = addControl(new VbFrame(parmsPanel), "frameParms");
    labelConfigFile =
        addControl(new VbLabel(QStringLiteral("Batch DRC configuration file:"), frameParms), "labelConfigFile");
    vb::move(labelConfigFile, 120, 120, 4000, 255);
    textConfigFile = addControl(new VbTextBox(frameParms), "textConfigFile");
    vb::move(textConfigFile, 120, 400, 4500, 300);
    browseConfigFile = addBrowseButton(frameParms, QStringLiteral("browseConfigFile"));
    vb::move(browseConfigFile, 4680, 393, 315, 315);
    labelTitle =
        addControl(new VbLabel(QStringLiteral("Title to be displayed in feedback menu:"), frameParms), "labelTitle");
    vb::move(labelTitle, 120, 840, 4000, 255);
    textTitle = addControl(new VbTextBox(frameParms), "textTitle");
    vb::move(textTitle, 120, 1120, 4875, 300);
    checkHazardsOnly = addControl(
        new VbCheckBox(QStringLiteral("Limit log data to hazards (non- hazards are skipped)"), frameParms),
        "checkHazardsOnly");
    vb::move(checkHazardsOnly, 120, 1560, 6000, 255);

    bindControl(textConfigFile, QStringLiteral("scheme_file"), QStringLiteral("Configuration file"),
                QStringLiteral("<settings_file>"), browseConfigFile);
    bindControl(textTitle, QStringLiteral("title"), QStringLiteral("Feedback menu title"),
                QStringLiteral("<title_str>"));
    bindControl(checkHazardsOnly, QStringLiteral("list_hazards_only"), QStringLiteral("Hazards only flag"));
    setPanel(parmsPanel, frameParms);
    setFocusTarget(textTitle);
    helpSettingsFirst = true;

    connect(textConfigFile, &VbTextBox::Change, this, &frmDRCParms::textConfigFile_Change);
    connect(browseConfigFile, &VbCommandButton::Click, this, &frmDRCParms::browseConfigFile_Click);
    vb::move(this, 1500, 1500, 6600, 2100);
}

// "nameE2E.dat" names the same settings as "name.dat". Surrounding blanks go
// only with a replacement; the box's next change finds nothing and stops.
void frmDRCParms::textConfigFile_Change()
{
    const QString t = textConfigFile->text().trimmed();
    const QString r = vbl_gsubString(t, QStringLiteral("E2E.dat"), QStringLiteral(".dat"), false, VBL_COMPARE_TEXT);
    if (r != t)
        textConfigFile->rewriteText(r);
}

// Files only; a picked name goes through the name rule like a typed one.
void frmDRCParms::browseConfigFile_Click() { browseFileInto(textConfigFile, QStringLiteral("scheme_file"), false); }

bool frmDRCParms::layoutPanel()
{
    const double right = gui_fillPanel(parmsPanel, frameParms);
    gui_placeBrowseRow(textConfigFile, browseConfigFile, right);
    return vb::setWidth(textTitle, right - vb::left(textTitle));
}

} // namespace kalvex
