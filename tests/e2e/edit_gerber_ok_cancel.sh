#!/usr/bin/env bash
# kalvex-edit driven through a real X server as a person does: on a copy of a
# database, open the Gerber generator's parameters, change a file field and
# press OK: the new value is in the file, which loads back with the same
# object counts. Then change a field and cancel, and cancel a third opening
# unchanged: the file stays byte for byte as OK left it.
#   edit_gerber_ok_cancel.sh KALVEX_EDIT KALVEX_CONSOLE DATABASE.mra WORKDIR
source "$(dirname "$0")/x_session.sh"
edit=$1 console=$2 database=$3 work=$4
rm -rf "$work"
x_start "$work"
db=$work/edit.mra
x_edit "$edit" "$database" "$db"

# A click into the generators' list, the id typed to find its row, Enter opens it.
open_gerber()
{
  x_click "$win" 40 100
  x_focus_on "$win"
  x_type GERBER
  x_key Return
  dialog=$(x_window '^Gerber photoplots \(GERBER\) - ')
  x_focus_on "$dialog"
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
}
# The form's fields keep their place at its top left (pixels at 96 dpi). OK
# and Cancel are pressed by keys, whatever order the theme gives the
# buttons: Enter in a text box of this dialog presses the default button,
# OK; Escape is Cancel.
format_file_field=70
replace_field() { x_click "$dialog" 228 "$1" 3; x_type "$2"; }
press_ok() { x_key Return; }
press_cancel() { x_key Escape; }
dialog_closed() { x_until 10 "the dialog to close" x_window_gone '^Gerber photoplots \(GERBER\) - '; }
counts() { x_run QT_QPA_PLATFORM=offscreen "$console" --png "$work/counts.png" "$1" | grep ' objects: '; }

before=$(counts "$db") || x_fail "the database does not load headless"
typed='${KVX_GENSYS_PATH}\formats\typed-e2e.fmt'
open_gerber
replace_field $format_file_field "$typed"
press_ok
dialog_closed
x_until 10 "the typed value in the file" grep -qF "\"gerber_machine_format\" \"$typed\"" "$db"
after=$(counts "$db") || x_fail "the saved database does not load back"
[ "$before" = "$after" ] || x_fail "the saved database loads back as '$after', it was '$before'"
grep -qF 'rs274x.fmt' "$db" && x_fail "the replaced value is still in the file"
cp "$db" "$work/after-ok.mra"

open_gerber
replace_field $format_file_field 'cancelled-e2e.fmt'
press_cancel
dialog_closed
# A third opening is served only after the Cancel was handled whole.
open_gerber
press_cancel
dialog_closed
cmp "$work/after-ok.mra" "$db" || x_fail "Cancel or Escape changed the file"
grep -qF cancelled-e2e "$db" && x_fail "the cancelled value reached the file"
echo "OK wrote the typed value and the file loads back alike ($after); Cancel and Escape wrote nothing"
