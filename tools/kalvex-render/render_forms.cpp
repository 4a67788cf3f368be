// One line per form. A dialog that needs a parameter set or a mode to look
// right gets a small function here that prepares it.
#include "render_forms.h"

#include "generators/KalvexGenerator.h"
#include "support/sample_parm_form.h"

namespace kalvex::render {

namespace {
QWidget* sampleParmsOf(int reservedItem)
{
    static std::shared_ptr<IKalvexGenerator> gen = classCreate_KalvexGenerator();
    gen->setReservedItem(reservedItem);
    auto parms = gen->parameters();
    parms->add(QStringLiteral("config_file"), QStringLiteral("${KVX_JOB_PCB_PATH}\\config\\sample.cfg"), 1);
    parms->add(QStringLiteral("title"), QStringLiteral("Board 4711 rev. C"), 1);
    parms->add(QStringLiteral("verbose"), QStringLiteral("True"), 1);
    parms->add(QStringLiteral("mode"), QStringLiteral("compressed"), 1);
    auto* form = vbl_formInstance<test::frmSampleParms>();
    form->setParmsColl(parms);
    form->loadData();
    return form;
}
QWidget* sampleParms() { return sampleParmsOf(NOT_RESERVED); }
// Owned by a system generator: read-only.
QWidget* sampleParmsLocked() { return sampleParmsOf(SYSTEM); }
} // namespace

const std::vector<RenderForm>& renderForms()
{
    static const std::vector<RenderForm> forms = {
        {QStringLiteral("frmSampleParms"), sampleParms},
        {QStringLiteral("frmSampleParms_readonly"), sampleParmsLocked},
    };
    return forms;
}

} // namespace kalvex::render
