#!/usr/bin/env bash
# Under a window manager, the console minimised comes back restored and
# active on Return on kalvex-edit's focused Console button.
#   edit_console_minimised.sh KALVEX_EDIT DATABASE.mra WORKDIR
source "$(dirname "$0")/x_session.sh"
edit=$1 database=$2 work=$3
rm -rf "$work"
x_start "$work"
x_window_manager
x_edit "$edit" "$database" "$work/host.mra"
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# From the generators' list past the distributors' list and Edit to Console.
press_console() { xdotool windowactivate "$win"; x_click "$win" 40 100; x_focus_on "$win"; x_key Tab Tab Tab Return; }
press_console
console=$(x_window '^Object test - host\.mra$')
xdotool windowminimize "$console"
x_until 10 "the console minimised" x_window_gone '^Object test'
sleep 1 # a person's pace: two clicks on one row this fast would be a double click
press_console
x_until 10 "the console shown and active again" is_active "$console"
echo "Return on Console brought the minimised console back, active"
