// The DRC dialog driven as a user: the configuration file name rule on typed,
// picked and loaded names, the browse, the lock, focus and the panel layout.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "dialogs/drill_drc_fixture.h"
#include "support/browser_answer.h"
#include "dialogs/frmDRCParms.h"
#include "dialogs/guiLib.h"

namespace kalvex::test {

namespace {
class DRCParms : public DrillDrcDialogTest<frmDRCParms> {
protected:
    QString command() const override { return QStringLiteral("(INTERNAL)Kalvex DRC generator"); }
    QString configText() const { return form->textConfigFile->text(); }
};
} // namespace

TEST_F(DRCParms, EveryControlWithItsTextBindingAndHelp)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(form->formName(), "frmDRCParms");
    EXPECT_EQ(editor()->setInternalValue("GET_HELPTOPIC", {}).toInt(), 20);
    EXPECT_EQ(vb::helpContextID(form->textTitle), 20);
    EXPECT_EQ(form->labelConfigFile->caption(), "Batch DRC configuration file:");
    EXPECT_EQ(form->labelTitle->caption(), "Title to be displayed in feedback menu:");
    EXPECT_EQ(form->checkHazardsOnly->text(), "Limit log data to hazards (non- hazards are skipped)");
    EXPECT_EQ(vb::toolTipText(form->textConfigFile), "Configuration file ( /scheme_file=<settings_file> )");
    EXPECT_EQ(vb::toolTipText(form->textTitle), "Feedback menu title ( /title=<title_str> )");
    EXPECT_EQ(vb::toolTipText(form->checkHazardsOnly), "Hazards only flag ( /list_hazards_only=True|False )");
    EXPECT_EQ(form->frameParms->borderStyle(), 0);
    EXPECT_EQ(vb::width(form->browseConfigFile), 315);
}

TEST_F(DRCParms, TypedE2EDatBecomesDatAtOnceInAnyLetterCase)
{
    ASSERT_TRUE(open());
    const std::pair<const char*, const char*> cases[] = {
        {"schemeE2E.dat", "scheme.dat"},
        {"schemee2e.DAT", "scheme.dat"},
        {"aE2E.dat\\bE2e.Dat", "a.dat\\b.dat"},      // twice
        {"  spaced.dat  ", "  spaced.dat  "},          // nothing replaced: blanks stay
        {"   leadE2E.dat", "lead.dat"},                // replaced and trimmed at once
        {"E2E.E2E.datdat", "E2E..datdat"},             // no search inside a replacement
        {"#E2E.dat${x}", "#.dat${x}"},
    };
    for (const auto& [typed, shown] : cases) {
        typeInto(form->textConfigFile, typed);
        EXPECT_EQ(configText(), shown) << typed;
    }
    typeInto(form->textConfigFile, "  spaced.dat  ");
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("scheme_file"), "spaced.dat") << "the writer trims";
}

TEST_F(DRCParms, StoredE2EDatLoadsReplacedAndIsWrittenBackOnce)
{
    add("scheme_file", "C:\\drc\\boardE2E.dat");
    add("title", "DRC");
    ASSERT_TRUE(open());
    EXPECT_EQ(configText(), "C:\\drc\\board.dat");
    EXPECT_EQ(persist(), 1) << "the loaded value is the reference";
    EXPECT_EQ(value("scheme_file"), "C:\\drc\\board.dat");
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(value("title"), "DRC");
}

TEST_F(DRCParms, EmptyConfigFileAddsNothing)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(configText(), "");
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(parms->count(), 0);
    typeInto(form->textTitle, "Check");
    click(form->checkHazardsOnly);
    EXPECT_EQ(persist(), 2);
    EXPECT_EQ(value("title"), "Check");
    EXPECT_EQ(value("list_hazards_only"), "1");
    EXPECT_EQ(parms->item("title")->parmType(), PARM_TYPE_SYSTEM);
}

