// The Gerber dialog as a form: binding, tool tips, help, focus, layout,
// browsing, unloading, and its set edited by turns with the grid dialog.
#include "dialogs/gerber_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "dialogs/guiLib.h"
#include "platform/VbCheckBox.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"

namespace kalvex::test {

TEST_F(GerberTest, SelectedForItsCommandBoundByTagsWithTheirToolTips)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(form->formName(), "frmGerberParms");
    EXPECT_EQ(editor()->setInternalValue("GET_HELPTOPIC", {}).toInt(), 14);
    EXPECT_EQ(vb::helpContextID(form->listHeaderLines), 14);
    EXPECT_EQ(vb::helpContextID(form->textpsetupFile), 14);
    EXPECT_EQ(vb::tag(form->listHeaderLines), "header_line##NODEF");
    EXPECT_EQ(vb::tag(form->listTrailerLines), "trailer_line##NODEF");
    EXPECT_EQ(vb::toolTipText(form->listHeaderLines), "") << "the grids carry a key but no tool tip";
    EXPECT_EQ(vb::toolTipText(form->textdcodeFile), "Aperture correlation file ( /aper_to_dcode=<file_path> )");
    EXPECT_EQ(vb::toolTipText(form->textpsetupFile), "Plot setup file ( /gerber_config_file=<file_path> )");
    EXPECT_EQ(vb::toolTipText(form->textmachFmtFile),
              "Gerber machine file ( /gerber_machine_format=<file_path> )");
    EXPECT_EQ(vb::toolTipText(form->checkCleanup), "Temporary file cleanup ( /tmpfile_cleanup=True|False )");
    EXPECT_EQ(vb::toolTipText(form->checkProgress), "Show progress dialog ( /progress_dialog=True|False )");
    EXPECT_EQ(form->Label1->caption(), "Gerber plot setup file:");
    EXPECT_EQ(form->Label2->caption(), "Gerber machine format file:");
    EXPECT_EQ(form->Label3->caption(), "D-Code mapping file:");
    EXPECT_EQ(form->checkCleanup->text(), "Cleanup layout files");
    EXPECT_EQ(form->checkProgress->text(), "Show progress dialog during data generation");
    EXPECT_EQ(form->FrameGerbHeadFoot->title(), "Header && trailer definitions");
    EXPECT_TRUE(form->optionHeaders->value());
    EXPECT_TRUE(form->listHeaderLines->isVisible());
    EXPECT_FALSE(form->listTrailerLines->isVisible());
}

TEST_F(GerberTest, FilesAndFlagsLoadAndWriteThroughTheSharedBinding)
{
    parms->add("gerber_config_file", "${KVX_JOB_PCB_PATH}\\plot.gpf", 1);
    parms->add("progress_dialog", "True", 1);
    ASSERT_TRUE(open());
    EXPECT_EQ(form->textpsetupFile->text(), "${KVX_JOB_PCB_PATH}\\plot.gpf");
    EXPECT_EQ(form->checkProgress->value(), 1);
    EXPECT_EQ(form->checkCleanup->value(), 0);
    EXPECT_EQ(persist(), 0);

    typeInto(form->textmachFmtFile, "machine.gmf");
    clickIndicator(form->checkCleanup);
    enterLine(headers(), 1, "G04 header*");
    EXPECT_EQ(persist(), 3) << "two controls and one line";
    EXPECT_EQ(value("gerber_machine_format"), "machine.gmf");
    EXPECT_EQ(value("tmpfile_cleanup"), "1");
    EXPECT_EQ(value("progress_dialog"), "True");
    EXPECT_EQ(value("header_line1"), "G04 header*");
    EXPECT_EQ(persist(), 0);
}

TEST_F(GerberTest, FocusGoesToThePlotSetupFile)
{
    ASSERT_TRUE(open());
    form->textdcodeFile->setFocus();
    form->forceFocus();
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->textpsetupFile->hasFocus(); }, 1000));
}

TEST_F(GerberTest, LayoutFillsTheWidthAndFitsTheFrameToOneGrid)
{
    ASSERT_TRUE(open());
    const GuiMetrics& g = guiLib();
    EXPECT_EQ(vb::left(form->frameGerbGenParms), 5);
    EXPECT_EQ(vb::top(form->frameGerbGenParms), 0);
    EXPECT_EQ(form->frameGerbGenParms->borderStyle(), 0);
    EXPECT_EQ(vb::left(form->FrameGerbHeadFoot), vb::left(form->textdcodeFile) + 5);

    for (double width : {9000.0, 7000.0}) {
        SCOPED_TRACE(width);
        vb::setWidth(form, width);
        ASSERT_TRUE(QTest::qWaitFor([&] { return std::abs(vb::width(form) - width) < 30; }, 1000));
        QCoreApplication::processEvents();
        const double panelW = vb::width(form->parmsPanel);
        EXPECT_NEAR(vb::width(form->frameGerbGenParms), panelW - 10, 15);
        const double genW = vb::width(form->frameGerbGenParms);
        const double x = vb::left(form->browsePdesc);
        EXPECT_NEAR(x, genW - 315 - g.gap, 15);
        EXPECT_EQ(vb::left(form->browseMachFile), x);
        EXPECT_EQ(vb::left(form->browseDCODEFile), x);
        EXPECT_NEAR(vb::left(form->textpsetupFile) + vb::width(form->textpsetupFile), x - g.quarterGap, 15);
        EXPECT_NEAR(vb::width(form->FrameGerbHeadFoot), genW - vb::left(form->textdcodeFile), 15);

        vaSpread* h = headers();
        EXPECT_NEAR(vb::top(form->FrameGerbHeadFoot),
                    vb::top(form->frameGerbGenParms) + vb::height(form->frameGerbGenParms) + g.margin / 4.0, 15);
        EXPECT_NEAR(vb::height(h), 4 * h->rowHeight(1) + 80, 15);
        EXPECT_NEAR(vb::height(form->FrameGerbHeadFoot), vb::top(h) + 4 * h->rowHeight(1) + g.margin, 15);
        EXPECT_NEAR(vb::width(h), vb::width(form->FrameGerbHeadFoot) - 2 * vb::left(h), 15);
        EXPECT_EQ(vb::width(trailers()), vb::width(h));
        EXPECT_EQ(vb::left(trailers()), vb::left(h));
        EXPECT_EQ(vb::top(trailers()), vb::top(h));
        EXPECT_NEAR(h->colWidth(0), frmGerberParms::RowHeaderWidth, 15) << "whole pixels";
        EXPECT_NEAR(h->colWidth(frmGerberParms::ColText), vb::width(h) - h->colWidth(0), 15);
        EXPECT_EQ(trailers()->colWidth(frmGerberParms::ColText), h->colWidth(frmGerberParms::ColText));
        EXPECT_TRUE(h->colHidden(frmGerberParms::ColName));
        EXPECT_TRUE(h->colHidden(frmGerberParms::ColOrgText));
    }
}

