// The dialog table: one line per dialog, then the chooser handed to the model.
#include "dialogs/morvObjs_editFormSelect.h"
#include "dialogs/frmBNREPParms.h"
#include "dialogs/frmGerberParms.h"
#include "dialogs/frmConfigFileParms.h"
#include "dialogs/frmDRCParms.h"
#include "dialogs/frmDrillParms.h"
#include "dialogs/frmDistribParms.h"
#include "dialogs/frmBNREPNTLParms.h"
#include "dialogs/frmGENIFParms.h"
#include "dialogs/frmGFmanipParms.h"
#include "dialogs/frmParmEdit.h"
#include "dialogs/frmVarsetupParms.h"
#include "platform/VbForm.h"
#include "platform/vbl_errDisplay.h"

namespace kalvex {

void dialogs_install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    registerEditForm(QStringLiteral("(INTERNAL)Kalvex Gerber Generator"), [] { return vbl_formInstance<frmGerberParms>(); });
    registerEditForm(QStringLiteral("(INTERNAL)Kalvex Report Writer Generator"), [] { return vbl_formInstance<frmBNREPParms>(); });
    registerEditForm(QStringLiteral("(INTERNAL)Kalvex DXF Output generator"), [] { return vbl_formInstance<frmDXFOutParms>(); });
    registerEditForm(QStringLiteral("(INTERNAL)Kalvex planes generator"), [] { return vbl_formInstance<frmPlanesParms>(); });
    registerEditForm(QStringLiteral("(INTERNAL)Kalvex ODBG Generator"), [] { return vbl_formInstance<frmODBGParms>(); });
    registerEditForm(QStringLiteral("(INTERNAL)Kalvex Distributor"), [] { return vbl_formInstance<frmDistribParms>(); }); // programs and commands alike
    registerEditForm(QStringLiteral("(INTERNAL)Kalvex PCB Design Manipulations"), [] { return vbl_formInstance<frmVarsetupParms>(); });
    registerEditForm("(INTERNAL)Kalvex NC Drill Generator", [] { return vbl_formInstance<frmDrillParms>(); });
    registerEditForm("(INTERNAL)Kalvex DRC generator", [] { return vbl_formInstance<frmDRCParms>(); });
    registerEditForm(QStringLiteral("(INTERNAL)Kalvex Report Writer netlister"), [] { return vbl_formInstance<frmBNREPNTLParms>(); });
    registerEditForm(QStringLiteral("(INTERNAL)Kalvex file manipulator"), [] { return vbl_formInstance<frmGFmanipParms>(); });
    registerEditForm(QStringLiteral("(INTERNAL)Kalvex General Interfaces"), [] { return vbl_formInstance<frmGENIFParms>(); });
    // The grid edits every set without a dedicated dialog; the batch-file
    // generator's set in batch mode.
    registerEditForm(QStringLiteral("(INTERNAL)Kalvex batchfile Generator"), [] {
        auto* form = vbl_formInstance<frmParmEdit>();
        form->setBatchExeMode(true);
        return form;
    });
    registerDefaultEditForm([] {
        auto* form = vbl_formInstance<frmParmEdit>();
        form->setBatchExeMode(false);
        return form;
    });
    registerEditFormChooser(dialogFormChooser());
    vbl_errDisplay_install();
}

} // namespace kalvex
