// The Gerber dialog's controls, binding, loading and writing.
#include "dialogs/frmGerberParms.h"

#include <QHeaderView>
#include <QTableWidget>

#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbOptionButton.h"
#include "platform/VbTextBox.h"
#include "platform/vaSpread.h"
#include "platform/vbl_form.h"

namespace kalvex {

namespace {
const QString HeaderPrefix = QStringLiteral("header_line");
const QString TrailerPrefix = QStringLiteral("trailer_line");
} // namespace

frmGerberParms::frmGerberParms()
    : KalvexParmFormBase(QStringLiteral("frmGerberParms"))
{
    setCaption(QStringLiteral("Gerber generator parameters"));
    parmsPanel = addControl(new VbPanel3D(this), "parmsPanel");
    buildGenParmsFrame();
    buildHeadFootFrame();

    bindControl(textdcodeFile, QStringLiteral("aper_to_dcode"), QStringLiteral("Aperture correlation file"),
                QStringLiteral("<file_path>"), browseDCODEFile);
    bindControl(textpsetupFile, QStringLiteral("gerber_config_file"), QStringLiteral("Plot setup file"),
                QStringLiteral("<file_path>"), browsePdesc);
    bindControl(textmachFmtFile, QStringLiteral("gerber_machine_format"), QStringLiteral("Gerber machine file"),
                QStringLiteral("<file_path>"), browseMachFile);
    bindControl(checkCleanup, QStringLiteral("tmpfile_cleanup"), QStringLiteral("Temporary file cleanup"));
    bindControl(checkProgress, QStringLiteral("progress_dialog"), QStringLiteral("Show progress dialog"));
    bindTagOnly(listTrailerLines, TrailerPrefix);
    bindTagOnly(listHeaderLines, HeaderPrefix);
    setPanel(parmsPanel, frameGerbGenParms);
    setFocusTarget(textpsetupFile);
    // Read-only, the user may still switch between the lines and read them.
    setLockExempt({QStringLiteral("optionTrailers"), QStringLiteral("optionHeaders"),
                   QStringLiteral("FrameGerbHeadFoot"), vb::name(parmsPanel)});

    connect(browsePdesc, &VbCommandButton::Click, this,
            [this] { browseFileInto(textpsetupFile, QStringLiteral("GERBER_PLOT_SETUP"), false); });
    connect(browseMachFile, &VbCommandButton::Click, this,
            [this] { browseFileInto(textmachFmtFile, QStringLiteral("GERBER_MACHINE"), false); });
    connect(browseDCODEFile, &VbCommandButton::Click, this,
            [this] { browseFileInto(textdcodeFile, QStringLiteral("GERBER_APER_CORR"), false); });
    connect(optionHeaders, &VbOptionButton::Click, this, [this] { switch_HeadTrailGrids(); });
    connect(optionTrailers, &VbOptionButton::Click, this, [this] { switch_HeadTrailGrids(); });
    vb::move(this, 1500, 1500, 7200, 4650);
}

void frmGerberParms::buildGenParmsFrame()
{
    frameGerbGenParms = addControl(new VbFrame(parmsPanel), "frameGerbGenParms");
    vb::move(frameGerbGenParms, 120, 120, 6900, 2520);
    struct Row {
        VbLabel*& label;
        VbTextBox*& box;
        VbCommandButton*& button;
        const char* labelName;
        const char* caption;
        const char* boxName;
        const char* buttonName;
    };
    const Row rows[] = {
        {Label1, textpsetupFile, browsePdesc, "Label1", "Gerber plot setup file:", "textpsetupFile", "browsePdesc"},
        {Label2, textmachFmtFile, browseMachFile, "Label2", "Gerber machine format file:", "textmachFmtFile",
         "browseMachFile"},
        {Label3, textdcodeFile, browseDCODEFile, "Label3", "D-Code mapping file:", "textdcodeFile",
         "browseDCODEFile"},
    };
    double y = 90;
    for (const Row& r : rows) {
        r.label = addControl(new VbLabel(QString::fromLatin1(r.caption), frameGerbGenParms),
                             QString::fromLatin1(r.labelName));
        r.box = addControl(new VbTextBox(frameGerbGenParms), QString::fromLatin1(r.boxName));
        r.button = addBrowseButton(frameGerbGenParms, QString::fromLatin1(r.buttonName));
        vb::move(r.label, 120, y, 4000, 210);
        vb::move(r.box, 120, y + 210, 6200, 300);
        vb::move(r.button, 6420, y + 210, 315, 315);
        y += 600;
    }
    checkCleanup = addControl(new VbCheckBox(QStringLiteral("Cleanup layout files"), frameGerbGenParms),
                              "checkCleanup");
    checkProgress = addControl(
        new VbCheckBox(QStringLiteral("Show progress dialog during data generation"), frameGerbGenParms),
        "checkProgress");
    vb::move(checkCleanup, 120, y + 90, 5000, 270);
    vb::move(checkProgress, 120, y + 360, 5000, 270);
}

void frmGerberParms::buildHeadFootFrame()
{
    FrameGerbHeadFoot = addControl(new VbFrame(QStringLiteral("Header && trailer definitions"), parmsPanel),
                                   "FrameGerbHeadFoot");
    vb::move(FrameGerbHeadFoot, 240, 2760, 6780, 1900);
    optionHeaders = addControl(new VbOptionButton(QStringLiteral("Headers"), FrameGerbHeadFoot), "optionHeaders");
    optionTrailers = addControl(new VbOptionButton(QStringLiteral("Trailers"), FrameGerbHeadFoot), "optionTrailers");
    vb::move(optionHeaders, 120, 270, 1200, 270);
    vb::move(optionTrailers, 1440, 270, 1200, 270);
    optionHeaders->setValue(true);
    QFont lines(QStringLiteral("Courier New"));
    lines.setStyleHint(QFont::TypeWriter);
    for (vaSpread** grid : {&listTrailerLines, &listHeaderLines}) {
        const char* name = grid == &listTrailerLines ? "listTrailerLines" : "listHeaderLines";
        *grid = addControl(new vaSpread(FrameGerbHeadFoot), QString::fromLatin1(name));
        vb::move(*grid, 120, 600, 6540, 1280);
        QTableWidget* t = (*grid)->table();
        t->setFont(lines);
        // Four lines and no more: no column header, no scrolling.
        t->horizontalHeader()->hide();
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
}

void frmGerberParms::Form_Load()
{
    sizeButtons();
    const double genTop = vb::top(frameGerbGenParms);
    parmsPanel->setFrameShape(QFrame::NoFrame);
    frameGerbGenParms->setBorderStyle(0);
    vb::setLeft(frameGerbGenParms, 5);
    vb::setTop(frameGerbGenParms, 0);
    vb::setLeft(FrameGerbHeadFoot, vb::left(textdcodeFile) + vb::left(frameGerbGenParms));
    vb::setTop(FrameGerbHeadFoot, vb::top(FrameGerbHeadFoot) - genTop);
    assignParmNamesToCtrls();
    init_helpSettings();
    vbl_form_size(this, QStringLiteral("STORE_VALUES"));
    switch_HeadTrailGrids();
    form_loaded = true;
}

void frmGerberParms::Form_Unload(int& cancel)
{
    Q_UNUSED(cancel)
    form_loaded = false;
}

// After the lock: the grids' colours follow it.
void frmGerberParms::loadGroups()
{
    const IKalvexGenParmsPtr parms = parmsColl();
    headTrailGrid_layout(listHeaderLines);
    headTrailGrid_layout(listTrailerLines);
    headTailGrid_fill(listHeaderLines, parms, HeaderPrefix);
    headTailGrid_fill(listTrailerLines, parms, TrailerPrefix);
}

int frmGerberParms::persistGroups(const IKalvexGenParmsPtr& parms)
{
    int count = 0;
    for (vaSpread* grid : {listHeaderLines, listTrailerLines}) {
        // A line still being typed counts as typed.
        grid->commitEdit();
        const int written = headTrailGrid_persist(parms, grid);
        if (written > 0)
            count += written;
    }
    return count;
}

} // namespace kalvex
