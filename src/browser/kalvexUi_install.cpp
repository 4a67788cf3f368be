// Installs the dialogs and registers the browser layer's hooks, one line each.
#include "browser/kalvexUi_install.h"

#include "browser/KalvexDebugObj.h"
#include "browser/frmFileBrowser_open.h"
#include "browser/frmObjectTest.h"
#include "dialogs/frmParmEdit.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "dialogs/morvObjs_pickers.h"

namespace kalvex {

void kalvexUi_install()
{
    dialogs_install();
    morvObjs_setFileBrowserOpener(frmFileBrowser_open);
    registerDebugObjProgId();
    frmParmEdit_setParmsListViewer(frmObjectTest_showParmsList);
}

} // namespace kalvex
