#include "dialogs/frmBNREPNTLParms.h"

#include <QCoreApplication>

#include "dialogs/guiLib.h"
#include "generators/gens_tooltip.h"
#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "platform/vbl_form.h"

namespace kalvex {

namespace {
const QString kNetlister = QStringLiteral("netlister");
const QString kDevice = QStringLiteral("device");
const QStringList kFormatCaptions = {QStringLiteral("Hyperlynx"), QStringLiteral("Incases"),
                                     QStringLiteral("Fabmaster"), QStringLiteral("Clink"), QStringLiteral("IPC356")};
const QStringList kDeviceCaptions = {QStringLiteral("Part name"), QStringLiteral("Part number"),
                                     QStringLiteral("Part label")};
const QStringList kDeviceTipLabels = {QStringLiteral("Use part names"), QStringLiteral("Use part numbers"),
                                      QStringLiteral("Use part labels")};

// Format and device words by option index; a stored value is searched for
// them in a fixed order, since one value may name more than one.
OptionGroupRule netlisterRule()
{
    return {.key = kNetlister,
            .words = {QStringLiteral("HLYNX"), QStringLiteral("INCASES"), QStringLiteral("FABMASTER"),
                      QStringLiteral("CLINK"), QStringLiteral("IPC356")},
            .match = OptMatch::LowerContains,
            .containsOrder = {{QStringLiteral("HLYNX"), 0},
                              {QStringLiteral("CLINK"), 3},
                              {QStringLiteral("FABMASTER"), 2},
                              {QStringLiteral("INCASES"), 1},
                              {QStringLiteral("IPC356"), 4}},
            .unmatched = 0,
            .defaultWord = QStringLiteral("HLYNX")};
}
OptionGroupRule deviceRule()
{
    return {.key = kDevice,
            .words = {QStringLiteral("name"), QStringLiteral("number"), QStringLiteral("label")},
            .match = OptMatch::LowerContains,
            .containsOrder = {{QStringLiteral("name"), 0}, {QStringLiteral("label"), 2}, {QStringLiteral("number"), 1}},
            .unmatched = 1,
            .defaultWord = QStringLiteral("number")};
}
} // namespace

frmBNREPNTLParms::frmBNREPNTLParms()
    : KalvexParmFormBase(QStringLiteral("frmBNREPNTLParms"))
    , m_netlister(netlisterRule())
    , m_device(deviceRule())
{
    setCaption(QStringLiteral("Report Writer netlister parameters"));
    parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");
    Label3 = addControl(new VbLabel(QStringLiteral("Source PCB Report Writer database:"), parmsPanel), "Label3");
    textDatabase = addControl(new VbTextBox(parmsPanel), "textDatabase");
    browseDatabase = addBrowseButton(parmsPanel, QStringLiteral("browseDatabase"));
    frameNetlister = addControl(new VbFrame(QStringLiteral("Netlister"), parmsPanel), "frameNetlister");
    addOptionButtons(OptNTLType, frameNetlister, QStringLiteral("OptNTLType"), kFormatCaptions);
    checkCleanup = addControl(new VbCheckBox(QStringLiteral("Clean up Report Writer directory after generation"),
                                             frameNetlister),
                              "checkCleanup");
    frameDeviceName = addControl(new VbFrame(QStringLiteral("Device name"), parmsPanel), "frameDeviceName");
    addOptionButtons(optDevName, frameDeviceName, QStringLiteral("optDevName"), kDeviceCaptions);
    frameFabmaster = addControl(new VbFrame(QStringLiteral("Fabmaster parameters"), parmsPanel), "frameFabmaster");
    checkFMASTNegative = addControl(new VbCheckBox(QStringLiteral("Allow negative coordinates in output"),
                                                   frameFabmaster),
                                    "checkFMASTNegative");
    checkFMASTTestpoints = addControl(new VbCheckBox(QStringLiteral("Output testpoints as components"),
                                                     frameFabmaster),
                                      "checkFMASTTestpoints");
    frameCLINK = addControl(new VbFrame(QStringLiteral("Clink parameters"), parmsPanel), "frameCLINK");
    checkCLINKPads = addControl(new VbCheckBox(QStringLiteral("Create Pad Shape file"), frameCLINK), "checkCLINKPads");
    checkCLINKTemplates = addControl(new VbCheckBox(QStringLiteral("Use templated components"), frameCLINK),
                                     "checkCLINKTemplates");
    frameIPC356 = addControl(new VbFrame(QStringLiteral("IPC356 parameters"), parmsPanel), "frameIPC356");
    checkIPC356Mholes = addControl(new VbCheckBox(QStringLiteral("Output mounting holes as vias"), frameIPC356),
                                   "checkIPC356Mholes");
    checkIPC356Unique = addControl(
        new VbCheckBox(QStringLiteral("Generate unique met names for unconnected pins"), frameIPC356),
        "checkIPC356Unique");
    checkIPC356Fid = addControl(new VbCheckBox(QStringLiteral("Output fiducials as SMD components"), frameIPC356),
                                "checkIPC356Fid");

    // Design positions (twips). The device, Fabmaster and Clink frames are
    // drawn below the IPC356 frame here and stacked onto it at load; widths
    // follow the panel in layoutPanel.
    vb::move(Label3, 130, 130, 4200, 255);
    vb::move(textDatabase, 130, 400, 5700, 300);
    vb::move(browseDatabase, 5900, 393, 315, 315);
    vb::move(frameNetlister, 130, 830, 6100, 1250);
    for (int i = 0; i < OptNTLType.count(); ++i)
        vb::move(OptNTLType[i], 150 + (i % 3) * 1750, 300 + (i / 3) * 320, 1650, 255);
    vb::move(checkCleanup, 150, 940, 5200, 255);
    vb::move(frameIPC356, 130, 2180, 6100, 1100);
    vb::move(checkIPC356Mholes, 150, 290, 5200, 255);
    vb::move(checkIPC356Unique, 150, 560, 5200, 255);
    vb::move(checkIPC356Fid, 150, 830, 5200, 255);
    vb::move(frameDeviceName, 130, 3400, 1800, 1100);
    gui_stackOptions(optDevName, 150, 290, 1550, 255, 270);
    vb::move(frameFabmaster, 2030, 3400, 4200, 800);
    vb::move(checkFMASTNegative, 150, 290, 3900, 255);
    vb::move(checkFMASTTestpoints, 150, 560, 3900, 255);
    vb::move(frameCLINK, 2030, 4300, 4200, 800);
    vb::move(checkCLINKPads, 150, 290, 3900, 255);
    vb::move(checkCLINKTemplates, 150, 560, 3900, 255);

    bindControl(textDatabase, QStringLiteral("dbrun"), QStringLiteral("Database name"), QStringLiteral("<file_path>"),
                browseDatabase);
    bindControl(checkCleanup, QStringLiteral("cleanup_work"), QStringLiteral("Cleanup temporary files"));
    const std::pair<VbCheckBox*, const char*> options[] = {
        {checkFMASTNegative, "negative"}, {checkFMASTTestpoints, "testpoints"}, {checkCLINKPads, "pads"},
        {checkCLINKTemplates, "template"}, {checkIPC356Mholes, "mhole"},        {checkIPC356Unique, "unique"},
        {checkIPC356Fid, "fiducial"}};
    for (const auto& [box, key] : options)
        bindControl(box, QString::fromLatin1(key), box->text());
    setPanel(parmsPanel, nullptr);
    setFocusTarget(textDatabase);
    helpSettingsFirst = true;
    m_netlister.keepReferenceInTag(OptNTLType[0]);
    m_device.keepReferenceInTag(optDevName[0]);

    connect(&OptNTLType, &VbOptionArray::Click, this, &frmBNREPNTLParms::OptNTLType_Click);
    connect(checkCLINKTemplates, &VbCheckBox::Click, this, &frmBNREPNTLParms::checkCLINKTemplates_Click);
    connect(browseDatabase, &VbCommandButton::Click, this, &frmBNREPNTLParms::browseDatabase_Click);
    vb::move(this, 1500, 1500, 6600, 3500);
}

// Every format shows its options in one place: the frames share the top of
// frameIPC356 and the height of frameDeviceName.
void frmBNREPNTLParms::dialogLoad()
{
    m_optionTop = static_cast<int>(vb::top(frameIPC356));
    for (VbFrame* f : {frameCLINK, frameDeviceName, frameFabmaster})
        vb::setTop(f, m_optionTop);
    vb::setHeight(frameFabmaster, vb::height(frameDeviceName));
    vb::setHeight(frameCLINK, vb::height(frameDeviceName));
    for (int i = 0; i < OptNTLType.count(); ++i)
        tooltip_toNetlister(OptNTLType[i], kNetlister);
    m_device.setToolTips(optDevName, kDeviceTipLabels);
}

void frmBNREPNTLParms::tooltip_toNetlister(VbOptionButton* option, const QString& key)
{
    vb::setToolTipText(option,
                       morvGens_toolTip_compose(option->text(), key, checkIn_getNetlisterFromGUI(vb::index(option))));
}

bool frmBNREPNTLParms::layoutPanel()
{
    const double right = gui_fillPanel(parmsPanel, nullptr);
    gui_placeBrowseRow(textDatabase, browseDatabase, right);
    bool ok = true;
    for (VbFrame* f : {frameIPC356, frameCLINK, frameFabmaster, frameNetlister})
        ok = vb::setWidth(f, right - vb::left(f)) && ok;
    return ok;
}

QString frmBNREPNTLParms::checkIn_getNetlisterFromGUI(int index) const
{
    return m_netlister.wordAt(OptNTLType, index);
}

void frmBNREPNTLParms::frames_setVis_all(bool visible)
{
    for (VbFrame* f : {frameCLINK, frameDeviceName, frameFabmaster, frameIPC356})
        vb::setVisible(f, visible);
    // Let the frames repaint, but take no user input in the middle of a load.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmBNREPNTLParms::frames_setVis_one(VbFrame* frame, bool visible)
{
    if (vb::visible(frame) != visible)
        vb::setVisible(frame, visible);
}

void frmBNREPNTLParms::OptNTLType_Click(int index)
{
    if (!OptNTLType[index] || !OptNTLType[index]->value())
        return;
    frames_setVis_all(false);
    // Frames shown per format: Hyperlynx, Incases, Fabmaster, Clink, IPC356.
    const std::vector<VbFrame*> shown[] = {{frameDeviceName},
                                           {},
                                           {frameFabmaster, frameDeviceName},
                                           {frameCLINK, frameDeviceName},
                                           {frameIPC356}};
    for (VbFrame* f : shown[index])
        frames_setVis_one(f, true);
}

void frmBNREPNTLParms::checkCLINKTemplates_Click()
{
    const bool templated = vbl_chk_isChecked(checkCLINKTemplates);
    vb::setEnabled(checkCLINKPads, templated);
    if (!templated)
        checkCLINKPads->setValue(0);
}

void frmBNREPNTLParms::loadGroups()
{
    checkCLINKTemplates_Click();
    loadData_netlister();
    loadData_deviceName();
}

void frmBNREPNTLParms::loadData_netlister()
{
    const int index = m_netlister.load(parmsColl(), OptNTLType);
    if (index >= 0)
        OptNTLType_Click(index);
}

// Selected without a click.
void frmBNREPNTLParms::loadData_deviceName() { m_device.load(parmsColl(), optDevName); }

// Nothing is written for a group while none of its options is selected.
int frmBNREPNTLParms::persistGroups(const IKalvexGenParmsPtr& parms)
{
    return m_netlister.persist(parms, OptNTLType) + m_device.persist(parms, optDevName);
}

// Without a parameter set the button does nothing.
void frmBNREPNTLParms::browseDatabase_Click()
{
    if (parmsColl())
        browseFileInto(textDatabase, QStringLiteral("BNREP_PCB_DB"), true);
}

} // namespace kalvex
