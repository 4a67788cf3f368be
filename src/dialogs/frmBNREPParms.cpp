// The report writer dialog's controls, binding, load and write steps, and
// browsing for its two files.
#include "dialogs/frmBNREPParms.h"

#include "dialogs/morvGens_bnrepTabClear.h"
#include "dialogs/morvObjs_pickers.h"
#include "generators/generatorAdminObj.h"
#include "platform/CommonDialog.h"
#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbIcons.h"
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
    vb::move(FrameGenOpt, 120, 1860, 3300, 900);
    CheckRemoveDB =
        addControl(new VbCheckBox(QStringLiteral("Remove database after check in"), FrameGenOpt), "CheckRemoveDB");
    CheckRemoveWorkfiles =
        addControl(new VbCheckBox(QStringLiteral("Remove work files"), FrameGenOpt), "CheckRemoveWorkfiles");
    vb::move(CheckRemoveDB, 120, 270, 3060, 270);
    vb::move(CheckRemoveWorkfiles, 120, 570, 3060, 270);

    FrameTableRem = addControl(new VbFrame(QStringLiteral("Table data removal"), parmsPanel), "FrameTableRem");
    vb::move(FrameTableRem, 3540, 1860, 3580, 2700);
    tableList = addControl(new VbListBox(FrameTableRem), "tableList");
    tableList->setCheckMarks(true);
    vb::move(tableList, 120, 270, 3340, 2310);
    cDialog = addControl(new CommonDialog(this), "cDialog");

    bindControl(TextLMC, QStringLiteral("lmc_file"), QStringLiteral("Central library file"),
                QStringLiteral("<file_path>"), browseLMC);
    bindControl(textPDB, QStringLiteral("pdb_file"), QStringLiteral("Pards database file"),
                QStringLiteral("<file_path>"), browsePDB);
    bindControl(CheckRemoveWorkfiles, QStringLiteral("cleanup_work"), QStringLiteral("Cleanup temporary files"));
    bindControl(CheckRemoveDB, QStringLiteral("cleanup_db"), QStringLiteral("Cleanup database file"));
    // The frames keep their places: no parameter frame fills the panel.
    setPanel(parmsPanel, nullptr);

    connect(&OptDBType, &VbOptionArray::Click, this, [this](int index) { OptDBType_Click(index); });
    connect(tableList, &VbListBox::ItemCheck, this, [this](int entry) { tableList_ItemCheck(entry); });
    connect(tableList, &VbListBox::Click, this, [this] { tableList_Click(); });
    connect(browseLMC, &VbCommandButton::Click, this,
            [this] { browseInto(TextLMC, QStringLiteral("LMC_FILE"), false); });
    connect(browsePDB, &VbCommandButton::Click, this,
            [this] { browseInto(textPDB, QStringLiteral("PDB_FILE"), true); });
    vb::move(this, 1500, 1500, 7260, 4700);
}

void frmBNREPParms::buildDbTypeFrame()
{
    frameDBType =
        addControl(new VbFrame(QStringLiteral("Report writer database type"), parmsPanel), "frameDBType");
    vb::move(frameDBType, 120, 60, 7000, 1680);
    static const char* const captions[] = {"PCB design", "Schematic design", "Parts database", "Central library"};
    for (int i = 0; i < DbTypeCount; ++i) {
        VbOptionButton* opt =
            addControl(new VbOptionButton(QString::fromLatin1(captions[i]), frameDBType), "OptDBType", i);
        OptDBType.append(opt);
        vb::move(opt, 120, 270 + i * 330, 2100, 270);
    }
    // Each file row stands beside the type that needs it.
    TextLMC = addControl(new VbTextBox(frameDBType), "TextLMC");
    browseLMC = addControl(new VbCommandButton(frameDBType), "browseLMC");
    textPDB = addControl(new VbTextBox(frameDBType), "textPDB");
    browsePDB = addControl(new VbCommandButton(frameDBType), "browsePDB");
    const double rowOf[] = {vb::top(OptDBType[CLIB]), vb::top(OptDBType[PDB])};
    VbTextBox* boxes[] = {TextLMC, textPDB};
    VbCommandButton* buttons[] = {browseLMC, browsePDB};
    for (int i = 0; i < 2; ++i) {
        buttons[i]->setPicture(vbIcon_browse());
        vb::move(boxes[i], 2340, rowOf[i] - 15, 4200, 300);
        vb::move(buttons[i], 6580, rowOf[i] - 22, 315, 315);
    }
}

QObject* frmBNREPParms::firstEditControl() const { return OptDBType[BNPCB]; }

void frmBNREPParms::loadGroups()
{
    fill_clearTableArrays();
    fill_dbtype();
}

int frmBNREPParms::persistGroups()
{
    int count = 0;
    if (m_currentDbType != m_loadedDbType)
        count += writeGroupParm(QStringLiteral("db_type"), m_currentDbType);
    const QString active = morvGens_bnrepTabClear_getActiveList(tableList);
    if (active != m_loadedTableList)
        count += writeGroupParm(QStringLiteral("table_clear"), active);
    return count;
}

// Sets the parameter, or adds it as a system parameter counted modified.
int frmBNREPParms::writeGroupParm(const QString& key, const QString& value)
{
    const IKalvexGenParmsPtr parms = parmsColl();
    if (!parms)
        return 0;
    if (const IKalvexGenParmPtr parm = parms->itemByName(key)) {
        parm->setValue(false, value);
        return 1;
    }
    const IKalvexGenParmPtr added = parms->add(key, value, PARM_TYPE_SYSTEM);
    if (!added)
        return 0;
    added->setModified(1);
    return 1;
}

void frmBNREPParms::fill_dbtype()
{
    const IKalvexGenParmsPtr parms = parmsColl();
    if (!parms)
        return;
    int index = BNPCB;
    m_loadedDbType = unknownDbType;
    if (const IKalvexGenParmPtr parm = parms->itemByName(QStringLiteral("db_type"))) {
        const QString stored = parm->value(false).toUpper();
        const int found = dbTypeWords.indexOf(stored);
        if (found >= 0) {
            index = found;
            m_loadedDbType = stored;
        }
    }
    // Selecting raises the click; an option already selected is clicked here.
    VbOptionButton* opt = OptDBType[index];
    const bool wasSelected = opt->value();
    opt->setValue(true);
    if (wasSelected)
        OptDBType_Click(index);
}

void frmBNREPParms::browseInto(VbTextBox* box, const QString& browseId, bool allowCheckout)
{
    const IKalvexGenParmsPtr parms = parmsColl();
    const auto adm = parms
        ? morvObjs_generatorGetAdminObj(std::dynamic_pointer_cast<IKalvexGenerator>(parms->parent()))
        : nullptr;
    const QString chosen =
        morvObjs_parmBrowseFile(box->text().trimmed(), browseId, this, adm, true, allowCheckout);
    if (chosen != PICKER_NODEF)
        box->setText(chosen);
}

} // namespace kalvex
