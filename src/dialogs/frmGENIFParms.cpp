#include "dialogs/frmGENIFParms.h"

#include "dialogs/guiLib.h"
#include "foundation/vbl_str.h"
#include "generators/gens_tooltip.h"
#include "platform/VbCheckBox.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"

namespace kalvex {

namespace {
const QString kIfName = QStringLiteral("if_name");
const QString kPartLabels = QStringLiteral("part_labels");
const QStringList kIfCaptions = {QStringLiteral("Generic AIS"), QStringLiteral("BetaSoft"),
                                 QStringLiteral("Mitron Gencad"), QStringLiteral("Generic ATE"),
                                 QStringLiteral("QUAD")};
const QStringList kDevCaptions = {QStringLiteral("Part name"), QStringLiteral("Part number"),
                                  QStringLiteral("Part label")};

// if_name words by option index; a stored value is searched for them in a
// fixed order, since one value may name more than one.
OptionGroupRule ifNameRule()
{
    return {.key = kIfName,
            .words = {QStringLiteral("AIS"), QStringLiteral("BetaSoft"), QStringLiteral("GenCAD"),
                      QStringLiteral("ATE"), QStringLiteral("QUAD")},
            .match = OptMatch::LowerContains,
            .containsOrder = {{QStringLiteral("QUAD"), 4},
                              {QStringLiteral("BetaSoft"), 1},
                              {QStringLiteral("ATE"), 3},
                              {QStringLiteral("AIS"), 0},
                              {QStringLiteral("GenCAD"), 2}},
            .unmatched = 0,
            .defaultWord = QStringLiteral("AIS")};
}

// part_labels is a Boolean: "Part label" for true, "Part number" otherwise;
// the hidden "Part name" is never chosen by a value. The reference is "1" or
// "0", so "True" stays as stored while the choice is unchanged.
OptionGroupRule partLabelsRule()
{
    return {.key = kPartLabels,
            .words = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")},
            .defaultWord = QStringLiteral("0"),
            .rewriteLetterCase = false,
            .mapValue = [](const QString& value) { return vbl_str_toBoolEx(value) ? 2 : 1; }};
}
} // namespace

frmGENIFParms::frmGENIFParms()
    : KalvexParmFormBase(QStringLiteral("frmGENIFParms"))
    , m_ifName(ifNameRule())
    , m_partLabels(partLabelsRule())
{
    setCaption(QStringLiteral("General interfaces parameters"));
    parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");
    labelTitle = addControl(new VbLabel(QStringLiteral("Title to be displayed in feedback menu:"), parmsPanel),
                            "labelTitle");
    textTitle = addControl(new VbTextBox(parmsPanel), "textTitle");
    frameGENIF = addControl(new VbFrame(QStringLiteral("Interface name"), parmsPanel), "frameGENIF");
    addOptionButtons(OptNTLType, frameGENIF, QStringLiteral("OptNTLType"), kIfCaptions);
    frameDeviceName = addControl(new VbFrame(QStringLiteral("List parts by"), parmsPanel), "frameDeviceName");
    addOptionButtons(optDevName, frameDeviceName, QStringLiteral("optDevName"), kDevCaptions);
    optDevName[0]->setVisible(false);
    checkCleanup = addControl(new VbCheckBox(QStringLiteral("Clean up layout directories after generation"),
                                             parmsPanel),
                              "checkCleanup");

    // Design positions (twips); widths follow the panel in layoutPanel.
    vb::move(labelTitle, 130, 130, 4200, 255);
    vb::move(textTitle, 130, 400, 5400, 300);
    vb::move(frameGENIF, 130, 830, 5400, 1000);
    for (int i = 0; i < OptNTLType.count(); ++i)
        vb::move(OptNTLType[i], 150 + (i % 3) * 1750, 300 + (i / 3) * 340, 1700, 255);
    vb::move(frameDeviceName, 130, 1940, 5400, 660);
    vb::move(optDevName[0], 150, 300, 1700, 255);
    vb::move(optDevName[1], 150, 300, 1700, 255);
    vb::move(optDevName[2], 1900, 300, 1700, 255);
    vb::move(checkCleanup, 130, 2710, 5400, 300);

    bindControl(textTitle, QStringLiteral("title"), QStringLiteral("Feedback window title"),
                QStringLiteral("<title_string>"));
    bindControl(checkCleanup, QStringLiteral("clean_layout_dir"), QStringLiteral("Cleanup layout directory"));
    setPanel(parmsPanel, nullptr);
    setFocusTarget(textTitle);
    helpSettingsFirst = true;
    m_ifName.keepReferenceInTag(OptNTLType[0]);
    m_partLabels.keepReferenceInTag(optDevName[0]);
    vb::move(this, 1500, 1500, 5900, 3250);
}

// After the bound controls' Tags and tool tips: those of the option groups.
void frmGENIFParms::dialogLoad()
{
    for (int i = 0; i < OptNTLType.count(); ++i)
        tooltip_toNTLOpt(OptNTLType[i], kIfName);
    m_partLabels.setToolTips(optDevName, {QStringLiteral("List parts by name"), QStringLiteral("List parts by number"),
                                          QStringLiteral("List parts by label")});
}

void frmGENIFParms::tooltip_toNTLOpt(VbOptionButton* option, const QString& key)
{
    vb::setToolTipText(option, morvGens_toolTip_compose(option->text(), key, checkIn_getIFFromGUI(vb::index(option))));
}

bool frmGENIFParms::layoutPanel()
{
    const double right = gui_fillPanel(parmsPanel, nullptr);
    const double width = right - vb::left(textTitle);
    bool ok = vb::setWidth(textTitle, width);
    ok = vb::setWidth(frameDeviceName, width) && ok;
    return vb::setWidth(frameGENIF, width) && ok;
}

QString frmGENIFParms::checkIn_getIFFromGUI(int index) const
{
    return m_ifName.wordAt(OptNTLType, index);
}

void frmGENIFParms::loadGroups()
{
    loadData_IF();
    loadData_deviceName();
}

void frmGENIFParms::loadData_IF() { m_ifName.load(parmsColl(), OptNTLType); }

void frmGENIFParms::loadData_deviceName() { m_partLabels.load(parmsColl(), optDevName); }

// Nothing is written for a group while none of its options is selected.
int frmGENIFParms::persistGroups(const IKalvexGenParmsPtr& parms)
{
    return m_ifName.persist(parms, OptNTLType) + m_partLabels.persist(parms, optDevName);
}

} // namespace kalvex
