#include "browser/frmFileBrowser_open.h"

#include "browser/frmFileBrowser.h"
#include "foundation/vbl_err.h"
#include "platform/CommonDialogDirect6.h"
#include "platform/OpenDialogFilter.h"

namespace kalvex {

QString frmFileBrowser_open(const fbrowse_requestRec& request, const std::shared_ptr<IKalvexAdministrator>& adm,
                            QWidget* ownerForm)
{
    QString answer = PICKER_NODEF;
    // One browser at a time: a second opening while one runs would take
    // over its form.
    if (vbl_formExists<frmFileBrowser>() && vbl_formInstance<frmFileBrowser>()->openDialog())
        return answer;
    frmFileBrowser* browser = nullptr;
    try {
        browser = vbl_formInstance<frmFileBrowser>();
        auto* component = new CommonDialogDirect6(browser);
        browser->setcD(component);
        component->setDialogTitle(request.title);
        component->setFilter(request.filter);
        component->setFilterIndex(request.filterIndex.toInt());
        component->setDefaultExt(request.defaultExt);
        component->setFlags(0);
        if (request.mustExist)
            component->setFlags(OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
        component->setEnableHook(true);
        component->sethwndOwner(ownerForm);
        browser->setAdmObj(adm);
        browser->ensureLoaded();
        browser->setShow_fbrowse_cancel(false);
        browser->setShow_fbrowse_ok(false);
        browser->setShow_fbrowse_readOnly(request.readOnly);
        browser->setEnable_checkoutTab(request.enable_checkoutTab);
        browser->setInFileSpec(request.inFileSpec);
        component->ShowOpen();
        if (!browser->Cancelled())
            answer = browser->Result();
    } catch (...) {
        // A failed browse answers "no choice" and shows nothing.
        vbl_err_trapped(QStringLiteral("morvObjs_fileBrowserEx_open"), VBL_LOG_DIALOGS);
        answer = PICKER_NODEF;
    }
    if (vbl_formExists<frmFileBrowser>() && vbl_formInstance<frmFileBrowser>()->form_loaded)
        vbl_formRelease<frmFileBrowser>();
    return answer;
}

} // namespace kalvex
