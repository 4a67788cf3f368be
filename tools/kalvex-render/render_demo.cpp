#include "render_demo.h"

#include "admin/KalvexAdministrator.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "interfaces/IKalvexGenParmsEditor.h"
#include "interfaces/IKalvexGenerators.h"
#include "interfaces/IKalvexRUVConnection.h"
#include "store/KalvexRUVConnection.h"
#include "store/KalvexStorageCtrl.h"

namespace kalvex::render {

IKalvexAdministratorPtr loadDemoAdminDb()
{
    auto adm = classCreate_KalvexAdministrator();
    auto conn = classCreate_KalvexRUVConnection();
    conn->setFileIO(QStringLiteral(KALVEX_SOURCE_DIR "/examples/demo.mra"));
    conn->setFileOpenMode(RUV_OPEN_READ);
    conn->setKwLevel(1);
    conn->setSourceId(SOURCE_ID_ADMIN_DB);
    conn->setApplMode(2);
    auto ctrl = classCreate_KalvexStorageCtrl();
    ctrl->setStorageObject(conn);
    if (ctrl->loadFromStorage(adm, true) != STORAGE_OK)
        return nullptr;
    return adm;
}

QWidget* demoGeneratorDialog(const QString& generatorId)
{
    dialogs_install();
    static const IKalvexAdministratorPtr adm = loadDemoAdminDb();
    const auto gen = adm ? adm->generators()->item(generatorId) : nullptr;
    if (!gen)
        return nullptr;
    auto editor = gen->parameters()->editor();
    editor->setFormObj(morvObjs_editFormSelect(gen->cmdGen(false)));
    editor->initialize(false);
    return editor->formObj() ? dynamic_cast<QWidget*>(editor->formObj()->formObject()) : nullptr;
}

} // namespace kalvex::render
