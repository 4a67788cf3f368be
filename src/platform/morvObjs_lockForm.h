// The read-only lock of a form by a reservation code, and the help topics of
// its controls. Both decide by control kind (VbControl.h), so controls of
// any unit take part once registered with their kind.
#pragma once
#include <QString>

namespace kalvex {

class VbForm;

// True for state 3 or 4 (read-only). Every control except timers, tab
// controls, common dialogs and the names in the exempt list ("#name#name#",
// lower-cased) gets Enabled False when read-only and True otherwise; text
// boxes and spreadsheet grids also get ForeColor/BackColor &H80000013 on
// &H8000000F when read-only, &H80000008 on &H80000005 otherwise. Verbose
// changes nothing. No form: False.
bool morvObjs_lockForm(VbForm* form, int& state, const QString& exemptList, bool verbose);

// The form's HelpContextID and that of each combo box, check box, list box,
// option button, text box, frame, spreadsheet grid, tree list and tab
// control; other kinds are left alone.
void morvHelp_initControlTopics(VbForm* form, int topic);

} // namespace kalvex
