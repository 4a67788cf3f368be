// The report writer dialog's controls, binding, and its load and write steps.
#include "dialogs/frmBNREPParms.h"

#include "dialogs/guiLib.h"
#include "dialogs/morvGens_bnrepTabClear.h"
#include "platform/CommonDialog.h"
#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbListBox.h"
#include "platform/VbTextBox.h"

namespace kalvex {

const QStringList frmBNREPParms::dbTypeWords = {QStringLiteral("BNPCB"), QStringLiteral("BNDC"),
                                                QStringLiteral("PDB"), QStringLiteral("CLIB")};
const QString frmBNREPParms::unknownDbType = QStringLiteral("XXXX");

frmBNREPParms::frmBNREPParms()
    : KalvexParmFormBase(QStringLiteral("frmBNREPParms"))
{
    setCaption(QStringLiteral("Report writer parameters"));
    parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");
    buildDbTypeFrame();

    FrameGenOpt = addControl(new VbFrame(QStringLiteral("Generation options"), parmsPanel), "FrameGenOpt");
    vb::move(FrameGenOpt, 120, 1860, 3720, 900);
    CheckRemoveDB =
        addControl(new VbCheckBox(QStringLiteral("Remove database after check in"), FrameGenOpt), "CheckRemoveDB");
    CheckRemoveWorkfiles =
        addControl(new VbCheckBox(QStringLiteral("Remove work files"), FrameGenOpt), "CheckRemoveWorkfiles");
    vb::move(CheckRemoveDB, 120, 270, 3480, 270);
    vb::move(CheckRemoveWorkfiles, 120, 570, 3480, 270);

    FrameTableRem = addControl(new VbFrame(QStringLiteral("Table data removal"), parmsPanel), "FrameTableRem");
    vb::move(FrameTableRem, 3960, 1860, 3160, 2700);
    tableList = addControl(new VbListBox(FrameTableRem), "tableList");
    tableList->setCheckMarks(true);
    vb::move(tableList, 120, 270, 2920, 2310);
    cDialog = addControl(new CommonDialog(this), "cDialog");

    bindControl(TextLMC, QStringLiteral("lmc_file"), QStringLiteral("Central library file"),
                QStringLiteral("<file_path>"), browseLMC);
    bindControl(textPDB, QStringLiteral("pdb_file"), QStringLiteral("Pards database file"),
                QStringLiteral("<file_path>"), browsePDB);
    bindControl(CheckRemoveWorkfiles, QStringLiteral("cleanup_work"), QStringLiteral("Cleanup temporary files"));
    bindControl(CheckRemoveDB, QStringLiteral("cleanup_db"), QStringLiteral("Cleanup database file"));
    // The frames keep their places: no parameter frame fills the panel.
    setPanel(parmsPanel, nullptr);
    setFocusTarget(OptDBType[BNPCB]);

    connect(&OptDBType, &VbOptionArray::Click, this, [this](int index) { OptDBType_Click(index); });
    connect(tableList, &VbListBox::ItemCheck, this, [this](int entry) { tableList_ItemCheck(entry); });
    connect(tableList, &VbListBox::Click, this, [this] { tableList_Click(); });
    connect(browseLMC, &VbCommandButton::Click, this,
            [this] { browseFileInto(TextLMC, QStringLiteral("LMC_FILE"), false); });
    connect(browsePDB, &VbCommandButton::Click, this,
            [this] { browseFileInto(textPDB, QStringLiteral("PDB_FILE"), true); });
    vb::move(this, 1500, 1500, 7260, 4700);
}

void frmBNREPParms::buildDbTypeFrame()
{
    frameDBType =
        addControl(new VbFrame(QStringLiteral("Report writer database type"), parmsPanel), "frameDBType");
    vb::move(frameDBType, 120, 60, 7000, 1680);
    addOptionButtons(OptDBType, frameDBType, QStringLiteral("OptDBType"),
                     {QStringLiteral("PCB design"), QStringLiteral("Schematic design"),
                      QStringLiteral("Parts database"), QStringLiteral("Central library")});
    gui_stackOptions(OptDBType, 120, 270, 2100, 270, 330);
    // Each file row stands beside the type that needs it.
    TextLMC = addControl(new VbTextBox(frameDBType), "TextLMC");
    browseLMC = addBrowseButton(frameDBType, QStringLiteral("browseLMC"));
    textPDB = addControl(new VbTextBox(frameDBType), "textPDB");
    browsePDB = addBrowseButton(frameDBType, QStringLiteral("browsePDB"));
    const double rowOf[] = {vb::top(OptDBType[CLIB]), vb::top(OptDBType[PDB])};
    VbTextBox* boxes[] = {TextLMC, textPDB};
    VbCommandButton* buttons[] = {browseLMC, browsePDB};
    for (int i = 0; i < 2; ++i) {
        vb::move(boxes[i], 2340, rowOf[i] - 15, 4200, 300);
        vb::move(buttons[i], 6580, rowOf[i] - 22, 315, 315);
    }
}

void frmBNREPParms::loadGroups()
{
    fill_clearTableArrays();
    fill_dbtype();
}

int frmBNREPParms::persistGroups(const IKalvexGenParmsPtr& parms)
{
    int count = m_dbType.persistWord(parms, m_currentDbType);
    // Only the marks of the type chosen now, in the list's case and order.
    count += m_tableClear.persistWord(parms, morvGens_bnrepTabClear_getActiveList(tableList));
    return count;
}

void frmBNREPParms::fill_dbtype()
{
    const IKalvexGenParmsPtr parms = parmsColl();
    if (!parms)
        return;
    const int index = m_dbType.load(parms);
    // Selecting raises the click; an option already selected is clicked here.
    VbOptionButton* opt = OptDBType[index];
    const bool wasSelected = opt->value();
    opt->setValue(true);
    if (wasSelected)
        OptDBType_Click(index);
}

} // namespace kalvex
