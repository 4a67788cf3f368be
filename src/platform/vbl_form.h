// Shared form and control procedures the dialogs, the browser and the test
// console use on any VbForm.
#pragma once
#include <QObject>
#include <QString>

namespace kalvex {

class VbForm;
class VbPictureBox;
class VbCheckBox;

// "STORE_VALUES" copies Height, Top, Left and Width into last_height,
// last_top, last_left, last_width; "RESTORE_LAST" sets them back, with
// form_set_size True during the change (never while minimized). Other modes
// do nothing.
void vbl_form_size(VbForm* form, const QString& mode);

// SetFocus on a control or a form when its own Visible and Enabled are True:
// 1. Otherwise, or when the focus cannot go there (its window hidden, a
// container disabled), -1.
int vbl_ctrl_setFocus(QObject* controlOrForm);

// Index into the form's Controls of the visible, enabled text box with the
// nearest tab index above tabIndex, searching once more from the lowest when
// none follows; -1 when there is none. The name filter: empty or "gen" takes
// every text box; any other text only those whose name starts with it
// (letter case ignored).
int vbl_form_nextTabControl(VbForm* form, int tabIndex, const QString& nameFilter);

// Line 1 or 2: the text goes into the label mess1 / mess2 in the colour
// given; an interval (ms) above 0 starts mess1Timer / mess2Timer, which
// clears the line when it fires. An empty text clears the line. A form
// without these controls is left alone.
void vbl_form_showMessage(const QString& text, VbForm* form, int line, quint32 color, int interval);

// Places mess1 and mess2 along the bottom of the form's inner area, one line
// each (mess2 lowest), a gap from the edges, and cmdHelp, when the form has
// one, at the bottom right; the message lines end a gap left of it.
void vbl_form_layoutMessages(VbForm* form);

// &H80000005 (window background) when enabled, else &H8000000F (button face).
quint32 vbl_getColorFromState(bool enabled);

// True unless the value is 0 (cleared) or 2 (greyed).
bool vbl_chk_isChecked(int value);
bool vbl_chk_isChecked(const VbCheckBox* box);

// Redraws the picture as 16 x 16 pixels on its back colour, through the
// form's work picture box wrkPict. The two options are accepted and unused.
void vbl_pict_stretchIcon(VbPictureBox* picture, int option1, int option2, VbForm* form);

} // namespace kalvex
