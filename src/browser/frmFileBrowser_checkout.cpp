// The check-out tab of the file browser: production sites and process trees
// of the master and the variant side, data or log file and the destination,
// composed into a check-out expression (by names while the browser is open,
// by identifiers when it closes) and parsed back from one.
#include <QStyle>

#include "browser/frmFileBrowser.h"
#include "interfaces/IKalvexProcess.h"
#include "platform/SSTab.h"
#include "platform/TList.h"
#include "platform/VbCheckBox.h"
#include "platform/VbColors.h"
#include "platform/VbComboBox.h"
#include "platform/VbFrame.h"
#include "platform/VbLabel.h"
#include "platform/VbOptionButton.h"
#include "platform/VbTextBox.h"
#include "platform/VbTimer.h"
#include "platform/tlist_procs.h"
#include "platform/vbl_form.h"
#include "tasks/KVOCheckout.h"

namespace kalvex {

namespace {

const QString TAG_MASTER = QStringLiteral("CHECKOUT_MASTER");
const QString TAG_VAR = QStringLiteral("CHECKOUT_VAR");
const QString CURRENT_SITE = QStringLiteral("<current>");
const QString DEFAULT_DESTINATION = QStringLiteral("${KVX_TASK_WORKDIR}\\checkedOut_file.dat");
constexpr qint64 CURRENT_SITE_VALUE = -100;

IKalvexProcessPtr processOfRow(const TList* tree, int row)
{
    if (!tree || row < 0)
        return nullptr;
    tlist_rowRec rec;
    return std::dynamic_pointer_cast<IKalvexProcess>(morvObjs_tlistDecodeRowKey(tree, QString(), row, rec, true));
}

std::shared_ptr<IKalvexProdSite> siteOfEntry(const VbComboBox* combo, int index)
{
    if (index < 0 || index >= combo->ListCount())
        return nullptr;
    return std::dynamic_pointer_cast<IKalvexProdSite>(
        morvObjs_objectFromHandle(combo->ItemData(index).toLongLong()));
}

} // namespace

void frmFileBrowser::buildCheckoutControls()
{
    QWidget* box = frameCheckoutparms;
    OptFtype = new VbOptionArray(this);
    const QStringList captions{tr("Check out data file"), tr("Check out log file")};
    for (int i = 0; i < 2; ++i) {
        auto* b = addControl(new VbOptionButton(captions[i], box), QStringLiteral("OptFtype"), i);
        OptFtype->append(b);
        vb::move(b, i * 2600, 0, 2500, 285);
    }
    OptFtype->at(0)->setValue(true);

    auto side = [this, box](VbFrame*& frame, const QString& frameName, VbCheckBox*& check, const QString& checkName,
                            const QString& checkCaption, VbLabel*& siteLabel, const QString& siteLabelName,
                            VbComboBox*& combo, const QString& comboName, VbLabel*& procLabel,
                            const QString& procLabelName, TList*& tree, const QString& treeName,
                            const QString& tag) {
        frame = addControl(new VbFrame(box), frameName);
        check = addControl(new VbCheckBox(checkCaption, frame), checkName);
        siteLabel = addControl(new VbLabel(tr("Production site:"), frame), siteLabelName);
        combo = addControl(new VbComboBox(frame), comboName);
        procLabel = addControl(new VbLabel(tr("Process selection:"), frame), procLabelName);
        tree = addControl(new TList(frame), treeName, VbKind::TreeList);
        for (QObject* c : {static_cast<QObject*>(siteLabel), static_cast<QObject*>(combo),
                           static_cast<QObject*>(procLabel), static_cast<QObject*>(tree)})
            vb::setTag(c, tag);
        vb::move(check, 120, 120, 3000, 285);
        vb::move(siteLabel, 120, 450, 2000, 240);
        vb::move(combo, 120, 690, 3000, 315);
        vb::move(procLabel, 120, 1080, 2000, 240);
        vb::move(tree, 120, 1320, 3000, 1500);
    };
    side(frameCoutMaster, QStringLiteral("frameCoutMaster"), checkMasterProcess, QStringLiteral("checkMasterProcess"),
         tr("Master source process"), labelMASPlist, QStringLiteral("labelMASPlist"), comboMASPsite,
         QStringLiteral("comboMASPsite"), labelMASProclist, QStringLiteral("labelMASProclist"), tlistProcMaster,
         QStringLiteral("tlistProcMaster"), TAG_MASTER);
    side(frameCoutVar, QStringLiteral("frameCoutVar"), checkVariantProcess, QStringLiteral("checkVariantProcess"),
         tr("Variant source process"), LabelVARPlist, QStringLiteral("LabelVARPlist"), comboVARPsite,
         QStringLiteral("comboVARPsite"), labelVARProclist, QStringLiteral("labelVARProclist"), tlistProcVAR,
         QStringLiteral("tlistProcVAR"), TAG_VAR);

    labelCOutFile = addControl(new VbLabel(tr("Checked out file name:"), box), QStringLiteral("labelCOutFile"));
    textCheckedOutFile = addControl(new VbTextBox(box), QStringLiteral("textCheckedOutFile"));
    vb::move(labelCOutFile, 0, 3000, 2200, 240);
    vb::move(textCheckedOutFile, 1850, 3000, 4000, 315);

    connect(checkMasterProcess, &VbCheckBox::Click, this, &frmFileBrowser::checkMasterProcess_Click);
    connect(checkVariantProcess, &VbCheckBox::Click, this, &frmFileBrowser::checkVariantProcess_Click);
    connect(comboMASPsite, &VbComboBox::Click, this, &frmFileBrowser::comboMASPsite_Click);
    connect(comboVARPsite, &VbComboBox::Click, this, &frmFileBrowser::comboVARPsite_Click);
    connect(OptFtype, &VbOptionArray::Click, this, &frmFileBrowser::OptFtype_Click);
    connect(textCheckedOutFile, &VbTextBox::Change, this, &frmFileBrowser::textCheckedOutFile_Change);
    for (TList* tree : {tlistProcMaster, tlistProcVAR}) {
        // A press marks a user's click; the selection change and the click
        // act only on such a click, never on a selection made by code.
        connect(tree, &TList::MouseDown, this, [this, tree] { pendingClick(tree) = true; });
        connect(tree, &TList::SelChange, this, [this, tree] { tlistProc_Click(tree); });
        connect(tree, &TList::Click, this, [this, tree] { tlistProc_Click(tree); });
    }
}

int& frmFileBrowser::rememberedRow(TList* tree)
{
    return tree == tlistProcVAR ? m_rememberedVar : m_rememberedMaster;
}

bool& frmFileBrowser::pendingClick(TList* tree)
{
    return tree == tlistProcVAR ? m_pendingVar : m_pendingMaster;
}

TList* frmFileBrowser::treeByName(const QString& name) const
{
    if (name == tlistProcMaster->objectName())
        return tlistProcMaster;
    if (name == tlistProcVAR->objectName())
        return tlistProcVAR;
    return nullptr;
}

void frmFileBrowser::init_pictures()
{
    for (VbPictureBox* p : {pictPsite, pictMaster, pictMasterVar, pictSingle, pictSub, pictInitVar})
        vbl_pict_stretchIcon(p, 0, 0, this);
}

// ---- Filling

void frmFileBrowser::checkOut_fill_Items(bool withCheckBoxes)
{
    if (!m_checkoutFilled) {
        m_suppressMaster = true;
        comboPsite_fill(comboMASPsite);
        if (comboMASPsite->ListIndex() >= 0)
            checkOut_fill_procTlist(comboMASPsite, tlistProcMaster, false);
        m_suppressVar = true;
        comboPsite_fill(comboVARPsite);
        if (comboVARPsite->ListIndex() >= 0)
            checkOut_fill_procTlist(comboVARPsite, tlistProcVAR, true);
        m_checkoutFilled = true;
    }
    m_suppressMaster = false;
    m_suppressVar = false;
    if (withCheckBoxes) {
        checkMasterProcess_Click();
        checkVariantProcess_Click();
    }
}

void frmFileBrowser::comboPsite_fill(VbComboBox* combo)
{
    combo->Clear();
    combo->AddItem(CURRENT_SITE);
    combo->setItemData(combo->NewIndex(), CURRENT_SITE_VALUE);
    if (const auto adm = admObj()) {
        if (const auto sites = adm->productionSites()) {
            for (int i = 1; i <= sites->count(); ++i) {
                const auto site = sites->item(i);
                if (!site || site->id() == VARIANT_PSITE_ID)
                    continue;
                combo->AddItem(site->name());
                combo->setItemData(combo->NewIndex(), morvObjs_objectHandle(site));
            }
        }
    }
    if (combo->ListCount() > 0)
        combo->setListIndex(0);
}

void frmFileBrowser::comboMASPsite_Click()
{
    if (!m_suppressMaster)
        checkOut_fill_procTlist(comboMASPsite, tlistProcMaster, false);
}

void frmFileBrowser::comboVARPsite_Click()
{
    if (!m_suppressVar)
        checkOut_fill_procTlist(comboVARPsite, tlistProcVAR, true);
}

void frmFileBrowser::checkOut_fill_procTlist(VbComboBox* combo, TList* tree, bool variantSide)
{
    const int index = combo->ListIndex();
    if (index < 0) {
        tree->Clear();
        return;
    }
    const qint64 value = combo->ItemData(index).toLongLong();
    std::shared_ptr<IKalvexProdSite> site;
    if (value != CURRENT_SITE_VALUE) {
        site = siteOfEntry(combo, index);
        if (value < 0 || !site)
            return; // nothing to fill from
    }
    rememberedRow(tree) = -1;
    const bool hadSelection = tree->ListIndex() >= 0;
    const IKalvexProcessPtr noted = processOfRow(tree, tree->ListIndex());
    morvObjs_checkOut_fillProcTree(tree, admObj(), variantSide ? QStringLiteral("VARIANT_PROCS")
                                                               : QStringLiteral("MASTER_PROCS"),
                                   site, site ? site->name() : CURRENT_SITE);
    int found = -1;
    if (hadSelection && noted)
        for (int r = 0; r < tree->ListCount() && found < 0; ++r)
            if (processOfRow(tree, r) == noted)
                found = r;
    if (found >= 0) {
        tree->setItemExpanded(found, true);
        tree->setListIndex(found);
    } else {
        tree->setListIndex(-1);
    }
    checkOut_compose_result(true);
}

// ---- Tree clicks

void frmFileBrowser::tlistProc_Click(TList* tree)
{
    bool& pending = pendingClick(tree);
    if (!pending)
        return;
    pending = false;
    checkOut_get_selectedProcess(tree, tree->ListIndex(), rememberedRow(tree));
}

void frmFileBrowser::checkOut_get_selectedProcess(TList* tree, int row, int& remembered)
{
    const IKalvexProcessPtr process = processOfRow(tree, row);
    if (process && process->processType() != PROC_PARENT) {
        remembered = row;
        checkOut_compose_result(true);
        return;
    }
    if (process)
        checkOut_expand_parent(tree, row, remembered);
    // A group (or a row without a process) is never kept selected: the last
    // accepted row comes back shortly.
    vb::setTag(timerSetIndex, tree->objectName() + QLatin1Char('#') + QString::number(remembered).trimmed()
                                  + QLatin1Char('#') + QString::number(row).trimmed());
    timerSetIndex->setEnabled(true);
}

void frmFileBrowser::checkOut_expand_parent(TList* tree, int row, int remembered)
{
    if (!tree->ItemHasChildren(row))
        return;
    if (!tree->ItemExpanded(row)) {
        tree->setItemExpanded(row, true);
        return;
    }
    if (!tree->RowIsBelow(remembered, row))
        tree->setItemExpanded(row, false);
}

void frmFileBrowser::timerSetIndex_Timer()
{
    if (m_reselectBusy)
        return;
    timerSetIndex->setEnabled(false);
    m_reselectBusy = true;
    const QStringList pieces = vb::tag(timerSetIndex).split(QLatin1Char('#'));
    TList* tree = pieces.size() >= 3 ? treeByName(pieces[0]) : nullptr;
    if (tree) {
        const int remembered = pieces[1].toInt();
        const int clicked = pieces[2].toInt();
        if (remembered >= 0) {
            tree->setRedraw(false);
            tree->setListIndex(remembered);
            tree->setRedraw(true);
            if (remembered != clicked)
                tlist_setTopRow(tree, clicked, -1, 1);
        } else {
            tree->setListIndex(-1);
        }
    }
    m_reselectBusy = false;
    if (tree)
        tree->setRedraw(true);
    checkOut_compose_result(true);
}

// ---- Check boxes, options, destination

void frmFileBrowser::disable_group(const QString& groupTag, bool enabled)
{
    for (QObject* c : controls())
        if (vb::tag(c).contains(groupTag))
            vb::setEnabled(c, enabled);
    checkOut_compose_result(true);
}

void frmFileBrowser::checkMasterProcess_Click()
{
    const bool checked = vbl_chk_isChecked(checkMasterProcess->value());
    tlistProcMaster->setForeColor(checked ? VbColor::WindowText : VbColor::ButtonFace);
    tlistProcMaster->setListIndex(checked ? m_rememberedMaster : -1);
    // Composed once the remembered row is back, so that re-checking a side
    // shows its process again.
    disable_group(TAG_MASTER, checked);
}

void frmFileBrowser::checkVariantProcess_Click()
{
    const bool checked = vbl_chk_isChecked(checkVariantProcess->value());
    tlistProcVAR->setForeColor(checked ? VbColor::WindowText : VbColor::ButtonFace);
    tlistProcVAR->setListIndex(checked ? m_rememberedVar : -1);
    disable_group(TAG_VAR, checked);
}

void frmFileBrowser::OptFtype_Click(int index)
{
    if (OptFtype->at(index) && OptFtype->at(index)->value())
        checkOut_compose_result(true);
}

void frmFileBrowser::textCheckedOutFile_Change()
{
    checkOut_compose_result(true);
}

// ---- Composing and parsing

int frmFileBrowser::checkOut_compose_resultONE(VbComboBox* combo, TList* tree, int checkValue,
                                               std::shared_ptr<IKalvexProdSite>& site, bool& currentSite,
                                               IKalvexProcessPtr& process)
{
    site.reset();
    currentSite = false;
    process.reset();
    const int index = combo->ListIndex();
    if (index >= 0) {
        if (combo->ItemData(index).toLongLong() == CURRENT_SITE_VALUE)
            currentSite = true;
        else
            site = siteOfEntry(combo, index);
    }
    const int row = tree->ListIndex();
    process = processOfRow(tree, row);
    if (vbl_chk_isChecked(checkValue) && row == -1)
        return -1;
    return 0;
}

void frmFileBrowser::checkOut_compose_result(bool byName)
{
    std::shared_ptr<IKalvexProdSite> mSite, vSite;
    bool mCurrent = false, vCurrent = false;
    IKalvexProcessPtr mProc, vProc;
    const int m = checkOut_compose_resultONE(comboMASPsite, tlistProcMaster, checkMasterProcess->value(), mSite,
                                             mCurrent, mProc);
    const int v = checkOut_compose_resultONE(comboVARPsite, tlistProcVAR, checkVariantProcess->value(), vSite,
                                             vCurrent, vProc);
    QString expression;
    if (m >= 0 && v >= 0) {
        const bool data = OptFtype->at(0)->value();
        const int mv = checkMasterProcess->value();
        const int vv = checkVariantProcess->value();
        QString keyword;
        if (mv >= 1 && vv >= 1)
            keyword = data ? QStringLiteral("VM_DATA_CHECKOUT") : QStringLiteral("VM_LOG_CHECKOUT");
        else if (mv > 0)
            keyword = data ? QStringLiteral("M_DATA_CHECKOUT") : QStringLiteral("M_LOG_CHECKOUT");
        else if (vv > 0)
            keyword = data ? QStringLiteral("V_DATA_CHECKOUT") : QStringLiteral("V_LOG_CHECKOUT");
        // With neither side there is nothing to check out.
        if (!keyword.isEmpty()) {
            auto field = [](bool current, const std::shared_ptr<IKalvexProdSite>& s) {
                return current ? KVOCheckoutField(CURRENT_SITE) : s ? KVOCheckoutField(s) : KVOCheckoutField();
            };
            auto proc = [](const IKalvexProcessPtr& p) { return p ? KVOCheckoutField(p) : KVOCheckoutField(); };
            expression = morvObjs_KVOCheckout_Encode(keyword, textCheckedOutFile->text().trimmed(),
                                                     field(mCurrent, mSite), proc(mProc), field(vCurrent, vSite),
                                                     proc(vProc), byName);
        }
    }
    setResult(expression);
    m_checkoutExpr = expression;
}

void frmFileBrowser::fileSpec_to_checkOut(const QString& spec, bool setResultToo)
{
    checkOut_fill_Items(false);
    if (spec.trimmed().isEmpty()) {
        textCheckedOutFile->setText(DEFAULT_DESTINATION);
        checkMasterProcess->setValue(1);
        checkVariantProcess->setValue(0);
        checkVariantProcess_Click();
        checkMasterProcess_Click();
    } else {
        KVOCheckoutRec rec;
        morvObjs_KVOCheckout_decode(spec, rec);
        const QString destination = rec.destination.isEmpty() ? DEFAULT_DESTINATION : rec.destination;
        const bool log = rec.keyword == QLatin1String("M_LOG_CHECKOUT") || rec.keyword == QLatin1String("VM_LOG_CHECKOUT")
            || rec.keyword == QLatin1String("V_LOG_CHECKOUT");
        OptFtype->at(log ? 1 : 0)->setValue(true);
        textCheckedOutFile->setText(destination);
        const bool variant = rec.valid && (rec.keyword.startsWith(QLatin1String("V_")) || rec.keyword.startsWith(QLatin1String("VM_")));
        const bool master = rec.valid && (rec.keyword.startsWith(QLatin1String("M_")) || rec.keyword.startsWith(QLatin1String("VM_")));
        checkVariantProcess->setValue(variant ? 1 : 0);
        checkVariantProcess_Click();
        if (variant) {
            checkOut_set_activePsite(comboVARPsite, rec.variantSite, rec.byName);
            checkOut_set_activeProcess(tlistProcVAR, rec.variantProcess, rec.byName);
        }
        checkMasterProcess->setValue(master ? 1 : 0);
        checkMasterProcess_Click();
        if (master) {
            checkOut_set_activePsite(comboMASPsite, rec.masterSite, rec.byName);
            checkOut_set_activeProcess(tlistProcMaster, rec.masterProcess, rec.byName);
        }
    }
    if (setResultToo)
        setResult(spec);
}

void frmFileBrowser::checkOut_set_activePsite(VbComboBox* combo, const QString& site, bool byName)
{
    int match = -1;
    if (admObj()) {
        for (int i = 0; i < combo->ListCount() && match < 0; ++i) {
            const qint64 value = combo->ItemData(i).toLongLong();
            if (value == CURRENT_SITE_VALUE) {
                if (site == CURRENT_SITE)
                    match = i;
            } else if (const auto s = siteOfEntry(combo, i)) {
                if ((byName ? s->name() : s->id()) == site)
                    match = i;
            }
        }
    }
    const bool variant = combo == comboVARPsite;
    bool& suppress = variant ? m_suppressVar : m_suppressMaster;
    suppress = true;
    combo->setListIndex(match);
    suppress = false;
    checkOut_fill_procTlist(combo, variant ? tlistProcVAR : tlistProcMaster, variant);
    checkOut_compose_result(true);
}

void frmFileBrowser::checkOut_set_activeProcess(TList* tree, const QString& process, bool byName)
{
    int match = -1;
    for (int r = 0; r < tree->ListCount() && match < 0; ++r)
        if (const auto p = processOfRow(tree, r))
            if ((byName ? p->name() : p->id()) == process)
                match = r;
    if (match >= 0) {
        tree->setItemExpanded(match, true);
        tree->setListIndex(match);
        // The parsed process is the side's accepted row.
        rememberedRow(tree) = match;
    } else {
        tree->setListIndex(-1);
    }
    checkOut_compose_result(true);
}

} // namespace kalvex
