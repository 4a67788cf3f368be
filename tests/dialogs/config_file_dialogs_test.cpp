// The three configuration-file dialogs, each driven through its real
// widgets: texts and bindings, load and persist counts, read-only owners,
// focus, help, layout, the file browser, odd values and a released set.
#include <gtest/gtest.h>

#include <QTest>
#include <cmath>

#include "dialogs/frmConfigFileParms.h"
#include "dialogs/guiLib.h"
#include "dialogs/parm_set_probe.h"
#include "generators/KalvexGenerator.h"
#include "platform/VbTwips.h"
#include "support/browser_answer.h"
#include "support/modal_driver.h"
#include "support/qt_printers.h"

using namespace kalvex;
using namespace kalvex::test;

namespace {

struct Kind {
    const char* form;
    frmConfigFileParms* (*instance)();
    void (*release)();
    const char* fileKey;
    const char* caption;
    const char* titlePlaceholder;
    int helpTopic;
    const char* browseTitle;
};

template <class F>
frmConfigFileParms* instanceOf()
{
    return vbl_formInstance<F>();
}
template <class F>
void releaseOf()
{
    vbl_formRelease<F>();
}

const Kind kKinds[] = {
    {"frmDXFOutParms", instanceOf<frmDXFOutParms>, releaseOf<frmDXFOutParms>, "dxf_config_file",
     "DXF Output configuration file:", "<title_string>", 22, "Select a DXF Output configuration file"},
    {"frmPlanesParms", instanceOf<frmPlanesParms>, releaseOf<frmPlanesParms>, "planes_config_file",
     "Planes generator configuration file:", "<title_string>", 26, "Select a planes generator configuration file"},
    {"frmODBGParms", instanceOf<frmODBGParms>, releaseOf<frmODBGParms>, "odbg_config_file",
     "ODBG generator configuration file:", "<title_str>", 24, "Select a ODBG generator configuration file"},
};

class ConfigFileDialogs : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override
    {
        gen = classCreate_KalvexGenerator();
        parms = gen->parameters();
        form = GetParam().instance();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    }
    void TearDown() override { GetParam().release(); }

    void load()
    {
        form->setParmsColl(parms);
        form->loadData();
    }
    int persist() { return persistForm(form); }
    QString value(const QString& name) const { return parmValue(parms, name); }
    QString fileKey() const { return QString::fromUtf8(GetParam().fileKey); }

    IKalvexGeneratorPtr gen;
    IKalvexGenParmsPtr parms;
    frmConfigFileParms* form = nullptr;
};

void PrintTo(const Kind& k, std::ostream* os) { *os << k.form; }

std::string kindName(const ::testing::TestParamInfo<Kind>& info) { return info.param.form; }

} // namespace

TEST_P(ConfigFileDialogs, ControlsTextsBindingsAndHelp)
{
    const Kind& k = GetParam();
    EXPECT_EQ(form->objectName(), k.form);
    QStringList names;
    for (QObject* c : form->controls())
        names << c->objectName();
    EXPECT_EQ(names, QStringList({"parmsPanel", "frameParms", "labelConfigFile", "textConfigFile",
                                  "browseConfigFile", "labelTitle", "textTitle"}));
    EXPECT_EQ(form->labelConfigFile->caption(), k.caption);
    EXPECT_EQ(form->labelTitle->caption(), "Title to be displayed in feedback menu:");
    EXPECT_EQ(vb::tag(form->textConfigFile), fileKey() + "##NODEF");
    EXPECT_EQ(vb::tag(form->textTitle), "title##NODEF");
    EXPECT_EQ(form->textConfigFile->toolTip(), "Configuration file ( /" + fileKey() + "=<config_file> )");
    EXPECT_EQ(form->textTitle->toolTip(),
              QStringLiteral("Feedback menu title ( /title=%1 )").arg(QLatin1String(k.titlePlaceholder)));
    EXPECT_EQ(form->defaultHelpTopic(), k.helpTopic);
    EXPECT_EQ(vb::helpContextID(form), k.helpTopic);
    EXPECT_EQ(vb::helpContextID(form->textTitle), k.helpTopic);
    EXPECT_EQ(vb::helpContextID(form->textConfigFile), k.helpTopic);
    EXPECT_EQ(vb::helpContextID(form->browseConfigFile), 0);
    EXPECT_DOUBLE_EQ(vb::width(form->browseConfigFile), 315);
    EXPECT_DOUBLE_EQ(vb::height(form->browseConfigFile), 315);
    EXPECT_TRUE(form->form_loaded);
}

