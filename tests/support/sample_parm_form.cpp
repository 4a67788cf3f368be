#include "support/sample_parm_form.h"

#include "dialogs/guiLib.h"
#include "dialogs/morvObj_optionGroup.h"
#include "platform/VbIcons.h"

namespace kalvex::test {

const QStringList frmSampleParms::modeWords = {QStringLiteral("Plain"), QStringLiteral("Compressed"),
                                               QStringLiteral("Archive")};

frmSampleParms::frmSampleParms()
    : KalvexParmFormBase(QStringLiteral("frmSampleParms"))
{
    setCaption(QStringLiteral("Sample generator parameters"));
    parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");
    frameParms = addControl(new VbFrame(QStringLiteral("Parameters"), parmsPanel), "frameParms");
    labelConfigFile = addControl(new VbLabel(QStringLiteral("Configuration file:"), frameParms), "labelConfigFile");
    textConfigFile = addControl(new VbTextBox(frameParms), "textConfigFile");
    browseConfigFile = addControl(new VbCommandButton(frameParms), "browseConfigFile");
    browseConfigFile->setPicture(vbIcon_browse());
    labelTitle = addControl(new VbLabel(QStringLiteral("Title:"), frameParms), "labelTitle");
    textTitle = addControl(new VbTextBox(frameParms), "textTitle");
    checkVerbose = addControl(new VbCheckBox(QStringLiteral("Verbose output"), frameParms), "checkVerbose");
    checkKeepTemp = addControl(new VbCheckBox(QStringLiteral("Keep temporary files"), frameParms), "checkKeepTemp");
    frameMode = addControl(new VbFrame(QStringLiteral("Output mode"), frameParms), "frameMode");
    for (int i = 0; i < modeWords.size(); ++i)
        optMode.append(addControl(new VbOptionButton(modeWords[i], frameMode), "optMode", i));
    comboUnits = addControl(new VbComboBox(frameParms), "comboUnits");
    comboUnits->AddItem(QStringLiteral("mm"));
    comboUnits->AddItem(QStringLiteral("inch"));
    vb::setTag(comboUnits, QStringLiteral("units#mm"));
    SSTabMain = addControl(new QTabWidget(frameParms), "SSTabMain", VbKind::TabControl);
    parmsGrid = new QTableWidget(3, 2);
    parmsGrid->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});
    SSTabMain->addTab(parmsGrid, QStringLiteral("Grid"));
    addControl(parmsGrid, "parmsGrid", VbKind::SpreadGrid);
    SSTabMain->addTab(new QWidget, QStringLiteral("Other"));
    focusTimer = addControl(new VbTimer(this, 100), "focusTimer");
    vb::setTag(focusTimer, QStringLiteral("TO_PARMSGRID"));

    bindControl(textConfigFile, QStringLiteral("config_file"), QStringLiteral("Configuration file"),
                QStringLiteral("<config_file>"), browseConfigFile);
    bindControl(textTitle, QStringLiteral("title"), QStringLiteral("Title"), QStringLiteral("<title_string>"));
    bindControl(checkVerbose, QStringLiteral("verbose"), QStringLiteral("Verbose output"));
    bindControl(checkKeepTemp, QStringLiteral("keep_temp"), QStringLiteral("Keep temporary files"));
    bindControl(frameMode, QStringLiteral("mode_frame"), QStringLiteral("Output mode"));
    setPanel(parmsPanel, frameParms);
    setLockExempt({QStringLiteral("comboUnits")});
    setFocusTarget(textTitle);
    modeGroup.keepReferenceInTag(optMode[0]);
    vb::move(this, 1500, 1500, 7200, 5400);
}

bool frmSampleParms::layoutPanel()
{
    const GuiMetrics& g = guiLib();
    const double right = gui_fillPanel(parmsPanel, frameParms);
    const double labelW = 1800, rowH = 300, left = g.margin;
    double y = g.margin;
    vb::move(labelConfigFile, left, y + 30, labelW, rowH - 60);
    vb::move(textConfigFile, left + labelW, y, 3000, rowH);
    gui_placeBrowseRow(textConfigFile, browseConfigFile, right);
    y += rowH + g.gap;
    vb::move(labelTitle, left, y + 30, labelW, rowH - 60);
    vb::move(textTitle, left + labelW, y, 3000, rowH);
    gui_stretchToRight(textTitle, right);
    y += rowH + g.gap;
    vb::move(checkVerbose, left, y, 3000, rowH);
    vb::move(comboUnits, left + 3200, y, 1400, rowH);
    y += rowH;
    vb::move(checkKeepTemp, left, y, 3000, rowH);
    y += rowH + g.gap;
    vb::move(frameMode, left, y, right - left, 3 * rowH + 2 * g.gap + 180);
    for (int i = 0; i < optMode.count(); ++i)
        vb::move(optMode[i], g.margin, 240 + i * (rowH + g.gap / 2), 2500, rowH);
    y += vb::height(frameMode) + g.gap;
    const double gridH = vb::height(frameParms) - y - g.margin;
    return vb::move(SSTabMain, left, y, right - left, gridH);
}

void frmSampleParms::loadGroups()
{
    modeGroup.load(parmsColl(), optMode);
}

int frmSampleParms::persistGroups(const IKalvexGenParmsPtr& parms)
{
    return modeGroup.persist(parms, optMode);
}

} // namespace kalvex::test
