// Browse buttons of frmParmEdit: a file for the selected value, or the batch
// file.
#include "dialogs/frmParmEdit.h"

namespace kalvex {

void frmParmEdit::cmdBrowse_Click() {}

void frmParmEdit::browseBatchFile_Click() {}

} // namespace kalvex
