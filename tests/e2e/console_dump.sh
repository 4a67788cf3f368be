#!/usr/bin/env bash
# The object test console driven through a real X server: a person types a
# file name into the dump box and presses RUV Dump; the database written
# there loads back with the same object counts as the one shown.
#   console_dump.sh KALVEX_CONSOLE DATABASE.mra WORKDIR
source "$(dirname "$0")/x_session.sh"
console=$1 database=$2 work=$3
rm -rf "$work"
x_start "$work"
cp "$database" "$work/shown.mra"
x_launch "$work/console.log" "$console" "$work/shown.mra"
win=$(x_window '^Object test - shown\.mra$')

# The dump box and its button keep to the window's bottom left (the form's
# own layout, in pixels at 96 dpi).
eval "$(xdotool getwindowgeometry --shell "$win")"
x_click "$win" 150 $((HEIGHT - 64)) 3 # a triple click selects the box's text
x_focus_on "$win"
x_type "$work/typed.mra"
x_click "$win" 325 $((HEIGHT - 63))
x_until 10 "the dump file" test -s "$work/typed.mra"

counts() { x_run QT_QPA_PLATFORM=offscreen "$console" --png "$work/reload.png" "$1" | grep ' objects: '; }
before=$(counts "$work/shown.mra") || x_fail "the shown database does not load headless"
after=$(counts "$work/typed.mra") || x_fail "the dump does not load back"
[ "$before" = "$after" ] || x_fail "the dump loads back as '$after', the shown database was '$before'"
echo "dump written by real input and loaded back: $after"
