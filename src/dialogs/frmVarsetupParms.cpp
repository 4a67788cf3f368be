// The variant set-up dialog's controls, texts, panel layout and browse
// buttons.
#include "dialogs/frmVarsetupParms.h"

#include "dialogs/guiLib.h"
#include "generators/gens_tooltip.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "platform/VbTimer.h"
#include "platform/VbTwips.h"

namespace kalvex {

namespace {
const QStringList optionCaptions = {
    QStringLiteral("Create PCB view for the master design."),
    QStringLiteral("Create schematics for a variant design."),
    QStringLiteral("Create PCB view for a variant design."),
    QStringLiteral("Create Report Writer PCB  database for a variant design."),
    QStringLiteral("Create Report Writer CAE database for a variant design."),
    QStringLiteral("Save the PCB design data"),
};
constexpr double optionLeft = 120, optionWidth = 6300, rowHeight = 255, rowStep = 300;
constexpr double sourceIndent = 480;
} // namespace

frmVarsetupParms::frmVarsetupParms()
    : KalvexParmFormBase(QStringLiteral("frmVarsetupParms"))
{
    setCaption(QStringLiteral("Variant set-up parameters"));
    parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");
    FrameDesignOper = addControl(new VbFrame(QStringLiteral("Design manipulations"), parmsPanel), "FrameDesignOper");
    vb::move(FrameDesignOper, 60, 60, 6840, 600);
    frameVarsetupParms = addControl(new VbFrame(QStringLiteral("Variant  <==> master design operations"), parmsPanel),
                                    "frameVarsetupParms");
    // Options 0 to 4 one below the other, the PCB source row under option 3
    // and the CAE row under option 4; option 5 alone in the frame above.
    double y = 270;
    for (int i = 0; i < optionCaptions.size(); ++i) {
        QWidget* container = i == 5 ? static_cast<QWidget*>(FrameDesignOper) : frameVarsetupParms;
        optVarsetup.append(addControl(new VbOptionButton(optionCaptions[i], container), "optVarsetup", i));
        if (i == 5) {
            vb::move(optVarsetup[i], optionLeft, 270, optionWidth, rowHeight);
            continue;
        }
        vb::move(optVarsetup[i], optionLeft, y, optionWidth, rowHeight);
        y += rowStep;
        if (i == 3) {
            buildSourceRow(y, QStringLiteral("PCB"), labelSourceDBPCB, textSourceDBPCB, browseSourceDBPCB);
            y += rowStep + 60;
        } else if (i == 4) {
            buildSourceRow(y, QStringLiteral("CAE"), labelSourceDBCAE, textSourceDBCAE, browseSourceDBCAE);
            y += rowStep + 60;
        }
    }
    vb::move(frameVarsetupParms, 60, 725, 6840, y + 60);
    TimerInit = addControl(new VbTimer(this, 30), "TimerInit");
    TimerInit->setEnabled(false); // Form_Load starts it

    bindControl(textSourceDBPCB, QStringLiteral("master_db_pcb"), QStringLiteral("Master Report Writer PCB db"),
                QStringLiteral("<db_name>"), browseSourceDBPCB);
    bindControl(textSourceDBCAE, QStringLiteral("master_db_cae"), QStringLiteral("Master Report Writer XAE db"),
                QStringLiteral("<db_name>"), browseSourceDBCAE);
    setPanel(parmsPanel, nullptr); // no parameter frame whose border goes
    setFocusTarget(optVarsetup[0]);
    buildOperationGroup();

    connect(&optVarsetup, &VbOptionArray::Click, this, &frmVarsetupParms::optVarsetup_Click);
    connect(browseSourceDBPCB, &VbCommandButton::Click, this, &frmVarsetupParms::browseSourceDBPCB_Click);
    connect(browseSourceDBCAE, &VbCommandButton::Click, this, &frmVarsetupParms::browseSourceDBCAE_Click);
    connect(TimerInit, &VbTimer::Timer, this, &frmVarsetupParms::TimerInit_Timer);
    vb::move(this, 1500, 1500, 7200, 3900);
}

void frmVarsetupParms::buildSourceRow(double top, const QString& suffix, VbLabel*& label, VbTextBox*& text,
                                      VbCommandButton*& browse)
{
    label = addControl(new VbLabel(QStringLiteral("Source db:"), frameVarsetupParms), "labelSourceDB" + suffix);
    vb::move(label, sourceIndent, top + 45, 960, 225);
    text = addControl(new VbTextBox(frameVarsetupParms), "textSourceDB" + suffix);
    vb::move(text, sourceIndent + 990, top, 4200, 285);
    browse = addBrowseButton(frameVarsetupParms, "browseSourceDB" + suffix);
    vb::move(browse, 6300, top - 15, 315, 315);
}

void frmVarsetupParms::tooltip_toVarmode(VbOptionButton* button, const QString& key)
{
    vb::setToolTipText(button, morvGens_toolTip_compose(button->text(), key, variantMode_fromGUI(vb::index(button))));
}

// Tool tips for options 0 to 4 (option 5 has none); the first layout runs
// from the timer, once the form has its size.
void frmVarsetupParms::dialogLoad()
{
    for (int i = 0; i <= 4; ++i)
        tooltip_toVarmode(optVarsetup[i], m_operation.rule().key);
    TimerInit->setEnabled(true);
}

void frmVarsetupParms::TimerInit_Timer()
{
    TimerInit->setEnabled(false);
    layoutPanel();
}

bool frmVarsetupParms::layoutPanel()
{
    const GuiMetrics& g = guiLib();
    bool ok = vb::setWidth(FrameDesignOper, vb::width(parmsPanel) - 2 * vb::left(FrameDesignOper));
    vb::setTop(frameVarsetupParms, vb::top(FrameDesignOper) + vb::height(FrameDesignOper) + g.margin / 2.0);
    ok = vb::setWidth(frameVarsetupParms, vb::width(FrameDesignOper)) && ok;
    const double x = static_cast<double>(
        roundHalfEven(vb::width(frameVarsetupParms) - vb::width(browseSourceDBPCB) - g.gap));
    vb::setLeft(browseSourceDBPCB, x);
    vb::setLeft(browseSourceDBCAE, x);
    gui_formResizePanel(textSourceDBPCB, browseSourceDBPCB);
    gui_formResizePanel(textSourceDBCAE, browseSourceDBCAE);
    return ok;
}

// ---- Browse: a file, or a check-out expression, through the file browser.

void frmVarsetupParms::browseSource(VbTextBox* text, const QString& browseId)
{
    browseFileInto(text, browseId, true);
}

void frmVarsetupParms::browseSourceDBPCB_Click() { browseSource(textSourceDBPCB, QStringLiteral("BNREP_PCB_DB")); }

void frmVarsetupParms::browseSourceDBCAE_Click() { browseSource(textSourceDBCAE, QStringLiteral("BNREP_CAE_DB")); }

} // namespace kalvex
