// The generic parameter dialog: every parameter of the set is one grid row
// (name and value, with the name and value at the last fill, the type and a
// new-row mark in hidden columns). Users rename, change values, add rows by
// copying the selected one and delete user parameters; persistData applies
// it all to the set. For the internal batch-file generator the dialog runs in
// batch mode: parm1 and title get text boxes of their own above the grid and
// operation, parm1, verbose and title stay out of the grid.
#pragma once
#include <functional>

#include "dialogs/KalvexParmFormBase.h"
#include "interfaces/IKalvexMessageSink.h"

namespace kalvex {

class VbCommandButton;
class VbLabel;
class VbTextBox;
class VbTimer;
class vaSpread;

// What a double click on "Parameters list:" opens on the dialog's set: the
// object test console, registered by the window library's install step.
// Nothing happens while none is registered.
using ParmsListViewer = std::function<void(const IKalvexGenParmsPtr&)>;
void frmParmEdit_setParmsListViewer(ParmsListViewer viewer);

class frmParmEdit : public KalvexParmFormBase, public IKalvexMessageSink {
    Q_OBJECT
public:
    frmParmEdit();

    // Keeps the set and decides batch mode from its owner's command.
    void setParmsColl(const IKalvexGenParmsPtr& parms) override;
    void loadData() override;
    int persistData(bool& flag) override;
    int defaultHelpTopic() const override { return m_batchMode ? 29 : 0; }
    void forceFocus() override;
    void editorSetFocus() override;

    bool batchExeMode() const { return m_batchMode; }
    void setBatchExeMode(bool on);

    // Grid procedures.
    void layout_parmsGrid();
    void setColWidths();
    void sortGrid();
    // Numeric value of the row's parmType cell; leaves the grid's current
    // cell there.
    int getParmType(int row);
    void getRowData(int row, IKalvexGenParm& current, IKalvexGenParm& former, bool& newFlag);
    // parmType -1: read it from the row.
    void setButVisibility(int col, int parmType, int row);

    // Host messages go to the two message lines.
    void postMessage(const QString& text, int line) override;

    VbFrame* frameBatchExec;
    VbLabel* labelConfigFile;
    VbTextBox* textBatchfile;
    VbCommandButton* browseBatchFile;
    VbLabel* labelTitle;
    VbTextBox* textTitle;
    VbFrame* frameParms;
    VbPanel3D* buttonPanel;
    VbLabel* parmsCaption;
    VbCommandButton* cmdNew;
    VbCommandButton* cmdBrowse;
    VbCommandButton* cmdDelete;
    vaSpread* parmsGrid;
    VbTextBox* textFocus;
    VbLabel* mess1;
    VbLabel* mess2;
    VbTimer* mess1Timer;
    VbTimer* mess2Timer;
    VbTimer* focusTimer;
    VbTimer* actCellTimer;

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyPress(int& keyAscii) override;
    void changeEvent(QEvent* e) override;

private:
    void buildBatchFrame();
    void buildParmsFrame();
    void connectEvents();
    bool layoutForm();
    void buttonPanel_Resize();

    void cmdNew_Click();
    void cmdDelete_Click();
    void cmdBrowse_Click();
    void parmsCaption_DblClick();
    void browseBatchFile_Click();
    void parmsGrid_EditMode(int col, int row, int mode);
    void parmsGrid_LeaveCell(int newCol, int newRow, bool& cancel);
    void actCellTimer_Timer();
    void focusTimer_Timer();
    void textFocus_GotFocus();
    // Starts focusTimer so that the grid gets the focus back.
    void focusGridSoon(int intervalMs);

    int persistGrid(IKalvexGenParms& parms);
    void reportRefusedRename(const QString& from, const QString& to, int result);

    bool m_batchMode = false;
    int m_pendingCol = -1;
    int m_pendingRow = -1;
};

} // namespace kalvex
