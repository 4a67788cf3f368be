// Installs the dialogs and registers the browser layer's hooks, one line each.
#include "browser/kalvexUi_install.h"

#include "browser/frmFileBrowser_open.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "dialogs/morvObjs_pickers.h"

namespace kalvex {

void kalvexUi_install()
{
    dialogs_install();
    morvObjs_setFileBrowserOpener(frmFileBrowser_open);
}

} // namespace kalvex