TEST_P(ConfigFileDialogs, LoadsBothValuesAndCountsWhatItWrites)
{
    parms->add(fileKey(), "${KVX_JOB_PCB_PATH}\\cfg\\out.cfg", 1);
    load();
    EXPECT_EQ(form->textConfigFile->text(), "${KVX_JOB_PCB_PATH}\\cfg\\out.cfg"); // unexpanded
    EXPECT_EQ(form->textTitle->text(), "");
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(parms->item("title"), nullptr);

    typeInto(form->textTitle, "Outputs of board 7");
    EXPECT_EQ(persist(), 1);
    ASSERT_NE(parms->item("title"), nullptr);
    EXPECT_EQ(parms->item("title")->parmType(), 1);
    EXPECT_EQ(value("title"), "Outputs of board 7");
    EXPECT_EQ(persist(), 0);

    typeInto(form->textTitle, "Second");
    typeInto(form->textConfigFile, "other.cfg");
    EXPECT_EQ(persist(), 2);
    EXPECT_EQ(value(fileKey()), "other.cfg");
    EXPECT_EQ(parms->count(), 2);
}

TEST_P(ConfigFileDialogs, OwnersWithCodesThreeAndFourGiveAReadOnlyDialog)
{
    parms->add(fileKey(), "a.cfg", 1);
    parms->add("title", "T", 1);
    for (int code = 0; code <= 4; ++code) {
        gen->setReservedItem(code);
        load();
        const bool ro = code >= 3;
        EXPECT_EQ(form->locked(), ro) << code;
        EXPECT_EQ(vb::enabled(form->textConfigFile), !ro) << code;
        EXPECT_EQ(vb::enabled(form->textTitle), !ro) << code;
        EXPECT_EQ(vb::enabled(form->browseConfigFile), !ro) << code; // nothing is exempt
        EXPECT_EQ(vb::backColor(form->textTitle), ro ? 0x8000000Fu : 0x80000005u) << code;
        form->textTitle->setText("changed");
        form->textConfigFile->setText("changed.cfg");
        EXPECT_EQ(persist(), ro ? 0 : 2) << code;
        EXPECT_EQ(value("title"), ro ? "T" : "changed") << code;
        parms->item("title")->setValue(false, "T");
        parms->item(fileKey())->setValue(false, "a.cfg");
    }
}

TEST_P(ConfigFileDialogs, ForceFocusEndsOnTheTitle)
{
    form->activateWindow();
    form->forceFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->textTitle->hasFocus(); }));
}

TEST_P(ConfigFileDialogs, LayoutFollowsThePanelWidth)
{
    const GuiMetrics& g = guiLib();
    const auto expectLaidOutAtFormSize = [&] {
        const double panelW = vb::width(form->parmsPanel);
        EXPECT_DOUBLE_EQ(panelW, vb::scaleWidth(form));
        EXPECT_EQ(form->parmsPanel->size(), form->size());
        EXPECT_DOUBLE_EQ(vb::width(form->frameParms), panelW);
        EXPECT_DOUBLE_EQ(vb::height(form->frameParms), vb::height(form->parmsPanel));
        const double right = std::nearbyint(panelW - g.gap);
        EXPECT_DOUBLE_EQ(vb::left(form->browseConfigFile) + vb::width(form->browseConfigFile), right);
        EXPECT_DOUBLE_EQ(vb::left(form->textConfigFile) + vb::width(form->textConfigFile),
                         vb::left(form->browseConfigFile) - g.quarterGap);
        EXPECT_DOUBLE_EQ(vb::left(form->textTitle) + vb::width(form->textTitle), right);
    };
    for (int width : {700, 480}) {
        form->resize(width, form->height());
        QTest::qWait(1);
        expectLaidOutAtFormSize();
    }
    const QSize good = form->size();
    form->resize(16, form->height()); // no room for the boxes
    QTest::qWait(1);
    EXPECT_EQ(form->size(), good);
    expectLaidOutAtFormSize();

    // Made too small in twips: the form reads back the size it got back.
    EXPECT_TRUE(vb::setWidth(form, 250));
    QTest::qWait(1);
    EXPECT_EQ(form->size(), good);
    EXPECT_DOUBLE_EQ(vb::width(form), form->last_width);
    EXPECT_DOUBLE_EQ(vb::width(form), pixelsToTwipsX(form->frameGeometry().width()));
    expectLaidOutAtFormSize();

    // Made too small while hidden: shown, it has its size back all the same.
    form->hide();
    form->resize(16, form->height());
    form->show();
    QTest::qWait(1);
    EXPECT_EQ(form->size(), good);
    expectLaidOutAtFormSize();
}

