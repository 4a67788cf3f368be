# Sourced by the end-to-end scenarios: a private virtual X server, the program
# under test on it, and input sent through the server (XTEST, via xdotool) as
# a person's keyboard and mouse would. Every wait polls with a deadline; no
# window manager is needed (a click gives the window the input focus).
#   x_start WORKDIR                 the server; DISPLAY is set for what follows
#   x_launch LOG [VAR=value...] program [args...]
#                                   the program, its output into LOG; it starts from an
#                                   empty environment, the variables given and what it needs
#   x_run [VAR=value...] program [args...]   the same, in the foreground
#   x_window TITLE_REGEX            waits for a visible window, prints its id
#   x_edit PROGRAM DATABASE FILE    kalvex-edit (PROGRAM) on a copy of DATABASE made at FILE;
#                                   win is set to its window
#   x_click WIN X Y [COUNT]         clicks at X,Y inside the window
#   x_raise WIN                     puts the window above the others (no window manager)
#   x_focus_on WIN                  waits until WIN holds the input focus
#   x_type TEXT / x_key KEY...      types into / presses keys in the focused window
#   x_until SECONDS WHAT command... polls the command until it succeeds
set -euo pipefail

x_pids=()
x_work=
x_log=
x_env=()

x_fail()
{
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then
    echo "windows on $DISPLAY:" >&2
    xdotool search --onlyvisible --name '.' getwindowname %@ >&2 2>/dev/null || true
  fi
  if [ -n "$x_log" ] && [ -f "$x_log" ]; then
    echo "program output:" >&2; cat "$x_log" >&2
  fi
  exit 1
}

x_stop()
{
  local p
  for ((i = ${#x_pids[@]} - 1; i >= 0; i--)); do
    p=${x_pids[$i]}
    kill "$p" 2>/dev/null || true
    wait "$p" 2>/dev/null || true
  done
}

# Polls "command..." every 50 ms until it succeeds or SECONDS pass.
x_until()
{
  local seconds=$1 what=$2; shift 2
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || x_fail "waited ${seconds} s for $what"
    sleep 0.05
  done
}

x_start()
{
  x_work=$1
  command -v Xvfb >/dev/null && command -v xdotool >/dev/null || x_fail "Xvfb and xdotool are needed (scripts/setup)"
  mkdir -p "$x_work"
  trap x_stop EXIT
  # -displayfd: the server takes a free display and writes its number when ready.
  rm -f "$x_work/display"
  # Under timeout, so that nothing outlives a scenario killed from outside.
  timeout 300 Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 3>"$x_work/display" 2>"$x_work/xvfb.log" &
  x_pids+=($!)
  x_until 10 "the X server" test -s "$x_work/display"
  export DISPLAY=:$(tr -d '\n' <"$x_work/display")
  export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$x_work/config XDG_RUNTIME_DIR=$x_work/runtime
  # The desktop the tests were started from chooses Qt's theme (button order
  # in dialogs), style, scaling, input method and the locale's number form:
  # the programs get none of it, only this list (x_launch, x_run).
  x_env=(PATH="$PATH" HOME="${HOME:-}" DISPLAY="$DISPLAY" QT_QPA_PLATFORM="$QT_QPA_PLATFORM" LANG=C.UTF-8
         XDG_CONFIG_HOME="$XDG_CONFIG_HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR")
  local name
  for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    [ -z "${!name:-}" ] || x_env+=("$name=${!name}")
  done
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}

x_run() { env -i "${x_env[@]}" "$@"; }

x_launch()
{
  x_log=$1; shift
  timeout 300 env -i "${x_env[@]}" "$@" >"$x_log" 2>&1 &
  x_pids+=($!)
}

x_window_found() { xdotool search --onlyvisible --name "$1" | head -n 1 | grep -q .; }

x_window()
{
  x_until 15 "a window named '$1'" x_window_found "$1"
  xdotool search --onlyvisible --name "$1" | head -n 1
}

x_window_gone() { ! x_window_found "$1"; }

x_click()
{
  xdotool mousemove --window "$1" "$2" "$3" click --repeat "${4:-1}" --delay 80 1
}

x_raise() { xdotool windowraise "$1"; }

x_has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

x_focus_on() { x_until 10 "the input focus on window $1" x_has_focus "$1"; }

x_type() { xdotool type --delay 10 -- "$1"; }

x_key() { xdotool key --delay 30 "$@"; }

# x_window_manager: openbox on the server, for scenarios that minimise and
# activate windows; it has taken the screen once it announces its desktops.
x_window_manager()
{
  command -v openbox >/dev/null || x_fail "openbox is needed (scripts/setup)"
  timeout 300 openbox >"$x_work/openbox.log" 2>&1 &
  x_pids+=($!)
  x_until 10 "the window manager" xdotool get_num_desktops
}

x_edit()
{
  mkdir -p "$(dirname "$3")"
  cp "$2" "$3"
  x_launch "$x_work/edit.log" "$1" "$3"
  local name; name=$(basename "$3")
  win=$(x_window "^Kalvex output generators - ${name//./\\.}\$")
}
