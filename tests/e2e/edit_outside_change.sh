#!/usr/bin/env bash
# kalvex-edit keeps what another program saved: a change written while it
# runs (a new file renamed over, as editors save) is read in, and a dialog's
# OK then writes both; a change made while a dialog is open makes OK refuse,
# and Cancel reads it in.
#   edit_outside_change.sh KALVEX_EDIT DATABASE.mra WORKDIR
source "$(dirname "$0")/x_session.sh"
edit=$1 database=$2 work=$3
rm -rf "$work"
x_start "$work"
mkdir -p "$work/data"
db=$work/data/edit.mra
cp "$database" "$db"
x_launch "$work/edit.log" "$edit" "$db"
win=$(x_window '^Kalvex output generators - edit\.mra$')

edit_outside() { sed "s/\"stop_on_error\" \"[^\"]*\"/\"stop_on_error\" \"$1\"/" "$db" >"$db.new"; mv "$db.new" "$db"; }
# The entry by its id typed and Enter; the Gerber dialog's format file replaced.
open_gerber()
{
  x_raise "$win"; x_click "$win" 40 100; x_focus_on "$win"
  x_type GERBER; x_key Return
  dialog=$(x_window '\(GERBER\) - ')
  x_focus_on "$dialog"
  x_click "$dialog" 228 70 3; x_type "$1"
}
dialog_closed() { x_until 10 "the dialog to close" x_window_gone '\(GERBER\) - '; }

edit_outside Outside1
sleep 1.5 # read in by itself
open_gerber first-e2e.fmt
x_key Return
dialog_closed
grep -qF '"stop_on_error" "Outside1"' "$db" || x_fail "OK wrote over the change saved outside"
grep -qF first-e2e.fmt "$db" || x_fail "OK did not write the dialog's value"

open_gerber refused-e2e.fmt
edit_outside Outside2
sleep 1
x_key Return
sleep 1
x_window_found '\(GERBER\) - ' || x_fail "OK closed the dialog over a change saved outside"
grep -qF refused-e2e.fmt "$db" && x_fail "OK wrote over the change saved outside"
x_key Escape
dialog_closed
open_gerber second-e2e.fmt
x_key Return
dialog_closed
grep -qF '"stop_on_error" "Outside2"' "$db" && grep -qF second-e2e.fmt "$db" ||
  x_fail "the file lacks the outside change or the dialog's value"
echo "OK kept what another program saved, with no dialog open and with one open"
