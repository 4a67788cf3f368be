#!/usr/bin/env bash
# kalvex-edit reads in a file another program renamed over its file, as
# editors save; a dialog's OK then writes its change beside that one.
#   edit_outside_change.sh KALVEX_EDIT DATABASE.mra WORKDIR
source "$(dirname "$0")/x_session.sh"
edit=$1 database=$2 work=$3
rm -rf "$work"
x_start "$work"
db=$work/data/edit.mra
x_edit "$edit" "$database" "$db"

sed 's/"stop_on_error" "Yes"/"stop_on_error" "Outside"/' "$db" >"$db.new" && mv "$db.new" "$db"
sleep 1.5 # read in by itself
# GERBER by its id typed and Enter; its format file replaced, Enter is OK.
x_raise "$win"; x_click "$win" 40 100; x_focus_on "$win"
x_type GERBER; x_key Return
dialog=$(x_window '\(GERBER\) - ')
x_focus_on "$dialog"
x_click "$dialog" 228 70 3; x_type outside-e2e.fmt; x_key Return
x_until 10 "the dialog to close" x_window_gone '\(GERBER\) - '
grep -qF '"stop_on_error" "Outside"' "$db" || x_fail "OK wrote over the change saved outside"
grep -qF outside-e2e.fmt "$db" || x_fail "OK did not write the dialog's value"
echo "the file holds the change saved outside and the dialog's"
