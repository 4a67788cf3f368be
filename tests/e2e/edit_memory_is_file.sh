#!/usr/bin/env bash
# kalvex-edit's database equals its file whenever no dialog is open: the
# console it opens dumps that database, and the dump equals the file after
# OK, New and Cancel, a failed save cancelled and one retried.
#   edit_memory_is_file.sh KALVEX_EDIT DATABASE.mra WORKDIR
source "$(dirname "$0")/x_session.sh"
edit=$1 database=$2 work=$3
rm -rf "$work"
x_start "$work"
db=$work/data/edit.mra
x_edit "$edit" "$database" "$db"

# No window manager: each window is raised before a click. An entry opens
# by its id typed and Enter; Enter in a Gerber text box is OK, Escape Cancel.
open_entry()
{
  id=$1
  x_raise "$win"; x_click "$win" 40 100; x_focus_on "$win"
  x_type "$id"; x_key Return
  dialog=$(x_window "\\($id\\) - ")
  x_focus_on "$dialog"
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
}
dialog_closed() { x_until 10 "the dialog of $id to close" x_window_gone "\\($id\\) - "; }
dialog_stays() { sleep 1; x_window_found "\\($id\\) - " || x_fail "the dialog closed though its save failed"; }
replace_format_file() { x_click "$dialog" 228 70 3; x_type "$1"; }
block_file() { mv "$db" "$db.kept"; mkdir -p "$db/in-the-way"; } # fails the save for root too
unblock_file() { rm -rf "$db"; mv "$db.kept" "$db"; }

# Console by its key, clicked away from open_entry's row (no double click);
# its dump box and button keep to its bottom left.
x_raise "$win"; x_click "$win" 40 160; x_focus_on "$win"
x_key alt+c
console=$(x_window '^Object test')
# It comes to the front once shown; keys typed for the host wait for that.
for _ in $(seq 40); do x_has_focus "$console" && break; sleep 0.05; done
dumps=0
dump_equals_file()
{
  local out=$work/dump$((++dumps)).mra height
  height=$(xdotool getwindowgeometry --shell "$console" | sed -n 's/^HEIGHT=//p')
  x_raise "$console"; x_click "$console" 150 $((height - 64)) 3; x_focus_on "$console"
  x_type "$out"
  x_click "$console" 325 $((height - 63))
  x_until 10 "the console's dump $out" test -s "$out"
  cmp "$out" "$db" >&2 || x_fail "$1: the console's dump of the host's database differs from the file"
}

open_entry GERBER
replace_format_file saved-e2e.fmt
x_key Return
dialog_closed
grep -qF saved-e2e.fmt "$db" || x_fail "OK did not write the value"
dump_equals_file "after OK"
cp "$db" "$work/after-ok.mra"

# Enter twice adds nothing; New (at the list's right end) adds a row in
# memory, which Cancel takes back.
open_entry EXT_PDF
x_key Return Return
x_click "$dialog" $((WIDTH - 74)) 32
x_key Escape
dialog_closed
cmp "$work/after-ok.mra" "$db" || x_fail "Cancel changed the file"
dump_equals_file "after New and Cancel"

block_file
open_entry GERBER
replace_format_file never-saved-e2e.fmt
x_key Return
dialog_stays
unblock_file
x_key Escape
dialog_closed
dump_equals_file "after a failed save and Cancel"
grep -qF never-saved-e2e "$db" && x_fail "the cancelled value reached the file"

block_file
open_entry GERBER
replace_format_file retried-e2e.fmt
x_key Return
dialog_stays
unblock_file
x_key Return # OK again: the save runs though the dialog counts nothing new
dialog_closed
grep -qF retried-e2e.fmt "$db" || x_fail "the retried save did not write the value"
dump_equals_file "after a retried save"
echo "the console's dump equals the file after OK, New and Cancel, a failed save cancelled and one retried"
