// Shows the file browser for a picker's request; registered with the
// dialogs' pickers by kalvexUi_install.
#pragma once
#include <QString>
#include <memory>

#include "dialogs/morvObjs_pickers.h"

namespace kalvex {

// Configures the browser's Open-dialog component from the request, shows the
// browser modally over the owner and answers its result, or "NODEF". The
// browser form is dropped afterwards, so every call starts on a fresh one.
QString frmFileBrowser_open(const fbrowse_requestRec& request, const std::shared_ptr<IKalvexAdministrator>& adm,
                            QWidget* ownerForm);

} // namespace kalvex