TEST_F(GerberTest, AFormTooSmallForTheLinesGetsItsLastSizeBack)
{
    ASSERT_TRUE(open());
    const QSize good = form->size();
    form->resize(good.width(), 100); // the header frame would need a negative height
    QTest::qWait(1);
    EXPECT_EQ(form->size(), good);
    EXPECT_FALSE(form->form_set_size);
}

TEST_F(GerberTest, BrowseButtonsFillOnlyTheirBoxWithCheckOutUnavailable)
{
    ModalWatchdog dog(20000);
    QTemporaryDir dir;
    const QString chosen = QDir(dir.path()).absoluteFilePath("plot.gpf");
    QFile(chosen).open(QIODevice::WriteOnly);
    parms->add("gerber_config_file", "old.gpf", 1);
    ASSERT_TRUE(open());
    EXPECT_EQ(vb::width(form->browsePdesc), 315);
    EXPECT_EQ(vb::height(form->browsePdesc), 315);

    typeInto(form->textpsetupFile, "  old.gpf  ");
    BrowserSeen seen;
    answerBrowser(seen, chosen);
    clickWidget(form->browsePdesc);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.spec, "old.gpf") << "the browser starts on the trimmed text";
    EXPECT_FALSE(seen.checkout);
    EXPECT_EQ(form->textpsetupFile->text(), chosen);
    EXPECT_EQ(value("gerber_config_file"), "old.gpf") << "the parameter changes on persistData only";

    BrowserSeen cancelled;
    answerBrowser(cancelled, QString());
    clickWidget(form->browseMachFile);
    EXPECT_TRUE(cancelled.shown);
    EXPECT_EQ(form->textmachFmtFile->text(), "");

    const QString dac = QDir(dir.path()).absoluteFilePath("map.dac");
    QFile(dac).open(QIODevice::WriteOnly);
    BrowserSeen dcode;
    answerBrowser(dcode, dac);
    clickWidget(form->browseDCODEFile);
    EXPECT_FALSE(dcode.checkout);
    EXPECT_EQ(form->textdcodeFile->text(), dac);
    EXPECT_EQ(persist(), 2);
    EXPECT_EQ(value("gerber_config_file"), chosen);
    EXPECT_EQ(value("aper_to_dcode"), dac);
}

TEST_F(GerberTest, UnloadClearsFormLoadedAndTheNextShowLoadsAgain)
{
    ASSERT_TRUE(open());
    EXPECT_TRUE(form->form_loaded);
    form->unloadForm(1);
    EXPECT_FALSE(form->form_loaded);
    EXPECT_FALSE(form->isVisible());
    open();
    EXPECT_TRUE(form->form_loaded);
    EXPECT_TRUE(form->listHeaderLines->isVisible());
}

TEST_F(GerberTest, EditedByTurnsWithTheGridDialogLosesNothing)
{
    parms->add("header_line1", "  G04 kept blanks  ", 1);
    parms->add("progress_dialog", "yes", 1);
    parms->add("user_switch", "${A}#b", 0);
    ASSERT_TRUE(open());
    enterLine(headers(), 2, "G04 second*");
    typeInto(form->textdcodeFile, "map.dac");
    EXPECT_EQ(persist(), 2);
    const QStringList afterGerber = snapshot();

    // Another command: the same set in the grid dialog, confirmed unchanged.
    gen->setCmdGen("C:\\tools\\outgen.exe");
    editor()->initialize(true);
    auto* grid = dynamic_cast<frmParmEdit*>(editor()->formObj());
    ASSERT_TRUE(grid);
    EXPECT_EQ(editor()->persistData(false), 0);
    EXPECT_EQ(snapshot(), afterGerber);

    // And back: the Gerber dialog shows what the grid kept and writes nothing.
    gen->setCmdGen("(INTERNAL)Kalvex Gerber Generator");
    ASSERT_TRUE(open());
    EXPECT_EQ(line(headers(), 1), "  G04 kept blanks  ");
    EXPECT_EQ(line(headers(), 2), "G04 second*");
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(snapshot(), afterGerber);
}

} // namespace kalvex::test