TEST_P(ConfigFileDialogs, BrowsingFillsOnlyTheBoxAndACancelChangesNothing)
{
    ModalWatchdog dog(20000);
    parms->add(fileKey(), "  old.cfg ", 1);
    load();

    BrowserSeen cancelled;
    answerBrowser(cancelled, QString());
    clickWidget(form->browseConfigFile);
    EXPECT_TRUE(cancelled.shown);
    EXPECT_EQ(cancelled.spec, "old.cfg"); // opened on the trimmed text
    EXPECT_FALSE(cancelled.checkout);
    EXPECT_EQ(cancelled.title, GetParam().browseTitle);
    EXPECT_EQ(form->textConfigFile->text(), "  old.cfg ");
    EXPECT_EQ(persist(), 0);

    BrowserSeen chosen;
    answerBrowser(chosen, "new.cfg");
    clickWidget(form->browseConfigFile);
    EXPECT_TRUE(chosen.shown);
    EXPECT_EQ(form->textConfigFile->text(), "new.cfg");
    EXPECT_EQ(value(fileKey()), "  old.cfg "); // not before persistData
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value(fileKey()), "new.cfg");
}

TEST_P(ConfigFileDialogs, OddValuesLoadAndStayAsStored)
{
    parms->add(fileKey(), "${", 1);
    parms->add("title", "#", 1);
    load();
    EXPECT_EQ(form->textConfigFile->text(), "${");
    EXPECT_EQ(form->textTitle->text(), "#");
    // "#" cuts the Tag's value: the title is written again, unchanged.
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("title"), "#");
    EXPECT_EQ(value(fileKey()), "${");

    parms->item(fileKey())->setValue(false, "");
    parms->item("title")->setValue(false, "a#b${X}");
    load();
    EXPECT_EQ(form->textConfigFile->text(), "");
    EXPECT_EQ(form->textTitle->text(), "a#b${X}");
    clearByKeyboard(form->textTitle);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("title"), "");
    EXPECT_EQ(parms->count(), 2);
}

TEST_P(ConfigFileDialogs, ALongValueIsHeldWholeAndNotRewritten)
{
    const QString path = "${KVX_CFG}\\" + QString(40000, QLatin1Char('d')) + "\\a.cfg";
    parms->add(fileKey(), path, 1);
    load();
    EXPECT_EQ(form->textConfigFile->text().size(), path.size());
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(value(fileKey()), path);
    typeInto(form->textConfigFile, "x", false);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value(fileKey()), path + "x");
}

TEST_P(ConfigFileDialogs, AReleasedSetIsLeftAlone)
{
    parms->add("title", "T", 1);
    load();
    typeInto(form->textTitle, "typed");
    parms.reset();
    gen.reset();
    EXPECT_EQ(form->parmsColl(), nullptr);
    EXPECT_EQ(persist(), 0);
    form->loadData();
    EXPECT_EQ(form->textTitle->text(), "typed");

    ModalWatchdog dog(20000);
    BrowserSeen seen;
    answerBrowser(seen, "x.cfg");
    clickWidget(form->browseConfigFile); // no owner, no database: the browser still works
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(form->textConfigFile->text(), "x.cfg");
    EXPECT_EQ(persist(), 0);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, ConfigFileDialogs, ::testing::ValuesIn(kKinds), kindName);
