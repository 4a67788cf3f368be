#!/usr/bin/env bash
# kalvex-edit started and ended as a person on a desktop does: a broken file
# gives a message box and exit code 1 once it is closed; Console pressed twice
# leaves one console, the one holding the focus; closing the main window (as
# the window manager's close button asks) closes the console and ends the
# program with exit code 0.
#   edit_start_console_end.sh KALVEX_EDIT KALVEX_X_CLOSE DATABASE.mra WORKDIR
source "$(dirname "$0")/x_session.sh"
edit=$1 x_close=$2 database=$3 work=$4
rm -rf "$work"
x_start "$work"

# Waits for the program to end (within 10 s); its exit code into rc.
await_exit()
{
  local pid=$1 deadline=$((SECONDS + 10))
  while kill -0 "$pid" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || x_fail "the program did not end"
    sleep 0.05
  done
  rc=0
  wait "$pid" || rc=$?
}

printf 'ADMIN_DB 2\r\nSection "Generators"\r\n.Generator "G"\r\n..name "unterminated\r\nEnd\r\n' >"$work/broken.mra"
x_launch "$work/broken.log" "$edit" "$work/broken.mra"
broken_pid=${x_pids[-1]}
box=$(x_window '^kalvex-edit$')
kill -0 "$broken_pid" 2>/dev/null || x_fail "the program ended without waiting for the box"
x_click "$box" 10 10
x_focus_on "$box"
x_key Return
await_exit "$broken_pid"
[ "$rc" = 1 ] || x_fail "exit code $rc after the box, expected 1"
grep -qF "broken.mra: not a valid administration database" "$work/broken.log" || x_fail "the reason is not named"

cp "$database" "$work/host.mra"
x_launch "$work/edit.log" "$edit" "$work/host.mra"
edit_pid=${x_pids[-1]}
win=$(x_window '^Kalvex output generators - host\.mra$')
press_console()
{
  x_click "$win" 40 100
  x_focus_on "$win"
  x_key alt+c
}
press_console
console=$(x_window '^Object test - host\.mra$')
x_focus_on "$console"
# Without a window manager both windows open at the top left: the person
# moves the console aside to reach the main window again.
xdotool windowmove "$console" 700 450
sleep 1 # a person's pace: two clicks on one row this fast would be a double click
press_console
x_focus_on "$console"
shown=$(xdotool search --onlyvisible --name '^Object test' | wc -l)
[ "$shown" = 1 ] || x_fail "$shown consoles shown after Console twice"

"$x_close" "$win"
await_exit "$edit_pid"
[ "$rc" = 0 ] || x_fail "exit code $rc after closing the main window, expected 0"
x_window_gone '^Object test' || x_fail "the console outlived the program"
echo "a broken file's box ended the program with 1; Console twice kept one console in front; closing the window ended both"
