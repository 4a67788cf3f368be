#include "dialogs/frmGFmanipParms.h"

#include "dialogs/guiLib.h"
#include "dialogs/morvObjs_pickers.h"
#include "generators/gens_tooltip.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"

namespace kalvex {

namespace {
const QString kOperation = QStringLiteral("operation");
constexpr int kCopy = 1;
constexpr int kMakeDir = 2;
const QStringList kOpCaptions = {QStringLiteral("Move file from source to destination"),
                                 QStringLiteral("Copy file from source to destination"),
                                 QStringLiteral("Create directory"),
                                 QStringLiteral("Execute batch file or executable")};
const QStringList kOpTipLabels = {QStringLiteral("Move file operation"), QStringLiteral("Copy file operation"),
                                  QStringLiteral("Create directory operation"),
                                  QStringLiteral("Execute batch file or executable")};

// operation words by option index; a stored word is searched for them, copy
// first, and one naming none of them is a copy.
OptionGroupRule operationRule()
{
    return {.key = kOperation,
            .words = {QStringLiteral("move_file"), QStringLiteral("copy_file"), QStringLiteral("make_dir"),
                      QStringLiteral("exec_bat_file")},
            .match = OptMatch::LowerContains,
            .containsOrder = {{QStringLiteral("copy_file"), 1},
                              {QStringLiteral("move_file"), 0},
                              {QStringLiteral("make_dir"), 2},
                              {QStringLiteral("exec_bat_file"), 3}},
            .unmatched = kCopy,
            .defaultWord = QStringLiteral("copy_file")};
}
} // namespace

frmGFmanipParms::frmGFmanipParms()
    : KalvexParmFormBase(QStringLiteral("frmGFmanipParms"))
    , m_operation(operationRule())
{
    setCaption(QStringLiteral("File manipulator parameters"));
    parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");
    frameParms = addControl(new VbFrame(parmsPanel), "frameParms");
    addOptionButtons(OptFmanip, frameParms, QStringLiteral("OptFmanip"), kOpCaptions);
    labelTitle = addControl(new VbLabel(QStringLiteral("Title to be displayed in feedback menu:"), frameParms),
                            "labelTitle");
    textTitle = addControl(new VbTextBox(frameParms), "textTitle");
    labelFrom = addControl(new VbLabel(QStringLiteral("Source file:"), frameParms), "labelFrom");
    textFromFile = addControl(new VbTextBox(frameParms), "textFromFile");
    browseFromFile = addBrowseButton(frameParms, QStringLiteral("browseFromFile"));
    labelTo = addControl(new VbLabel(QStringLiteral("Destination file:"), frameParms), "labelTo");
    textToFile = addControl(new VbTextBox(frameParms), "textToFile");
    browseToFile = addBrowseButton(frameParms, QStringLiteral("browseToFile"));

    // Design positions (twips): two rows of operations, then a label column
    // and the boxes; widths follow the panel in layoutPanel.
    for (int i = 0; i < OptFmanip.count(); ++i)
        vb::move(OptFmanip[i], 130 + (i % 2) * 4200, 130 + (i / 2) * 330, 4100, 255);
    const double rowTop[] = {860, 1270, 1680};
    const std::pair<VbLabel*, VbTextBox*> rows[] = {{labelTitle, textTitle}, {labelFrom, textFromFile},
                                                    {labelTo, textToFile}};
    for (int r = 0; r < 3; ++r) {
        vb::move(rows[r].first, 130, rowTop[r] + 30, 3900, 255);
        vb::move(rows[r].second, 4100, rowTop[r], 4300, 300);
    }
    vb::move(browseFromFile, 8500, rowTop[1], 315, 315);
    vb::move(browseToFile, 8500, rowTop[2], 315, 315);

    bindControl(textFromFile, QStringLiteral("parm1"), QStringLiteral("Source file"), QStringLiteral("<file_path>"),
                browseFromFile);
    bindControl(textToFile, QStringLiteral("parm2"), QStringLiteral("Destination file"),
                QStringLiteral("<file_path>"), browseToFile);
    bindControl(textTitle, QStringLiteral("title"), QStringLiteral("Feedback menu title"),
                QStringLiteral("<title_string>"));
    m_operation.setToolTips(OptFmanip, kOpTipLabels);
    setPanel(parmsPanel, frameParms);
    setFocusTarget(textTitle);
    helpSettingsFirst = true;
    m_operation.keepReferenceInTag(OptFmanip[0]);

    connect(&OptFmanip, &VbOptionArray::Click, this, &frmGFmanipParms::OptFmanip_Click);
    connect(browseFromFile, &VbCommandButton::Click, this, &frmGFmanipParms::browseFromFile_Click);
    connect(browseToFile, &VbCommandButton::Click, this, &frmGFmanipParms::browseToFile_Click);
    vb::move(this, 1500, 1500, 9000, 2250);
}

bool frmGFmanipParms::layoutPanel()
{
    const double right = gui_fillPanel(parmsPanel, frameParms);
    gui_placeBrowseRow(textFromFile, browseFromFile, right);
    gui_placeBrowseRow(textToFile, browseToFile, right);
    return vb::setWidth(textTitle, right - vb::left(textTitle));
}

void frmGFmanipParms::OptFmanip_Click(int index)
{
    const bool makeDir = index == kMakeDir;
    labelFrom->setCaption(makeDir ? QStringLiteral("Directory to create:") : QStringLiteral("Source file:"));
    // Hidden, the destination keeps its text and is still written back.
    for (QObject* c : std::initializer_list<QObject*>{labelTo, textToFile, browseToFile})
        vb::setVisible(c, !makeDir);
}

void frmGFmanipParms::loadGroups() { loadData_operation(); }

void frmGFmanipParms::loadData_operation()
{
    const int index = m_operation.load(parmsColl(), OptFmanip);
    OptFmanip_Click(index < 0 ? kCopy : index);
}

// Nothing is written while no operation is selected.
int frmGFmanipParms::persistGroups(const IKalvexGenParmsPtr& parms) { return m_operation.persist(parms, OptFmanip); }

// The picker buttons need a parameter set: without one a click does nothing.
void frmGFmanipParms::browseFromFile_Click()
{
    const IKalvexGenParmsPtr parms = contextParms();
    if (!parms)
        return;
    if (!OptFmanip[kMakeDir]->value()) {
        browseFileInto(textFromFile, QStringLiteral("BRID_FROM_FILE"), true);
        return;
    }
    const QString chosen = morvObjs_dirBrowser(textFromFile->text().trimmed(), QStringLiteral("Select directory"),
                                               parms->envirVars(), QString(), true);
    if (chosen != PICKER_NODEF)
        textFromFile->setText(chosen);
}

void frmGFmanipParms::browseToFile_Click()
{
    if (contextParms())
        browseFileInto(textToFile, QStringLiteral("BRID_TO_FILE"), false);
}

} // namespace kalvex
