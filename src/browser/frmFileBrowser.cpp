#include "browser/frmFileBrowser.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyle>

#include "platform/guiGeometry.h"
#include "foundation/vbl_file.h"
#include "platform/CommonDialogDirect6.h"
#include "platform/OpenDialogFilter.h"
#include "platform/OpenDialogWindow.h"
#include "platform/SSTab.h"
#include "platform/TList.h"
#include "platform/VbCheckBox.h"
#include "platform/VbColors.h"
#include "platform/VbComboBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbFrame.h"
#include "platform/VbLabel.h"
#include "platform/VbOptionButton.h"
#include "platform/VbPictureBox.h"
#include "platform/VbTextBox.h"
#include "platform/VbTimer.h"
#include "platform/vbl_form.h"

namespace kalvex {

namespace {

const QString DEFAULT_DESTINATION = QStringLiteral("${KVX_TASK_WORKDIR}\\checkedOut_file.dat");

QString withoutAngleBrackets(QString text)
{
    text.remove(QLatin1Char('<'));
    text.remove(QLatin1Char('>'));
    return text;
}

} // namespace

frmFileBrowser::frmFileBrowser() : VbForm(QStringLiteral("frmFileBrowser"))
{
    buildControls();
}

frmFileBrowser::~frmFileBrowser()
{
    // Never leave the module references on a form that is gone.
    if (cdialogEx_form() == this)
        cdialogEx_setForm(nullptr);
    if (morvObjs_fileBrowserForm() == this)
        morvObjs_setFileBrowserForm(nullptr);
}

void frmFileBrowser::buildControls()
{
    m_controls = addControl(new VbPictureBox(this), QStringLiteral("m_controls"));
    m_controls->setFocusPolicy(Qt::ClickFocus);
    connect(m_controls, &VbPictureBox::GotFocus, this, &frmFileBrowser::m_controls_GotFocus);

    SSTabMain = addControl(new SSTab(m_controls), QStringLiteral("SSTabMain"), VbKind::TabControl);
    auto* page0 = new QWidget;
    auto* page1 = new QWidget;
    page0->setObjectName(QStringLiteral("SSTabMain_page0"));
    page1->setObjectName(QStringLiteral("SSTabMain_page1"));
    SSTabMain->addTab(page0, tr("File Selection"));
    SSTabMain->addTab(page1, tr("File Checkout"));
    frameFileGUI = addControl(new VbFrame(page0), QStringLiteral("frameFileGUI"));
    frameCheckoutparms = addControl(new VbFrame(page1), QStringLiteral("frameCheckoutparms"));
    buildCheckoutControls();

    frameFeedback = addControl(new VbFrame(m_controls), QStringLiteral("frameFeedback"));
    Label1 = addControl(new VbLabel(tr("Resulting file specification:"), frameFeedback), QStringLiteral("Label1"));
    textResult = addControl(new VbTextBox(frameFeedback), QStringLiteral("textResult"));
    LabelFileErr = addControl(new VbLabel(tr("Invalid file specification !"), frameFeedback),
                              QStringLiteral("LabelFileErr"));
    LabelFileErr->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    vb::setForeColor(LabelFileErr, VbColor::Red);
    vb::setVisible(LabelFileErr, false);

    cmdOk = addControl(new VbCommandButton(tr("OK"), m_controls), QStringLiteral("cmdOk"));
    // Enter in the result line is OK, as the Open dialog's own OK would be.
    cmdOk->setDefault(true);
    cmdCancel = addControl(new VbCommandButton(tr("Cancel"), m_controls), QStringLiteral("cmdCancel"));
    cmdHelp = addControl(new VbCommandButton(QStringLiteral("?"), m_controls), QStringLiteral("cmdHelp"));
    timerSetTab = addControl(new VbTimer(this), QStringLiteral("timerSetTab"));
    timerSetIndex = addControl(new VbTimer(this, 20), QStringLiteral("timerSetIndex"));

    // Row pictures, kept hidden.
    Frame3 = addControl(new VbFrame(this), QStringLiteral("Frame3"));
    vb::setVisible(Frame3, false);
    auto picture = [this](const QString& name, QStyle::StandardPixmap icon) {
        auto* p = addControl(new VbPictureBox(Frame3), name);
        p->setPicture(QApplication::style()->standardIcon(icon).pixmap(32, 32));
        return p;
    };
    pictPsite = picture(QStringLiteral("pictPsite"), QStyle::SP_DriveNetIcon);
    pictMaster = picture(QStringLiteral("pictMaster"), QStyle::SP_DirIcon);
    pictMasterVar = picture(QStringLiteral("pictMasterVar"), QStyle::SP_DirLinkIcon);
    pictSingle = picture(QStringLiteral("pictSingle"), QStyle::SP_FileIcon);
    pictSub = picture(QStringLiteral("pictSub"), QStyle::SP_FileLinkIcon);
    pictInitVar = picture(QStringLiteral("pictInitVar"), QStyle::SP_DirOpenIcon);
    wrkPict = addControl(new VbPictureBox(Frame3), QStringLiteral("wrkPict"));

    connect(SSTabMain, &SSTab::Click, this, &frmFileBrowser::SSTabMain_Click);
    connect(textResult, &VbTextBox::Change, this, &frmFileBrowser::textResult_Change);
    connect(cmdOk, &VbCommandButton::Click, this, &frmFileBrowser::cmdOk_Click);
    connect(cmdCancel, &VbCommandButton::Click, this, &frmFileBrowser::cmdCancel_Click);
    connect(timerSetTab, &VbTimer::Timer, this, &frmFileBrowser::timerSetTab_Timer);
    connect(timerSetIndex, &VbTimer::Timer, this, &frmFileBrowser::timerSetIndex_Timer);

    // Design positions (twips); the layout sizes the rest.
    vb::move(frameFileGUI, m_sideMargin, 120, 7500, 3600);
    vb::move(frameCheckoutparms, m_sideMargin, 120, 7500, 3600);
    vb::move(Label1, 0, 0, 3000, 240);
    vb::move(textResult, 0, 255, 7500, 315);
    vb::move(LabelFileErr, 4500, 0, 3000, 240);
}

void frmFileBrowser::setcD(CommonDialogDirect6* component)
{
    if (m_cD)
        disconnect(m_cD, nullptr, this, nullptr);
    m_cD = component;
    if (!component)
        return;
    connect(component, &CommonDialogDirect6::InitDialog, this, &frmFileBrowser::cD_InitDialog);
    connect(component, &CommonDialogDirect6::FolderChange, this, &frmFileBrowser::cD_FolderChange);
    connect(component, &CommonDialogDirect6::FileChange, this, &frmFileBrowser::cD_FileChange);
    connect(component, &CommonDialogDirect6::DialogOK, this, &frmFileBrowser::cD_DialogOK);
    connect(component, &CommonDialogDirect6::DialogClose, this, &frmFileBrowser::cD_DialogClose);
}

void frmFileBrowser::setAdmObj(const IKalvexAdministratorPtr& adm)
{
    m_admObj = adm;
    m_envirVars = adm ? adm->envirVars() : nullptr;
}

void frmFileBrowser::Form_Load()
{
    gui_getScreenMetrics();
    gui_setButtonSize(cmdHelp, true, false);
    gui_setButtonSize(cmdCancel, false, false);
    gui_setButtonSize(cmdOk, false, false);
    frameFileGUI->setBorderStyle(0);
    frameFeedback->setBorderStyle(0);
    frameCheckoutparms->setBorderStyle(0);
    textCheckedOutFile->setText(DEFAULT_DESTINATION);
    init_pictures();
    morvObjs_setFileBrowserForm(this);
    m_cancelled = true;
    SSTabMain->setTab(m_startTab);
    m_frameTop = vb::top(frameFileGUI);
    m_sideMargin = 120;
    vb::setLeft(m_controls, 0);
    vb::setTop(m_controls, 0);
    cdialogEx_setForm(this);
    form_loaded = true;
}

int frmFileBrowser::fileSpec_getSelectMode(const QString& spec)
{
    const QString text = spec.trimmed().toLower();
    for (const char* keyword : {"v_data_checkout", "m_data_checkout", "vm_data_checkout", "v_log_checkout",
                                "m_log_checkout", "vm_log_checkout"})
        if (text.contains(QLatin1String(keyword)))
            return 1;
    return 0;
}

QString frmFileBrowser::expand(const QString& text) const
{
    const auto vars = envirVars();
    return vars ? vars->expand(text, true, true) : text;
}

void frmFileBrowser::setEnable_checkoutTab(bool v)
{
    m_enableCheckout = v;
    if (SSTabMain)
        SSTabMain->setTabEnabled(1, v || fileSpec_getSelectMode(m_inFileSpec) == 1);
}

void frmFileBrowser::setInFileSpec(const QString& spec)
{
    if (spec == m_inFileSpec)
        return;
    m_inFileSpec = spec;
    const int mode = fileSpec_getSelectMode(spec);
    if (mode == 0) {
        m_lastFilePath = spec;
        fileSpec_to_Cdialog(spec, true);
        SSTabMain->setTabEnabled(1, m_enableCheckout);
    } else {
        m_checkoutExpr = spec;
        fileSpec_to_checkOut(spec, true);
        SSTabMain->setTabEnabled(1, true);
    }
    m_startTab = mode;
}

void frmFileBrowser::fileSpec_to_Cdialog(const QString& spec, bool setResultToo)
{
    const QString expanded = withoutAngleBrackets(expand(spec));
    QString drive, directory, baseName, extension;
    vbl_file_splitSpec(expanded, drive, directory, baseName, extension);
    const QString dirPath = vbl_file_makeSpec(drive, directory, QString(), QString());
    if (m_cD) {
        if (vbl_file_exists(dirPath, false)) {
            m_cD->setInitDir(dirPath);
        } else {
            const QString longName = vbl_file_getLongFilename(dirPath);
            if (vbl_file_exists(longName, false))
                m_cD->setInitDir(longName);
        }
        if (!extension.isEmpty()) {
            m_cD->setFileName(baseName + QLatin1Char('.') + extension);
            m_cD->setDefaultExt(extension);
        } else {
            m_cD->setFileName(QString());
            m_cD->setDefaultExt(QString());
        }
    }
    if (setResultToo)
        setResult(expanded);
    m_lastFilePath = expanded;
}

void frmFileBrowser::setResult(const QString& value)
{
    QString v = value;
    const auto vars = envirVars();
    if (vars && fileSpec_getSelectMode(v) == 0)
        v = vars->collapse(v, true, QString());
    m_result = v;
    textResult->setText(v);
    textResult->setCursorPosition(0);
}

void frmFileBrowser::textResult_Change()
{
    const QString text = textResult->text().trimmed();
    const bool tested = m_cD && (m_cD->Flags() & OFN_FILEMUSTEXIST) && fileSpec_getSelectMode(text) == 0;
    // A text that is not tested (a check-out expression) never keeps the
    // mark of an earlier file specification.
    const bool invalid = tested && vbl_file_exists(expand(text), true) == 0;
    vb::setVisible(LabelFileErr, invalid);
    vb::setForeColor(textResult, invalid ? VbColor::Red : VbColor::WindowText);
    // A check-out expression is longer than the box: its whole text (the
    // destination at its end) shows on hovering.
    vb::setToolTipText(textResult, textResult->text());
    if (textResult->text() != m_result)
        m_result = textResult->text();
}

// ---- The Open dialog's events

void frmFileBrowser::cD_InitDialog(QWidget* hookDialog)
{
    m_hookDlg = hookDialog;
    m_openDlg = openDialogOf(hookDialog);
    cDialog_moveItems();
    if (m_openDlg && m_cD)
        if (auto* edit = qobject_cast<QLineEdit*>(m_openDlg->item(ID_EDT1)))
            edit->setText(m_cD->FileName());
    vblCdlg_installHook();
}

void frmFileBrowser::cD_FolderChange()
{
    if (!m_firstFolderDone) {
        m_firstFolderDone = true;
        if (m_openDlg)
            if (QWidget* shellView = m_openDlg->item(ID_LST2))
                shellView->hide();
        vb::setVisible(m_controls, true);
        m_controls->lower();
        // Shown, the tab strip has laid out its pages: the items go exactly
        // over the frame now.
        if (m_openDlg)
            cDialog_placeInFrame(m_openDlg->items());
        vb::setTag(timerSetTab, QString::number(m_startTab));
        timerSetTab_Timer();
        return;
    }
    cD_FileChange();
}

void frmFileBrowser::cD_FileChange()
{
    m_lastFilePath = vblCdlg_getFilePath(m_hookDlg);
    if (SSTabMain->Tab() == 0)
        setResult(m_lastFilePath);
}

void frmFileBrowser::cD_DialogOK(bool* accept)
{
    if (accept)
        *accept = true;
    m_cancelled = false;
    // The name the user confirmed is the answer, then the browser closes as
    // with its own OK.
    if (SSTabMain->Tab() == 0) {
        const QString path = vblCdlg_getFilePath(m_hookDlg);
        if (!path.isEmpty())
            setResult(path);
    }
    closingStep();
}

void frmFileBrowser::cD_DialogClose()
{
    // The Open dialog ends by itself (Escape, its close button): close the
    // browser as with Cancel so that nothing stays in the dying window.
    if (m_openDlg)
        closingStep();
}

void frmFileBrowser::timerSetTab_Timer()
{
    timerSetTab->setEnabled(false);
    const int tab = vb::tag(timerSetTab).toInt();
    if (SSTabMain->Tab() == tab)
        SSTabMain_Click(tab);
    else
        SSTabMain->setTab(tab);
}

void frmFileBrowser::SSTabMain_Click(int previousTab)
{
    if (previousTab == 0) {
        show_browserItems(0, false);
        vbl_ctrl_setFocus(SSTabMain);
    }
    const int now = SSTabMain->Tab();
    if (now == 0) {
        show_browserItems(5, false);
        setResult(m_lastFilePath);
    } else if (now == 1) {
        fileSpec_to_checkOut(m_checkoutExpr, true);
    }
    vbl_ctrl_setFocus(SSTabMain);
}

void frmFileBrowser::cmdOk_Click()
{
    m_cancelled = false;
    cmdCancel_Click();
}

void frmFileBrowser::cmdCancel_Click()
{
    closingStep();
}

void frmFileBrowser::Form_QueryUnload(int& cancel, int unloadMode)
{
    Q_UNUSED(cancel)
    Q_UNUSED(unloadMode)
    closingStep();
}

void frmFileBrowser::closingStep()
{
    if (fileSpec_getSelectMode(m_result) == 1)
        checkOut_compose_result(false);
    if (m_hookDlg && m_openDlg) {
        QPointer<OpenDialogWindow> wnd = m_openDlg;
        QPointer<QWidget> hook = m_hookDlg;
        m_openDlg.clear();
        m_hookDlg.clear();
        m_controls->hide();
        m_controls->setParent(this);
        wnd->cancelCommand();
        if (hook)
            hook->close();
        if (wnd)
            wnd->close();
    }
    m_checkoutFilled = false;
    if (cdialogEx_form() == this)
        cdialogEx_setForm(nullptr);
    if (morvObjs_fileBrowserForm() == this)
        morvObjs_setFileBrowserForm(nullptr);
    vblCdlg_removeHook();
}

void frmFileBrowser::Form_Unload(int& cancel)
{
    Q_UNUSED(cancel)
    init_Vars();
    form_loaded = false;
}

void frmFileBrowser::init_Vars()
{
    m_lastFilePath.clear();
    m_checkoutExpr.clear();
    m_showOk = false;
    m_showCancel = false;
    m_showReadOnly = false;
    m_startTab = 0;
    m_admObj.reset();
    m_envirVars.reset();
    m_checkoutFilled = false;
}

QPixmap frmFileBrowser::rowPicture(const QString& name) const
{
    auto* box = qobject_cast<VbPictureBox*>(controlByName(name));
    return box ? box->picture() : QPixmap();
}

// ---- Focus steering

bool frmFileBrowser::SetForwardFocus()
{
    QWidget* focused = QApplication::focusWidget();
    const bool onStrip = SSTabMain->hasFocusWindow(focused);
    switch (SSTabMain->Tab()) {
    case 0:
        // The Open dialog's items and the browser's controls, the tab strip
        // among them, share the window's focus chain: Tab walks them in turn.
        return false;
    case 1: {
        QWidget* ok = m_openDlg ? m_openDlg->item(IDOK) : nullptr;
        QWidget* cancel = m_openDlg ? m_openDlg->item(IDCANCEL) : nullptr;
        if (onStrip) {
            if (cancel)
                cancel->setFocus(Qt::TabFocusReason);
            return false;
        }
        if (focused && (focused == ok || focused == cancel))
            return false;
        SSTabMain->SetFocus();
        return true;
    }
    default: return false;
    }
}

bool frmFileBrowser::SetBackwardFocus()
{
    return false;
}

void frmFileBrowser::m_controls_GotFocus()
{
    if (!SSTabMain->hasFocusWindow(QApplication::focusWidget()))
        SSTabMain->SetFocus();
}

} // namespace kalvex
