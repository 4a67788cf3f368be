// The file browser: one modal dialog in which a file is picked in the Open
// dialog of the component set into cD (tab 0, "File Selection"), or a
// check-out expression is composed from master and variant processes
// (tab 1, "File Checkout"). The form itself is never shown: its container
// m_controls moves into the Open dialog's window when the dialog
// initialises, and the Open dialog's own items are placed over the file
// tab's frame. The opener (morvObjs_fileBrowserEx_open) sets the members,
// shows the component and reads Cancelled and Result.
#pragma once
#include <QPointer>
#include <memory>

#include "browser/cdialogEx.h"
#include "browser/morvObjs_tlist.h"
#include "interfaces/IKalvexAdministrator.h"
#include "interfaces/IKalvexProcess.h"
#include "platform/CommonDialogDirect6.h"
#include "platform/OpenDialogWindow.h"
#include "platform/VbForm.h"

class QWidget;

namespace kalvex {

class SSTab;
class TList;
class VbCheckBox;
class VbComboBox;
class VbCommandButton;
class VbFrame;
class VbLabel;
class VbOptionArray;
class VbPictureBox;
class VbTextBox;
class VbTimer;

class frmFileBrowser : public VbForm, public ITabFocusSteering, public IRowPictureSource {
    Q_OBJECT
public:
    frmFileBrowser();
    ~frmFileBrowser() override;

    // ---- Public members
    CommonDialogDirect6* cD() const { return m_cD.data(); }
    void setcD(CommonDialogDirect6* component);
    IKalvexAdministratorPtr admObj() const { return m_admObj.lock(); }
    // Also takes the database's variable set.
    void setAdmObj(const IKalvexAdministratorPtr& adm);
    std::shared_ptr<IBrenloEnvirVars> envirVars() const { return m_envirVars.lock(); }
    void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) { m_envirVars = vars; }
    bool show_fbrowse_ok() const { return m_showOk; }
    void setShow_fbrowse_ok(bool v) { m_showOk = v; }
    bool show_fbrowse_cancel() const { return m_showCancel; }
    void setShow_fbrowse_cancel(bool v) { m_showCancel = v; }
    bool show_fbrowse_readOnly() const { return m_showReadOnly; }
    void setShow_fbrowse_readOnly(bool v) { m_showReadOnly = v; }
    int startTab() const { return m_startTab; }
    void setStartTab(int tab) { m_startTab = tab; }
    bool enable_checkoutTab() const { return m_enableCheckout; }
    // Applies at once, so that a forbidden check-out tab cannot be selected
    // even when the incoming text stays empty; a check-out expression still
    // opens its tab.
    void setEnable_checkoutTab(bool v);
    QString inFileSpec() const { return m_inFileSpec; }
    void setInFileSpec(const QString& spec);
    QString Result() const { return m_result; }
    void setResult(const QString& value);
    bool Cancelled() const { return m_cancelled; }

    // 1 for a check-out expression, 0 for a file specification.
    static int fileSpec_getSelectMode(const QString& spec);

    // ---- Focus steering (called by the keyboard hook)
    bool SetForwardFocus() override;
    bool SetBackwardFocus() override;
    void m_controls_GotFocus();

    QPixmap rowPicture(const QString& name) const override;

    // ---- File tab
    void cD_InitDialog(QWidget* hookDialog);
    void cD_FolderChange();
    void cD_FileChange();
    void cD_DialogOK(bool* accept);
    void cD_DialogClose();
    void fileSpec_to_Cdialog(const QString& spec, bool setResult);
    void SSTabMain_Click(int previousTab);
    void timerSetTab_Timer();
    void textResult_Change();
    void cmdOk_Click();
    void cmdCancel_Click();

    // ---- Check-out tab
    void checkOut_fill_Items(bool withCheckBoxes);
    void comboPsite_fill(VbComboBox* combo);
    void checkOut_fill_procTlist(VbComboBox* combo, TList* tree, bool variantSide);
    void checkOut_get_selectedProcess(TList* tree, int row, int& rememberedRow);
    void checkOut_expand_parent(TList* tree, int row, int rememberedRow);
    void disable_group(const QString& groupTag, bool enabled);
    void checkOut_compose_result(bool byName);
    // The site and process of one side; -1 when its box is checked without a
    // selected process, else 0.
    int checkOut_compose_resultONE(VbComboBox* combo, TList* tree, int checkValue,
                                   std::shared_ptr<IKalvexProdSite>& site, bool& currentSite,
                                   IKalvexProcessPtr& process);
    void fileSpec_to_checkOut(const QString& spec, bool setResult);
    void checkOut_set_activePsite(VbComboBox* combo, const QString& site, bool byName);
    void checkOut_set_activeProcess(TList* tree, const QString& process, bool byName);
    void init_pictures();
    void resize_checkoutParms();
    void checkMasterProcess_Click();
    void checkVariantProcess_Click();
    void comboMASPsite_Click();
    void comboVARPsite_Click();
    void OptFtype_Click(int index);
    void textCheckedOutFile_Change();
    void tlistProc_Click(TList* tree);
    void timerSetIndex_Timer();