TEST_F(DRCParms, BrowseAsksForASchemeFileAndAppliesTheRule)
{
    ModalWatchdog dog(20000);
    QTemporaryDir dir;
    const QString chosen = QDir(dir.path()).absoluteFilePath("boardE2E.dat");
    QFile(chosen).open(QIODevice::WriteOnly);
    add("scheme_file", " old.dat ");
    ASSERT_TRUE(open());

    BrowserSeen seen;
    answerBrowser(seen, chosen);
    press(form->browseConfigFile);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.spec, "old.dat");
    EXPECT_EQ(seen.title, "Select a batch DRC configuration file");
    EXPECT_FALSE(seen.checkout);
    EXPECT_EQ(configText(), QDir(dir.path()).absoluteFilePath("board.dat"));

    BrowserSeen cancelled;
    answerBrowser(cancelled, QString());
    press(form->browseConfigFile);
    EXPECT_TRUE(cancelled.shown);
    EXPECT_EQ(configText(), QDir(dir.path()).absoluteFilePath("board.dat"));
}

TEST_F(DRCParms, ReadOnlyOwnerWritesNothing)
{
    add("scheme_file", "xE2E.dat");
    gen->setReservedItem(SYSTEM_INVISIBLE);
    ASSERT_TRUE(open());
    EXPECT_TRUE(form->locked());
    EXPECT_EQ(configText(), "x.dat") << "the rule runs on a locked dialog's load too";
    for (QObject* c : {static_cast<QObject*>(form->textConfigFile), static_cast<QObject*>(form->textTitle),
                       static_cast<QObject*>(form->checkHazardsOnly), static_cast<QObject*>(form->browseConfigFile)})
        EXPECT_FALSE(vb::enabled(c)) << c->objectName().toStdString();
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(value("scheme_file"), "xE2E.dat");
}

TEST_F(DRCParms, FocusGoesToTheTitle)
{
    ASSERT_TRUE(open());
    form->forceFocus();
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->textTitle->hasFocus(); }, 1000));
}

TEST_F(DRCParms, ASecondSetLoadsWithNothingOfTheFirstAndAReleasedSetIsLeftAlone)
{
    add("scheme_file", "first.dat");
    add("title", "First");
    add("list_hazards_only", "1");
    ASSERT_TRUE(open());
    auto second = classCreate_KalvexGenerator();
    second->setCmdGen(command());
    ASSERT_EQ(second->parameters()->editor()->formObj(), form);
    second->parameters()->editor()->initialize(false);
    EXPECT_EQ(configText(), "");
    EXPECT_EQ(form->textTitle->text(), "");
    EXPECT_EQ(form->checkHazardsOnly->value(), 0);
    EXPECT_EQ(second->parameters()->editor()->persistData(false), 0);
    EXPECT_EQ(second->parameters()->count(), 0);

    second.reset();
    EXPECT_EQ(form->parmsColl(), nullptr);
    form->loadData();
    bool flag = false;
    EXPECT_EQ(form->persistData(flag), 0);
    EXPECT_EQ(value("title"), "First");
}

TEST_F(DRCParms, PanelLayoutEndsBothBoxesAtTheBrowseButton)
{
    ASSERT_TRUE(open());
    for (double w : {8000.0, 5200.0}) {
        vb::setWidth(form, w);
        QTest::qWait(20);
        const double right = vb::width(form->parmsPanel) - guiLib().gap;
        EXPECT_EQ(vb::width(form->frameParms), vb::width(form->parmsPanel));
        EXPECT_EQ(vb::height(form->frameParms), vb::height(form->parmsPanel));
        EXPECT_EQ(vb::left(form->browseConfigFile) + vb::width(form->browseConfigFile), right);
        EXPECT_EQ(vb::left(form->textConfigFile) + vb::width(form->textConfigFile),
                  vb::left(form->browseConfigFile) - guiLib().quarterGap);
        EXPECT_EQ(vb::left(form->textTitle) + vb::width(form->textTitle), right);
    }
}

} // namespace kalvex::test
