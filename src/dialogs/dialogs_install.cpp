// The dialog table: one line per dialog, then the chooser handed to the model.
#include "dialogs/morvObjs_editFormSelect.h"
#include "platform/VbForm.h"
#include "platform/vbl_errDisplay.h"

namespace kalvex {

void dialogs_install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // registerEditForm("(INTERNAL)Kalvex Gerber Generator", [] { return vbl_formInstance<frmGerberParms>(); });
    registerEditFormChooser(dialogFormChooser());
    vbl_errDisplay_install();
}

} // namespace kalvex
