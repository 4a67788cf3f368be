#include "render_distrib_varsetup.h"

#include "dialogs/morvObjs_editFormSelect.h"
#include "generators/KalvexGenerator.h"
#include "interfaces/IKalvexDistributor.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "render_demo.h"

namespace kalvex::render {

namespace {
QWidget* shownBy(const IKalvexGenParmsPtr& parms)
{
    auto editor = parms->editor();
    editor->initialize(false);
    return editor->formObj() ? dynamic_cast<QWidget*>(editor->formObj()->formObject()) : nullptr;
}
} // namespace

QWidget* distribParms()
{
    dialogs_install();
    static const IKalvexAdministratorPtr adm = loadDemoAdminDb();
    const auto distributor = adm ? adm->distributors()->item(QStringLiteral("INTERNAL")) : nullptr;
    return distributor ? shownBy(distributor->parameters()) : nullptr;
}

QWidget* varsetupParms()
{
    dialogs_install();
    static const IKalvexGeneratorPtr gen = [] {
        auto g = classCreate_KalvexGenerator();
        g->setCmdGen(QStringLiteral("(INTERNAL)Kalvex PCB Design Manipulations"));
        auto parms = g->parameters();
        parms->add(QStringLiteral("operation"), QStringLiteral("VAR_CREATE_BNREP_PCB"), 1);
        parms->add(QStringLiteral("master_db_pcb"), QStringLiteral("${KVX_JOB_PCB_PATH}\\rw\\pcb.rwd"), 1);
        parms->add(QStringLiteral("master_db_cae"), QStringLiteral("${KVX_JOB_PCB_PATH}\\rw\\cae.rwd"), 1);
        return g;
    }();
    return shownBy(gen->parameters());
}

} // namespace kalvex::render
