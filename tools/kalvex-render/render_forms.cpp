// One line per form. A dialog that needs a parameter set or a mode to look
// right gets a small function here that prepares it.
#include "render_forms.h"

#include <QDir>

#include "browser/frmObjectTest.h"
#include "dialogs/frmDrillParms.h"
#include "dialogs/frmGerberParms.h"
#include "dialogs/frmParmEdit.h"
#include "browser/kalvexUi_install.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "render_browser.h"
#include "render_demo.h"
#include "render_distrib_varsetup.h"
#include "render_treeviews.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "interfaces/IKalvexGenerators.h"
#include "platform/VbCommandButton.h"
#include "platform/VbTextBox.h"

namespace kalvex::render {

namespace {
// The grid dialog as its editor shows it, in normal or batch mode.
QWidget* parmEdit(bool batch)
{
    kalvexUi_install();
    static std::shared_ptr<IKalvexGenerator> gen = classCreate_KalvexGenerator();
    gen->setCmdGen(batch ? QStringLiteral("(INTERNAL)Kalvex batchfile Generator")
                         : QStringLiteral("${KVX_TOOLS}\\outgen.exe"));
    auto parms = gen->parameters();
    if (batch) {
        parms->add(QStringLiteral("parm1"), QStringLiteral("${KVX_JOB_PCB_PATH}\\scripts\\make_panel.bat"), 1);
        parms->add(QStringLiteral("title"), QStringLiteral("Panel data"), 1);
        parms->add(QStringLiteral("operation"), QStringLiteral("run"), 1);
        parms->add(QStringLiteral("verbose"), QStringLiteral("1"), 1);
    }
    parms->add(QStringLiteral("output_dir"), QStringLiteral("${KVX_TASK_WORKDIR}\\out"), 1);
    parms->add(QStringLiteral("units"), QStringLiteral("mm"), 1);
    parms->add(QStringLiteral("layers"), QStringLiteral("TOP;BOTTOM;INNER1;INNER2"), 0);
    parms->add(QStringLiteral("panel_name"), QStringLiteral("Board 4711 rev. C"), 0);
    parms->add(QStringLiteral("scale"), QStringLiteral("1.0"), 0);
    auto editor = parms->editor();
    editor->initialize(false);
    return dynamic_cast<QWidget*>(editor->formObj()->formObject());
}

// The console with the example database loaded, as kalvex-console opens it.
QWidget* objectTest()
{
    auto* console = vbl_formInstance<frmObjectTest>();
    // Relative to where the tool runs, so that a picture taken in the source
    // folder shows no machine's path.
    const QString demo = QStringLiteral(KALVEX_SOURCE_DIR "/examples/demo.mra");
    console->textASCIISource->setText(QDir::current().relativeFilePath(demo));
    console->cmdLoadGenRUV->click();
    return console;
}

// The example drill generator switched to checking files in.
QWidget* drillCheckIn()
{
    QWidget* w = demoGeneratorDialog(QStringLiteral("NCDRILL"));
    if (auto* drill = qobject_cast<frmDrillParms*>(w))
        drill->OptOperations[1]->setValue(true);
    return w;
}

// The example database's Gerber generator made a system one: read-only.
QWidget* gerberReadOnly()
{
    dialogs_install();
    static const IKalvexAdministratorPtr adm = loadDemoAdminDb();
    const auto gen = adm ? adm->generators()->item(QStringLiteral("GERBER")) : nullptr;
    if (!gen)
        return nullptr;
    gen->setReservedItem(SYSTEM);
    auto editor = gen->parameters()->editor();
    editor->setFormObj(morvObjs_editFormSelect(gen->cmdGen(false)));
    editor->initialize(false);
    return vbl_formInstance<frmGerberParms>();
}
} // namespace

const std::vector<RenderForm>& renderForms()
{
    static const std::vector<RenderForm> forms = {
        {QStringLiteral("frmParmEdit"), [] { return parmEdit(false); }},
        {QStringLiteral("frmParmEdit_batch"), [] { return parmEdit(true); }},
        {QStringLiteral("frmGerberParms"), [] { return demoGeneratorDialog(QStringLiteral("GERBER")); }},
        {QStringLiteral("frmGerberParms_readonly"), gerberReadOnly},
        {QStringLiteral("frmBNREPParms"), [] { return demoGeneratorDialog(QStringLiteral("BNREP")); }},
        {QStringLiteral("frmDXFOutParms"), [] { return demoGeneratorDialog(QStringLiteral("DXFOUT")); }},
        {QStringLiteral("frmPlanesParms"), [] { return demoGeneratorDialog(QStringLiteral("PLANES")); }},
        {QStringLiteral("frmODBGParms"), [] { return demoGeneratorDialog(QStringLiteral("ODBG")); }},
        {QStringLiteral("frmDrillParms"), [] { return demoGeneratorDialog(QStringLiteral("NCDRILL")); }},
        {QStringLiteral("frmDrillParms_checkin"), drillCheckIn},
        {QStringLiteral("frmDRCParms"), [] { return demoGeneratorDialog(QStringLiteral("DRC")); }},
        {QStringLiteral("frmGENIFParms"), [] { return demoGeneratorDialog(QStringLiteral("GENIF")); }},
        {QStringLiteral("frmGFmanipParms"), [] { return demoGeneratorDialog(QStringLiteral("FMANIP")); }},
        {QStringLiteral("frmBNREPNTLParms"), [] { return demoGeneratorDialog(QStringLiteral("BNREPNTL")); }},
        {QStringLiteral("frmFileBrowser"), nullptr, [](const QString& f) { return renderFileBrowser(f, 0); }},
        {QStringLiteral("frmFileBrowser_checkout"), nullptr, [](const QString& f) { return renderFileBrowser(f, 1); }},
        {QStringLiteral("morvObjs_parmBrowseDlg"), nullptr, renderParmBrowseDlg},
        {QStringLiteral("morvObjs_dirBrowser"), nullptr, renderDirBrowser},
        {QStringLiteral("frmObjectTest"), objectTest},
        {QStringLiteral("frmDistribParms"), distribParms},
        {QStringLiteral("frmVarsetupParms"), varsetupParms},
        {QStringLiteral("frmVarsetupParms_readonly"), [] { return demoGeneratorDialog(QStringLiteral("VARSETUP")); }},
        {QStringLiteral("tlistResult_adminDb"), demoAdminDbTree},
    };
    return forms;
}

} // namespace kalvex::render
