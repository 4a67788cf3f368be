#include "dialogs/frmParmEdit.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QTableWidget>

#include "dialogs/guiLib.h"
#include "dialogs/morvObjs_parmGridFillRow.h"
#include "foundation/vbl_err.h"
#include "generators/KalvexGenParm.h"
#include "interfaces/IKalvexGenerator.h"
#include "platform/VbTwips.h"
#include "platform/VbColors.h"
#include "platform/VbCommandButton.h"
#include "platform/VbIcons.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"
#include "platform/VbTimer.h"
#include "platform/vaSpread.h"
#include "platform/vbl_form.h"

namespace kalvex {

namespace {
const QString kToParmsGrid = QStringLiteral("TO_PARMSGRID");
// How long a refused rename stays on the message line.
constexpr int kRefusalShownMs = 8000;

ParmsListViewer& parmsListViewer()
{
    static ParmsListViewer viewer;
    return viewer;
}

bool hiddenInBatchMode(const QString& name)
{
    const QString n = name.toLower();
    return n == QLatin1String("operation") || n == QLatin1String("parm1") || n == QLatin1String("verbose")
        || n == QLatin1String("title");
}
} // namespace

void frmParmEdit_setParmsListViewer(ParmsListViewer viewer) { parmsListViewer() = std::move(viewer); }

frmParmEdit::frmParmEdit()
    : KalvexParmFormBase(QStringLiteral("frmParmEdit"))
{
    buildBatchFrame();
    buildParmsFrame();
    mess1Timer = addControl(new VbTimer(this), "mess1Timer");
    mess2Timer = addControl(new VbTimer(this), "mess2Timer");
    focusTimer = addControl(new VbTimer(this, 100), "focusTimer");
    actCellTimer = addControl(new VbTimer(this, 30), "actCellTimer");
    bindControl(textBatchfile, QStringLiteral("parm1"), QStringLiteral("Name of the batch file to execute"),
                QStringLiteral("<config_file>"), browseBatchFile);
    bindControl(textTitle, QStringLiteral("title"), QStringLiteral("Feedback menu title"),
                QStringLiteral("<title_str>"));
    setLockExempt({QStringLiteral("textFocus")});
    setKeyPreview(true);
    connectEvents();
    // 7800 x 6300 twips (520 x 420 pixels at 96 DPI): the window grows with
    // the DPI like the frames inside it.
    resize(twipsToPixelsX(7800), twipsToPixelsY(6300));
}

void frmParmEdit::buildBatchFrame()
{
    frameBatchExec = addControl(new VbFrame(QStringLiteral("Batch (exe) File Parameters"), this), "frameBatchExec");
    labelConfigFile = addControl(new VbLabel(QStringLiteral("Batch file or executable to execute:"), frameBatchExec),
                                 "labelConfigFile");
    textBatchfile = addControl(new VbTextBox(frameBatchExec), "textBatchfile");
    browseBatchFile = addBrowseButton(frameBatchExec, QStringLiteral("browseBatchFile"));
    labelTitle = addControl(new VbLabel(QStringLiteral("Title to be displayed in feedback menu:"), frameBatchExec),
                            "labelTitle");
    textTitle = addControl(new VbTextBox(frameBatchExec), "textTitle");

    vb::move(labelConfigFile, 120, 240, 4500, 255);
    vb::move(textBatchfile, 120, 495, 4000, 315);
    vb::move(browseBatchFile, 4200, 495, 315, 315);
    vb::move(labelTitle, 120, 900, 4500, 255);
    vb::move(textTitle, 120, 1155, 4000, 315);
    vb::move(frameBatchExec, 30, 160, 7000, 1590);
    frameBatchExec->hide();
}

void frmParmEdit::buildParmsFrame()
{
    frameParms = addControl(new VbFrame(QString(), this), "frameParms");
    // The focus sink sits behind the grid: reachable by code and the Enter
    // key, never seen. Tab passes it by, or it would hand the focus back to
    // the grid and keep Tab from ever leaving it.
    textFocus = new VbTextBox(frameParms);
    textFocus->setFocusPolicy(Qt::ClickFocus);
    buttonPanel = addControl(new VbPanel3D(frameParms), "buttonPanel");
    parmsCaption = addControl(new VbLabel(QStringLiteral("Parameters list:"), buttonPanel), "parmsCaption");
    cmdNew = addControl(new VbCommandButton(buttonPanel), "cmdNew");
    cmdBrowse = addControl(new VbCommandButton(buttonPanel), "cmdBrowse");
    cmdDelete = addControl(new VbCommandButton(buttonPanel), "cmdDelete");
    parmsGrid = addControl(new vaSpread(frameParms), "parmsGrid");
    addControl(textFocus, "textFocus");
    mess1 = addControl(new VbLabel(frameParms), "mess1");
    mess2 = addControl(new VbLabel(frameParms), "mess2");

    cmdNew->setPicture(vbIcon_new());
    cmdBrowse->setPicture(vbIcon_browse());
    cmdDelete->setPicture(vbIcon_delete());
    cmdNew->setToolTip(QStringLiteral("New parameter (a copy of the selected one)"));
    cmdBrowse->setToolTip(QStringLiteral("Browse for the value"));
    cmdDelete->setToolTip(QStringLiteral("Delete the parameter"));

    vb::move(buttonPanel, 90, 240, 6800, 435);
    vb::move(parmsCaption, 45, 90, 2000, 255);
    vb::move(textFocus, 90, 720, 15, 15);
    vb::move(mess1, 90, 3000, 3300, 255);
    vb::move(mess2, 3400, 3000, 3300, 255);
    textFocus->lower();
    parmsGrid->setRowHeadersVisible(false);
    // The column widths leave room for row headers this grid does not show:
    // the Value column takes the rest up to the grid's edge.
    parmsGrid->table()->horizontalHeader()->setStretchLastSection(true);
}

void frmParmEdit::connectEvents()
{
    connect(cmdNew, &VbCommandButton::Click, this, &frmParmEdit::cmdNew_Click);
    connect(cmdDelete, &VbCommandButton::Click, this, &frmParmEdit::cmdDelete_Click);
    connect(cmdBrowse, &VbCommandButton::Click, this, &frmParmEdit::cmdBrowse_Click);
    connect(browseBatchFile, &VbCommandButton::Click, this, &frmParmEdit::browseBatchFile_Click);
    connect(parmsCaption, &VbLabel::DblClick, this, &frmParmEdit::parmsCaption_DblClick);
    connect(buttonPanel, &VbPanel3D::Resize, this, &frmParmEdit::buttonPanel_Resize);
    connect(parmsGrid, &vaSpread::editMode, this,
            [this](int col, int row, int mode, bool) { parmsGrid_EditMode(col, row, mode); });
    connect(parmsGrid, &vaSpread::leaveCell, this,
            [this](int, int, int newCol, int newRow, bool& cancel) { parmsGrid_LeaveCell(newCol, newRow, cancel); });
    connect(actCellTimer, &VbTimer::Timer, this, &frmParmEdit::actCellTimer_Timer);
    connect(focusTimer, &VbTimer::Timer, this, &frmParmEdit::focusTimer_Timer);
    connect(textFocus, &VbTextBox::GotFocus, this, &frmParmEdit::textFocus_GotFocus);
}

void frmParmEdit::Form_Load()
{
    setCaption(QString());
    mess1->setCaption(QString());
    mess2->setCaption(QString());
    for (VbCommandButton* b : {cmdDelete, cmdNew, cmdBrowse})
        gui_setButtonSize(b, false, true);
    gui_setButtonSize(browseBatchFile, false, true);
    for (QObject* c : std::initializer_list<QObject*>{cmdDelete, cmdNew, cmdBrowse, parmsCaption})
        gui_centerVertically(buttonPanel, c, true);
    assignParmNamesToCtrls();
    vbl_form_size(this, QStringLiteral("STORE_VALUES"));
    form_loaded = true;
}

void frmParmEdit::parmsCaption_DblClick()
{
    if (const ParmsListViewer& viewer = parmsListViewer())
        viewer(contextParms());
}

void frmParmEdit::Form_Unload(int& cancel)
{
    Q_UNUSED(cancel)
    form_loaded = false;
}

void frmParmEdit::setParmsColl(const IKalvexGenParmsPtr& parms)
{
    KalvexParmFormBase::setParmsColl(parms);
    if (!parms)
        return;
    // Only a generator's command decides; another owner leaves the mode.
    if (auto gen = std::dynamic_pointer_cast<IKalvexGenerator>(parms->parent()))
        setBatchExeMode(gen->cmdGen(false).toLower() == CMD_INTERNAL_BATCHFILE.toLower());
}

void frmParmEdit::setBatchExeMode(bool on)
{
    if (on == m_batchMode)
        return;
    m_batchMode = on;
    frameBatchExec->setVisible(on);
    frameParms->setCaption(on ? QStringLiteral("Additional parameters") : QString());
    init_helpSettings();
    if (form_loaded)
        Form_Resize();
}

void frmParmEdit::loadData()
{
    try {
        // Lock by the owner's reservation and the two bound text boxes;
        // without a set the dialog edits none.
        KalvexParmFormBase::loadData();
        const IKalvexGenParmsPtr parms = shownParms();
        if (!parms)
            return;
        layout_parmsGrid();
        // One repaint for the whole fill.
        const bool painting = parmsGrid->reDraw();
        parmsGrid->setReDraw(false);
        const int n = parms->count();
        parmsGrid->setMaxRows(n);
        int row = 0;
        for (int i = 1; i <= n; ++i) {
            const IKalvexGenParmPtr p = parms->item(i);
            if (!p || (m_batchMode && hiddenInBatchMode(p->name())))
                continue;
            ++row;
            morvObjs_parmGridFillRow(parmsGrid, row, p, false, locked());
            parmsGrid->setRowHidden(row, false);
        }
        parmsGrid->setRow(row);
        parmsGrid->setMaxRows(row);
        if (row > 1) {
            const int col = getParmType(2) == PARM_TYPE_SYSTEM ? ParmGridCol::Value : ParmGridCol::Name;
            parmsGrid->setCol(col);
            parmsGrid->setRow(2);
            parmsGrid->setActiveCell();
        }
        setColWidths();
        sortGrid();
        parmsGrid->setReDraw(painting);
    } catch (...) {
        // Trapped: the grid shows what could be loaded.
        vbl_err_trapped(QStringLiteral("frmParmEdit_loadData"), VBL_LOG_DIALOGS);
        parmsGrid->setReDraw(true);
    }
}

int frmParmEdit::persistData(bool& flag)
{
    try {
        // The rows are those of the set last loaded, whichever set the
        // shared dialog was handed since.
        const IKalvexGenParmsPtr parms = shownParms();
        if (locked() || !parms)
            return 0;
        // The grid's own editor may still hold typed text.
        parmsGrid->commitEdit();
        const int controls = KalvexParmFormBase::persistData(flag);
        if (controls < 0)
            return -1;
        return controls + persistGrid(*parms);
    } catch (...) {
        vbl_err_trapped(QStringLiteral("frmParmEdit_persistData"), VBL_LOG_DIALOGS);
        return -1;
    }
}

int frmParmEdit::persistGrid(IKalvexGenParms& parms)
{
    int count = 0;
    const int rows = parmsGrid->maxRows();
    parmsGrid->setBlockMode(false);

    // Removals: a hidden row names its parameter in OrgName until it is gone.
    parmsGrid->setCol(ParmGridCol::OrgName);
    for (int r = 1; r <= rows; ++r) {
        if (!parmsGrid->rowHidden(r))
            continue;
        parmsGrid->setCol(ParmGridCol::OrgName);
        parmsGrid->setRow(r);
        const QString orgName = parmsGrid->text();
        if (orgName.isEmpty())
            continue;
        if (parms.remove(orgName) > 0)
            ++count;
        parmsGrid->setText(QString());
    }

    // New rows, renames and values.
    const IKalvexGenParmPtr current = classCreate_KalvexGenParm();
    const IKalvexGenParmPtr former = classCreate_KalvexGenParm();
    for (int r = 1; r <= rows; ++r) {
        if (parmsGrid->rowHidden(r))
            continue;
        bool isNew = false;
        getRowData(r, *current, *former, isNew);
        if (former->name().isEmpty())
            continue;
        bool refill = false;
        if (isNew) {
            ++count;
            refill = true;
        }
        if (current->name() != former->name()) {
            const int result = parms.rename(former->name(), current->name());
            if (result == RENAME_OK) {
                ++count;
            } else {
                // The row keeps its own parameter: its value must not land in
                // another parameter that bears the name typed.
                reportRefusedRename(former->name(), current->name(), result);
                current->setName(former->name());
            }
            refill = true;
        }
        if (current->value(false) != former->value(false)) {
            if (const IKalvexGenParmPtr p = parms.item(current->name())) {
                p->setValue(false, current->value(false));
                ++count;
                refill = true;
            }
        }
        if (refill)
            morvObjs_parmGridFillRow(parmsGrid, r, current, false, false);
    }
    return count;
}

void frmParmEdit::reportRefusedRename(const QString& from, const QString& to, int result)
{
    QString why;
    switch (result) {
    case RENAME_EMPTY: why = QStringLiteral("a parameter needs a name"); break;
    case RENAME_EXISTS: why = QStringLiteral("another parameter already has that name"); break;
    case RENAME_NOT_FOUND: why = QStringLiteral("the parameter no longer exists"); break;
    default: why = QStringLiteral("the parameter set refused it"); break;
    }
    // Message lines read "&" as a mnemonic mark; names show as typed.
    auto shown = [](QString name) { return name.replace(QLatin1Char('&'), QLatin1String("&&")); };
    vbl_form_showMessage(
        QStringLiteral("\"%1\" was not renamed to \"%2\": %3.").arg(shown(from), shown(to.trimmed()), why), this,
        1, VbColor::Red, kRefusalShownMs);
}

void frmParmEdit::postMessage(const QString& text, int line)
{
    vbl_form_showMessage(text, this, line, VbColor::WindowText, 0);
}

void frmParmEdit::forceFocus()
{
    vbl_ctrl_setFocus(this);
    vbl_ctrl_setFocus(m_batchMode ? static_cast<QObject*>(textBatchfile) : parmsGrid);
    // Bring the window to the front within its host.
    raise();
    activateWindow();
}

void frmParmEdit::editorSetFocus()
{
    vbl_ctrl_setFocus(this);
    focusTimer->setInterval(200);
    focusTimer->setEnabled(true);
}

void frmParmEdit::focusGridSoon(int intervalMs)
{
    vb::setTag(focusTimer, kToParmsGrid);
    focusTimer->setInterval(intervalMs);
    focusTimer->setEnabled(true);
}

void frmParmEdit::focusTimer_Timer()
{
    if (vb::tag(focusTimer) == kToParmsGrid)
        vbl_ctrl_setFocus(parmsGrid);
    vb::setTag(focusTimer, QString());
}

void frmParmEdit::textFocus_GotFocus()
{
    parmsGrid->setCol(parmsGrid->activeCol());
    parmsGrid->setRow(parmsGrid->activeRow());
    parmsGrid->setActiveCell();
    // The sink only passes the caret on: the user keeps typing in the grid.
    vbl_ctrl_setFocus(parmsGrid);
}

void frmParmEdit::Form_KeyPress(int& keyAscii)
{
    if (keyAscii != 13)
        return;
    keyAscii = 0;
    QObject* active = activeControl();
    const int next = vbl_form_nextTabControl(this, active ? vb::tabIndex(active) : -1, QStringLiteral("gen"));
    if (next >= 0)
        vbl_ctrl_setFocus(control(next));
}

void frmParmEdit::changeEvent(QEvent* e)
{
    KalvexParmFormBase::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        focusTimer->setEnabled(true);
}

} // namespace kalvex