    // The window of the Open dialog while it runs (none otherwise).
    OpenDialogWindow* openDialog() const { return m_openDlg.data(); }
    QString checkOutExpression() const { return m_checkoutExpr; }
    bool checkOutFilled() const { return m_checkoutFilled; }

    // ---- Controls
    VbPictureBox* m_controls = nullptr;
    SSTab* SSTabMain = nullptr;
    VbFrame* frameFileGUI = nullptr;
    VbFrame* frameCheckoutparms = nullptr;
    VbFrame* frameFeedback = nullptr;
    VbLabel* Label1 = nullptr;
    VbTextBox* textResult = nullptr;
    VbLabel* LabelFileErr = nullptr;
    VbCommandButton* cmdOk = nullptr;
    VbCommandButton* cmdCancel = nullptr;
    VbCommandButton* cmdHelp = nullptr;
    VbTimer* timerSetTab = nullptr;
    VbFrame* frameCoutMaster = nullptr;
    VbCheckBox* checkMasterProcess = nullptr;
    VbLabel* labelMASPlist = nullptr;
    VbComboBox* comboMASPsite = nullptr;
    VbLabel* labelMASProclist = nullptr;
    TList* tlistProcMaster = nullptr;
    VbFrame* frameCoutVar = nullptr;
    VbCheckBox* checkVariantProcess = nullptr;
    VbLabel* LabelVARPlist = nullptr;
    VbComboBox* comboVARPsite = nullptr;
    VbLabel* labelVARProclist = nullptr;
    TList* tlistProcVAR = nullptr;
    VbOptionArray* OptFtype = nullptr;
    VbLabel* labelCOutFile = nullptr;
    VbTextBox* textCheckedOutFile = nullptr;
    VbTimer* timerSetIndex = nullptr;
    VbFrame* Frame3 = nullptr;
    VbPictureBox* pictPsite = nullptr;
    VbPictureBox* pictMaster = nullptr;
    VbPictureBox* pictMasterVar = nullptr;
    VbPictureBox* pictSingle = nullptr;
    VbPictureBox* pictSub = nullptr;
    VbPictureBox* pictInitVar = nullptr;
    VbPictureBox* wrkPict = nullptr;

protected:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;

private:
    void buildControls();
    void buildCheckoutControls();
    void closingStep();
    void init_Vars();
    void cDialog_moveItems();
    void cDialog_placeInFrame(QWidget* item);
    void show_browserItems(int showCommand, bool move);
    QList<QWidget*> browserItems(bool all) const;
    QString expand(const QString& text) const;
    TList* treeByName(const QString& name) const;
    int& rememberedRow(TList* tree);
    bool& pendingClick(TList* tree);

    QPointer<CommonDialogDirect6> m_cD;
    std::weak_ptr<IKalvexAdministrator> m_admObj;
    std::weak_ptr<IBrenloEnvirVars> m_envirVars;
    bool m_showOk = false;
    bool m_showCancel = false;
    bool m_showReadOnly = false;
    int m_startTab = 0;
    bool m_enableCheckout = false;
    QString m_inFileSpec;
    QString m_result;
    bool m_cancelled = false;

    QString m_lastFilePath;
    QString m_checkoutExpr;
    QPointer<QWidget> m_hookDlg;
    QPointer<OpenDialogWindow> m_openDlg;
    bool m_firstFolderDone = false;
    double m_frameTop = 0;
    double m_sideMargin = 120;

    bool m_checkoutFilled = false;
    bool m_suppressMaster = false;
    bool m_suppressVar = false;
    int m_rememberedMaster = -1;
    int m_rememberedVar = -1;
    bool m_pendingMaster = false;
    bool m_pendingVar = false;
    bool m_reselectBusy = false;
};

} // namespace kalvex
