// The NC drill dialog's controls, their designed places, the mode switch,
// the format-file browse and the form's own resize.
#include "dialogs/frmDrillParms.h"

#include "dialogs/guiLib.h"
#include "platform/VbTwips.h"
#include "platform/vbl_form.h"

namespace kalvex {

frmDrillParms::frmDrillParms()
    : KalvexParmFormBase(QStringLiteral("frmDrillParms"))
{
    setCaption(QStringLiteral("NC Drill generator parameters"));
    parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");

    FrameOperations = addControl(new VbFrame(QStringLiteral("Operations"), parmsPanel), "FrameOperations");
    vb::move(FrameOperations, 120, 60, 5500, 600);
    addOptionButtons(OptOperations, FrameOperations, QStringLiteral("OptOperations"),
                     {QStringLiteral("Generate"), QStringLiteral("Check In")});
    gui_stackOptions(OptOperations, 240, 260, 1500, 255, 0);
    vb::setLeft(OptOperations[1], 2040); // side by side

    frameGenerate = addControl(new VbFrame(QStringLiteral("Drill generation options"), parmsPanel), "frameGenerate");
    vb::move(frameGenerate, 120, 780, 5500, 2640);
    Frame4 = addControl(new VbFrame(QStringLiteral("Drill data Units"), frameGenerate), "Frame4");
    vb::move(Frame4, 120, 260, 1700, 900);
    addOptionButtons(OptDrillData, Frame4, QStringLiteral("OptDrillData"),
                     {QStringLiteral("English"), QStringLiteral("Metric")});
    gui_stackOptions(OptDrillData, 160, 270, 1400, 255, 300);
    Frame3 = addControl(new VbFrame(QStringLiteral("Summary Units"), frameGenerate), "Frame3");
    vb::move(Frame3, 1920, 260, 1700, 900);
    addOptionButtons(OptSum, Frame3, QStringLiteral("OptSum"), {QStringLiteral("English"), QStringLiteral("Metric")});
    gui_stackOptions(OptSum, 160, 270, 1400, 255, 300);
    FrameSweep = addControl(new VbFrame(QStringLiteral("Sweep axis"), frameGenerate), "FrameSweep");
    vb::move(FrameSweep, 3720, 260, 1660, 900);
    addOptionButtons(OptSweep, FrameSweep, QStringLiteral("OptSweep"),
                     {QStringLiteral("Horizontal"), QStringLiteral("Vertical")});
    gui_stackOptions(OptSweep, 160, 270, 1400, 255, 300);

    Label2 = addControl(new VbLabel(QStringLiteral("Bandwidth:"), frameGenerate), "Label2");
    vb::move(Label2, 120, 1380, 1000, 255);
    txtBandwidth = addControl(new VbTextBox(frameGenerate), "txtBandwidth");
    vb::move(txtBandwidth, 1200, 1335, 1200, 300);
    LabelBandwidth = addControl(new VbLabel(QStringLiteral("(th)"), frameGenerate), "LabelBandwidth");
    vb::move(LabelBandwidth, 2460, 1380, 600, 255);
    Label3 = addControl(new VbLabel(QStringLiteral("NC Drill machine format file:"), frameGenerate), "Label3");
    vb::move(Label3, 120, 1800, 3600, 255);
    txtFormatFile = addControl(new VbTextBox(frameGenerate), "txtFormatFile");
    vb::move(txtFormatFile, 120, 2100, 4900, 300);
    browseFMTFile = addBrowseButton(frameGenerate, QStringLiteral("browseFMTFile"));
    vb::move(browseFMTFile, 5065, 2093, 315, 315);

    FrameFileCheckin =
        addControl(new VbFrame(QStringLiteral("File check in options"), parmsPanel), "FrameFileCheckin");
    vb::move(FrameFileCheckin, 120, 3480, 5500, 2640);
    addOptionButtons(optCheckIn, FrameFileCheckin, QStringLiteral("optCheckIn"),
                     {QStringLiteral("Data file"), QStringLiteral("Summary file"), QStringLiteral("Map file")});
    gui_stackOptions(optCheckIn, 240, 300, 2400, 255, 300);
    checkKeepFlag = addControl(new VbCheckBox(QStringLiteral("Keep file in layout area"), FrameFileCheckin),
                               "checkKeepFlag");
    vb::move(checkKeepFlag, 240, 1380, 4000, 255);
    CheckAppendSum = addControl(new VbCheckBox(QStringLiteral("Append summary file to log file"), FrameFileCheckin),
                                "CheckAppendSum");
    vb::move(CheckAppendSum, 240, 1680, 4000, 255);

    bindControl(txtBandwidth, QStringLiteral("band_width"), QStringLiteral("Bandwidth"), QStringLiteral("<number>"));
    bindControl(txtFormatFile, QStringLiteral("format_file"), QStringLiteral("Drill format file"),
                QStringLiteral("<file_path>"), browseFMTFile);
    bindControl(checkKeepFlag, QStringLiteral("copy_flag"), QStringLiteral("Keep data in layout"));
    bindControl(CheckAppendSum, QStringLiteral("sum_to_log"), QStringLiteral("Append summary file to log file"));
    setPanel(parmsPanel, nullptr);
    setFocusTarget(OptOperations[0]);
    helpSettingsFirst = true;

    connect(&OptOperations, &VbOptionArray::Click, this, &frmDrillParms::OptOperations_Click);
    connect(&optCheckIn, &VbOptionArray::Click, this, &frmDrillParms::optCheckIn_Click);
    connect(browseFMTFile, &VbCommandButton::Click, this, &frmDrillParms::browseFMTFile_Click);
    vb::move(this, 1500, 1500, 5760, 3600);
}

void frmDrillParms::dialogLoad()
{
    // Both option frames stand in one place; the mode shows one of them.
    vb::setTop(FrameFileCheckin, vb::top(frameGenerate));
}

// The panel fills the form and the frames keep their designed places; only
// the format file's browse button is lined up with the sweep-axis frame.
void frmDrillParms::Form_Resize()
{
    if (vbWindowState() == 1 || form_set_size)
        return;
    if (!vb::move(parmsPanel, 0, 0, vb::scaleWidth(this), vb::scaleHeight(this))) {
        restoreLastSize();
        return;
    }
    vb::setLeft(browseFMTFile, static_cast<double>(roundHalfEven(vb::left(FrameSweep) + vb::width(FrameSweep)
                                                                  - vb::width(browseFMTFile))));
    gui_formResizePanel(txtFormatFile, browseFMTFile);
    vbl_form_size(this, QStringLiteral("STORE_VALUES"));
}

void frmDrillParms::OptOperations_Click(int index)
{
    VbOptionButton* button = OptOperations[index];
    if (!button || !button->value())
        return;
    const bool generate = index == 0;
    vb::setVisible(FrameFileCheckin, !generate);
    vb::setVisible(frameGenerate, generate);
    m_curOperation = generate ? QStringLiteral("generate") : checkIn_getOperFromGUI();
}

void frmDrillParms::optCheckIn_Click(int index)
{
    VbOptionButton* button = optCheckIn[index];
    if (button && button->value())
        m_curOperation = checkIn_getOperFromGUI();
}

QString frmDrillParms::checkIn_getOperFromGUI() const
{
    switch (optCheckIn.selectedIndex()) {
    case 0: return QStringLiteral("check_in_data");
    case 1: return QStringLiteral("check_in_sum");
    case 2: return QStringLiteral("check_in_map");
    default: return QString();
    }
}

// Files only: a drill format file is never a check-out.
void frmDrillParms::browseFMTFile_Click()
{
    browseFileInto(txtFormatFile, QStringLiteral("NCDRILL_FORMAT_FILE"), false);
}

} // namespace kalvex
