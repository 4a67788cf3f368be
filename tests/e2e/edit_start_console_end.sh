#!/usr/bin/env bash
# kalvex-edit started and ended as on a desktop: a broken file's message box
# ends it with 1; Console twice leaves one console, in front; closing the
# main window as a window manager does closes the console and ends with 0.
#   edit_start_console_end.sh KALVEX_EDIT KALVEX_X_CLOSE DATABASE.mra WORKDIR
source "$(dirname "$0")/x_session.sh"
edit=$1 x_close=$2 database=$3 work=$4
rm -rf "$work"
x_start "$work"

# Waits up to 10 s for the program to end; its exit code into rc.
ended() { ! kill -0 "$1" 2>/dev/null; }
await_exit() { x_until 10 "the program to end" ended "$1"; rc=0; wait "$1" || rc=$?; }

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

x_edit "$edit" "$database" "$work/host.mra"
edit_pid=${x_pids[-1]}
press_console() { x_click "$win" 40 100; x_focus_on "$win"; x_key alt+c; }
press_console
console=$(x_window '^Object test - host\.mra$')
x_focus_on "$console"
# Without a window manager both open at the top left: the console moves aside.
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
