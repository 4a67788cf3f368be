#include "dialogs/frmGENIFParms.h"

#include "dialogs/guiLib.h"
#include "dialogs/morvObj_parmBinding.h"
#include "foundation/vbl_str.h"
#include "generators/gens_tooltip.h"
#include "platform/VbCheckBox.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"

namespace kalvex {

namespace {
const QString kIfName = QStringLiteral("if_name");
const QString kPartLabels = QStringLiteral("part_labels");
// if_name words by option index, and the order in which a stored value is
// searched for them (a value may name more than one).
const QStringList kIfWords = {QStringLiteral("AIS"), QStringLiteral("BetaSoft"), QStringLiteral("GenCAD"),
                              QStringLiteral("ATE"), QStringLiteral("QUAD")};
const QList<int> kIfTestOrder = {4, 1, 3, 0, 2};
const QStringList kIfCaptions = {QStringLiteral("Generic AIS"), QStringLiteral("BetaSoft"),
                                 QStringLiteral("Mitron Gencad"), QStringLiteral("Generic ATE"), QStringLiteral("QUAD")};
const QStringList kDevCaptions = {QStringLiteral("Part name"), QStringLiteral("Part number"),
                                  QStringLiteral("Part label")};
} // namespace

frmGENIFParms::frmGENIFParms()
    : KalvexParmFormBase(QStringLiteral("frmGENIFParms"))
{
    setCaption(QStringLiteral("General interfaces parameters"));
    parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");
    labelTitle = addControl(new VbLabel(QStringLiteral("Title to be displayed in feedback menu:"), parmsPanel),
                            "labelTitle");
    textTitle = addControl(new VbTextBox(parmsPanel), "textTitle");
    frameGENIF = addControl(new VbFrame(QStringLiteral("Interface name"), parmsPanel), "frameGENIF");
    for (int i = 0; i < kIfCaptions.size(); ++i)
        OptNTLType.append(addControl(new VbOptionButton(kIfCaptions[i], frameGENIF), "OptNTLType", i));
    frameDeviceName = addControl(new VbFrame(QStringLiteral("List parts by"), parmsPanel), "frameDeviceName");
    for (int i = 0; i < kDevCaptions.size(); ++i)
        optDevName.append(addControl(new VbOptionButton(kDevCaptions[i], frameDeviceName), "optDevName", i));
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
    vb::move(this, 1500, 1500, 5900, 3250);
}

QObject* frmGENIFParms::firstEditControl() const { return textTitle; }

// After the bound controls' Tags and tool tips: those of the option groups.
void frmGENIFParms::dialogLoad()
{
    for (int i = 0; i < OptNTLType.count(); ++i)
        tooltip_toNTLOpt(OptNTLType[i], kIfName);
    vb::setToolTipText(optDevName[0], morvGens_toolTip_compose(QStringLiteral("List parts by name"), kPartLabels,
                                                               QStringLiteral("0")));
    vb::setToolTipText(optDevName[1], morvGens_toolTip_compose(QStringLiteral("List parts by number"), kPartLabels,
                                                               QStringLiteral("0")));
    vb::setToolTipText(optDevName[2], morvGens_toolTip_compose(QStringLiteral("List parts by label"), kPartLabels,
                                                               QStringLiteral("1")));
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
    if (index < 0)
        index = OptNTLType.selectedIndex();
    if (index < 0 || index >= kIfWords.size())
        return QStringLiteral("NODEF");
    return kIfWords[index];
}

QString frmGENIFParms::checkIn_getDeviceInfoFromGUI() const
{
    return vbl_bool_to01(optDevName[2]->value());
}

void frmGENIFParms::loadGroups()
{
    loadData_IF();
    loadData_deviceName();
}

void frmGENIFParms::loadData_IF()
{
    QString value = kIfWords[0];
    int type = PARM_TYPE_SYSTEM;
    morvObjs_parms_getParm(parmsColl(), kIfName, value, type, true);
    const QString lower = value.toLower();
    int index = 0;
    for (int i : kIfTestOrder)
        if (lower.contains(kIfWords[i].toLower())) {
            index = i;
            break;
        }
    OptNTLType[index]->setValue(true);
    vb::setTag(OptNTLType[0], value);
}

void frmGENIFParms::loadData_deviceName()
{
    QString value = QStringLiteral("0");
    int type = PARM_TYPE_SYSTEM;
    const bool b = morvObjs_parms_getParm(parmsColl(), kPartLabels, value, type, true) && vbl_str_toBoolEx(value);
    optDevName[b ? 2 : 1]->setValue(true);
    vb::setTag(optDevName[0], vbl_bool_to01(b));
}

int frmGENIFParms::persistGroups()
{
    int count = 0;
    const auto write = [this, &count](const QString& key, const QString& word, QObject* leading) {
        if (word == vb::tag(leading))
            return;
        ++count;
        QString value = word;
        int type = PARM_TYPE_SYSTEM;
        if (auto parm = morvObjs_parms_getParm(parmsColl(), key, value, type, true))
            parm->setValue(false, word);
    };
    write(kIfName, checkIn_getIFFromGUI(-1), OptNTLType[0]);
    write(kPartLabels, checkIn_getDeviceInfoFromGUI(), optDevName[0]);
    return count;
}

} // namespace kalvex
