# shellcheck shell=bash disable=SC2034  # sets variables for the tests that source it
# Helpers of the tests of varnel.exe under Wine; sourced by each test_*.sh, which
# run_wine_gui_test.sh runs with APP, CLI, WINE, WORK, ARTIFACTS and DISPLAY set. The
# helpers of the Linux window tests (checks, the clipboard, settings, jobs) serve as they
# are; what differs for Wine's windows is redefined here.
source "$(dirname "${BASH_SOURCE[0]}")/../gui/gui_lib.sh"
HERE_WINE_LIB=$(dirname "${BASH_SOURCE[0]}")

# The Windows name of a Unix path (Wine's drive Z: is the root).
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# Starts varnel.exe (or the program in APP_EXE) under Wine with the given options,
# without waiting; sets APP_PID and T0 (ns).
launch_app() {
  : >"$WORK/app.out"
  T0=$(date +%s%N)
  LANG=ja_JP.UTF-8 "$WINE" "${APP_EXE:-$APP}" "$@" >"$WORK/app.out" 2>"$WORK/app.err" &
  APP_PID=$!
}

# The program's windows on screen, oldest first. Wine keeps its hidden helper windows
# (input method, clipboard) unmapped.
app_windows() { xdotool search --all --onlyvisible --name '.' 2>/dev/null; }

# Waits until the program says READY (its main window is on screen with the focus in a
# control); sets WID and START_MS.
wait_ready() {
  for _ in $(seq 1 6000); do
    grep -q '^READY' "$WORK/app.out" && break
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.005
  done
  START_MS=$((($(date +%s%N) - T0) / 1000000))
  if ! grep -q '^READY' "$WORK/app.out"; then
    bad "varnel.exe starts" "no READY; stderr: $(head -c 2000 "$WORK/app.err")"
    return 1
  fi
  WID=$(xdotool search --all --onlyvisible --name '^Varnel$' | head -1)
  [ -n "$WID" ] || { bad "main window found"; return 1; }
  return 0
}

# Presses keys (xdotool names: alt+1, Escape, Return) and lets the program react.
key() { xdotool key --delay 40 "$@"; sleep 0.3; }

window_count() { app_windows | wc -l; }
other_window() { app_windows | grep -vx "$WID" | tail -1; }
# The title of the window WINDOW.
title_of() { xdotool getwindowname "$1" 2>/dev/null; }

# Alt+4, then PATH (a Windows path) typed into the file dialog's name field, and Enter.
# With NAME, a picture of the file dialog is saved as NAME.png first.
choose_file() {
  key alt+4
  [ "$(wait_windows 2 10)" = 2 ] || return 1
  sleep 0.3
  [ -n "${2:-}" ] && screenshot "$2" "$(other_window)"
  xdotool type --delay 15 "$1"
  key Return
  [ "$(wait_windows 1 10)" = 1 ]
}

# A picture of the whole screen (no window manager: Wine draws the frames itself).
screen_shot() {
  import -window root "$ARTIFACTS/$1.png" 2>/dev/null && echo "screenshot: $ARTIFACTS/$1.png"
}

# Ends the program still running after a failed test, by its id.
stop_app() {
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null
  fi
  APP_PID=""
}
trap stop_app EXIT
