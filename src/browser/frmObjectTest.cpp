// The console window: its controls, load, layout, unload and browse buttons.
#include "browser/frmObjectTest.h"

#include <QFileInfo>
#include <QtMath>

#include "admin/KalvexAdministrator.h"
#include "dialogs/guiLib.h"
#include "dialogs/morvObjs_pickers.h"
#include "generators/current_generator.h"
#include "platform/CommonDialog.h"
#include "platform/SSTab.h"
#include "platform/TList.h"
#include "platform/VbCheckBox.h"
#include "platform/VbColors.h"
#include "platform/VbCommandButton.h"
#include "platform/VbFrame.h"
#include "platform/VbIcons.h"
#include "platform/VbLabel.h"
#include "platform/VbListBox.h"
#include "platform/VbTextBox.h"
#include "platform/VbTwips.h"
#include "platform/vbl_form.h"

namespace kalvex {

namespace {
const QString kCaption = QStringLiteral("Object tester");
const QString kLoadTime = QStringLiteral("Load time : ");

QWidget* tabPage(SSTab* tab, const QString& name, const QString& caption)
{
    auto* page = new QWidget(tab);
    page->setObjectName(name);
    tab->addTab(page, caption);
    return page;
}
} // namespace

frmObjectTest::frmObjectTest()
    : VbForm(QStringLiteral("frmObjectTest"))
{
    buildSourceFrame();
    buildResultFrame();
    cmdListGen = addControl(new VbCommandButton(QStringLiteral("List Generators"), this), "cmdListGen");
    mess1 = addControl(new VbLabel(this), "mess1");
    mess2 = addControl(new VbLabel(this), "mess2");
    cDialog = addControl(new CommonDialog(this), "cDialog");
    vb::move(cmdListGen, 9240, 180, 1440, 340);
    setCaption(kCaption);
    connectEvents();
    resize(720, 600);
    setMinimumFromDesign();
}

frmObjectTest::~frmObjectTest() = default;

void frmObjectTest::buildSourceFrame()
{
    FrameSourceSelect = addControl(new VbFrame(QStringLiteral("Source selection"), this), "FrameSourceSelect");
    CheckOnlyMod = addControl(new VbCheckBox(QStringLiteral("Show modifications only"), FrameSourceSelect),
                              "CheckOnlyMod");
    timeLabel = addControl(new VbLabel(kLoadTime, FrameSourceSelect), "timeLabel");
    SSTab1 = addControl(new SSTab(FrameSourceSelect), "SSTab1");

    // Tab 0, the administration-database page, is switched off at load.
    QWidget* dbPage = tabPage(SSTab1, QStringLiteral("SSTab1_page0"), QStringLiteral("Administration database"));
    QWidget* ruvPage = tabPage(SSTab1, QStringLiteral("SSTab1_page1"), QStringLiteral("Keyword file"));
    QWidget* jprefsPage = tabPage(SSTab1, QStringLiteral("SSTab1_page2"), QStringLiteral("Job preferences"));

    FrameDBSource = addControl(new VbFrame(dbPage), "FrameDBSource");
    textDbSource = addControl(new VbTextBox(FrameDBSource), "textDbSource");
    browseDbFile = addControl(new VbCommandButton(FrameDBSource), "browseDbFile");
    cmdLoadDbFile = addControl(new VbCommandButton(QStringLiteral("Load"), FrameDBSource), "cmdLoadDbFile");

    FrameRUVSource = addControl(new VbFrame(ruvPage), "FrameRUVSource");
    CheckDefaults = addControl(new VbCheckBox(QStringLiteral("Defaults file"), FrameRUVSource), "CheckDefaults");
    textASCIISource = addControl(new VbTextBox(FrameRUVSource), "textASCIISource");
    browseASCFile = addControl(new VbCommandButton(FrameRUVSource), "browseASCFile");
    cmdLoadGenRUV = addControl(new VbCommandButton(QStringLiteral("Load"), FrameRUVSource), "cmdLoadGenRUV");

    Frame1 = addControl(new VbFrame(jprefsPage), "Frame1");
    textJprefs = addControl(new VbTextBox(Frame1), "textJprefs");
    browseJprefs = addControl(new VbCommandButton(Frame1), "browseJprefs");
    cmdLoadJprefs = addControl(new VbCommandButton(QStringLiteral("Load"), Frame1), "cmdLoadJprefs");

    textDbSource->setText(QStringLiteral("admin.mra"));
    textASCIISource->setText(QStringLiteral("demo.mra"));
    textJprefs->setText(QStringLiteral("demo.ruv"));

    vb::move(FrameSourceSelect, 120, 60, 9000, 1980);
    vb::move(SSTab1, 120, 300, 6000, 1560);
    vb::move(CheckOnlyMod, 6300, 420, 2600, 255);
    vb::move(timeLabel, 6300, 840, 2600, 255);
    for (VbFrame* f : {FrameDBSource, FrameRUVSource, Frame1}) {
        f->setBorderStyle(0);
        vb::move(f, 0, 0, 5880, 1080);
    }
    vb::move(CheckDefaults, 120, 90, 2400, 255);
    for (auto [box, browse, load] : {std::tuple{textDbSource, browseDbFile, cmdLoadDbFile},
                                     std::tuple{textASCIISource, browseASCFile, cmdLoadGenRUV},
                                     std::tuple{textJprefs, browseJprefs, cmdLoadJprefs}}) {
        vb::move(box, 120, 480, 4000, 315);
        vb::move(browse, 4200, 480, 315, 315);
        vb::move(load, 4620, 468, 1120, 340);
        browse->setPicture(vbIcon_browse());
        browse->setToolTip(QStringLiteral("Browse for the file"));
    }
}

void frmObjectTest::buildResultFrame()
{
    frameResult = addControl(new VbFrame(QStringLiteral("Output Results"), this), "frameResult");
    tlistResult = addControl(new TList(frameResult), "tlistResult");
    infoList = addControl(new VbListBox(frameResult), "infoList");
    TextRUVOut = addControl(new VbTextBox(frameResult), "TextRUVOut");
    cmdRUVOut = addControl(new VbCommandButton(QStringLiteral("RUV Dump"), frameResult), "cmdRUVOut");
    TextRUVOut->setText(QStringLiteral("dump.mra"));

    vb::move(frameResult, 120, 2100, 9360, 6000);
    // The list of written lines sits above the tree; the resize rules size
    // the tree below it.
    vb::move(infoList, 120, 240, 9120, 1500);
    vb::move(tlistResult, 120, 1800, 9120, 3400);
    vb::move(TextRUVOut, 120, 5400, 4000, 315);
    vb::move(cmdRUVOut, 4200, 5400, 1120, 340);
}

void frmObjectTest::setMinimumFromDesign()
{
    // Below this the resize rules would push "List Generators" out of the
    // window, squeeze the tree to nothing and lay the message lines over the
    // tabs. Wide enough for the top row at its design places; high enough
    // for the result frame with a tree as high as the list above it.
    const double m = guiLib().margin;
    const auto right = [](const QWidget* w) { return vb::left(w) + vb::width(w); };
    const double width = qMax(right(FrameSourceSelect), right(cmdListGen)) + vb::left(FrameSourceSelect);
    const double resultHeight = vb::top(tlistResult) + vb::height(infoList) + m / 2 + vb::height(cmdRUVOut) + m;
    vbl_form_layoutMessages(this);
    const double messages = vb::scaleHeight(this) - vb::top(mess1);
    const double height = vb::top(frameResult) + resultHeight + m / 2 + messages;
    setMinimumSize(qCeil(width / twipsPerPixelX()), qCeil(height / twipsPerPixelY()));
}

void frmObjectTest::connectEvents()
{
    connect(browseJprefs, &VbCommandButton::Click, this, &frmObjectTest::browseJprefs_Click);
    connect(browseASCFile, &VbCommandButton::Click, this, &frmObjectTest::browseASCFile_Click);
    connect(browseDbFile, &VbCommandButton::Click, this, &frmObjectTest::browseDbFile_Click);
    connect(cmdLoadJprefs, &VbCommandButton::Click, this, &frmObjectTest::cmdLoadJprefs_Click);
    connect(cmdLoadGenRUV, &VbCommandButton::Click, this, &frmObjectTest::cmdLoadGenRUV_Click);
    connect(cmdLoadDbFile, &VbCommandButton::Click, this, &frmObjectTest::cmdLoadDbFile_Click);
    connect(CheckDefaults, &VbCheckBox::Click, this, &frmObjectTest::CheckDefaults_Click);
    connect(CheckOnlyMod, &VbCheckBox::Click, this, &frmObjectTest::CheckOnlyMod_Click);
    connect(cmdRUVOut, &VbCommandButton::Click, this, &frmObjectTest::cmdRUVOut_Click);
}

void frmObjectTest::Form_Load()
{
    gui_getScreenMetrics();
    form_loaded = true;
    m_admObj = classCreate_KalvexAdministrator();
    SSTab1->setTabEnabled(0, false);
    SSTab1->setTab(1);
}

void frmObjectTest::Form_Resize()
{
    if (vbWindowState() == 1)
        return;
    const double m = guiLib().margin;
    vbl_form_layoutMessages(this);
    vb::setWidth(frameResult, vb::scaleWidth(this) - 2 * vb::left(frameResult));
    // The frame ends above the message lines (they are stacked, two lines).
    vb::setHeight(frameResult, vb::top(mess1) - vb::top(frameResult) - m / 2);
    vb::setTop(cmdRUVOut, vb::height(frameResult) - vb::height(cmdRUVOut) - m);
    vb::setTop(TextRUVOut, vb::top(cmdRUVOut));
    const double innerWidth = vb::width(frameResult) - 2 * vb::left(tlistResult);
    vb::setWidth(tlistResult, innerWidth);
    vb::setHeight(tlistResult, vb::top(cmdRUVOut) - vb::top(tlistResult) - m / 2);
    vb::setWidth(infoList, innerWidth);
}

void frmObjectTest::Form_QueryUnload(int& cancel, int unloadMode)
{
    Q_UNUSED(cancel)
    Q_UNUSED(unloadMode)
    m_shownAdmObj.reset();
    m_admObj.reset();
}

void frmObjectTest::Form_Unload(int& cancel)
{
    Q_UNUSED(cancel)
    form_loaded = false;
    clearShownState();
}

void frmObjectTest::clearShownState()
{
    // The next load starts as a new window would: nothing listed or shown.
    infoList->Clear();
    tlistResult->Clear();
    nameShownFile(QString());
    m_admFile.clear();
    timeLabel->setCaption(kLoadTime);
    mess1->setCaption(QString());
    mess2->setCaption(QString());
    m_lastLoadCmd.clear();
    m_lastLoadStatus = 0;
    m_lastLoadError.clear();
    for (VbCheckBox* box : {CheckOnlyMod, CheckDefaults}) {
        const QSignalBlocker quiet(box);
        box->setValue(0);
    }
}

void frmObjectTest::nameShownFile(const QString& file)
{
    setCaption(file.isEmpty() ? kCaption : QStringLiteral("Object test - %1").arg(QFileInfo(file).fileName()));
}

void frmObjectTest::postMessage(const QString& text, int line)
{
    ensureLoaded();
    vbl_form_showMessage(text, this, line, VbColor::WindowText, 0);
}

void frmObjectTest::browseInto(VbTextBox* box, const QString& browseId, bool withVariables)
{
    std::shared_ptr<IBrenloEnvirVars> vars;
    if (withVariables)
        if (const IKalvexGeneratorPtr gen = morvObjs_currentGenerator())
            vars = gen->envirVars();
    const QString chosen = morvObjs_parmBrowseDlg(cDialog, box->text().trimmed(), browseId, vars, true);
    if (chosen != PICKER_NODEF)
        box->setText(chosen);
}

void frmObjectTest::browseJprefs_Click() { browseInto(textJprefs, QStringLiteral("JOB_PREFERENCES"), true); }
void frmObjectTest::browseASCFile_Click() { browseInto(textASCIISource, QStringLiteral("RUV_INPUT_FILE"), true); }
void frmObjectTest::browseDbFile_Click() { browseInto(textDbSource, QStringLiteral("DATABASE_SELECT"), false); }

} // namespace kalvex
