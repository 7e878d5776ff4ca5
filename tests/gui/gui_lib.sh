# shellcheck shell=bash disable=SC2034  # sets variables for the tests that source it
# Helpers of the real-window tests, the same for both back ends; sourced by each test
# script, which run_gui_test.sh runs with APP, CLI, WORK, ARTIFACTS, DISPLAY, GUI_BACKEND
# and GUI_DRIVER set. The driver (driver_wx.sh or driver_wine.sh) starts the program,
# finds its windows and says what its back end cannot check.
set -u
# shellcheck source=../support/sentences.sh
source "$(dirname "${BASH_SOURCE[0]}")"/../support/sentences.sh
HERE_LIB=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../support/checks.sh
source "$(dirname "${BASH_SOURCE[0]}")"/../support/checks.sh
APP_PID=""
WID=""
TEST_NAME=$(basename "$0" .sh)

# Runs COMMAND until it prints EXPECTED or SECONDS have passed; prints what it printed last.
wait_for() {
  local want=$1 deadline=$(($(date +%s%N) + $2 * 1000000000)) now
  shift 2
  while now=$("$@"); [ "$now" != "$want" ] && [ "$(date +%s%N)" -lt "$deadline" ]; do
    sleep 0.05
  done
  printf '%s\n' "$now"
}

# Waits until the program says READY (its main window is on screen with the focus in a
# control); sets WID and START_MS (the time since launch_app).
wait_ready() {
  for _ in $(seq 1 6000); do
    grep -q '^READY' "$WORK/app.out" && break
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.005
  done
  START_MS=$((($(date +%s%N) - T0) / 1000000))
  if ! grep -q '^READY' "$WORK/app.out"; then
    bad "$(basename "$APP") starts" "no READY; stderr: $(head -c 2000 "$WORK/app.err")"
    return 1
  fi
  WID=$(main_window)
  [ -n "$WID" ] || { bad "main window found"; return 1; }
}

# Both: starts the program and waits until it is ready.
start_app() {
  launch_app "$@"
  wait_ready
}

# Presses keys (xdotool names: alt+1, Escape, Return) and lets the program react; the
# Alt keys of visible buttons act about 250 ms late (GTK's press animation).
key() { xdotool key --delay 40 "$@"; sleep 0.35; }

# The text on the clipboard; the program serves it while it runs.
clip() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }

# Gives the clipboard to another program, holding TEXT, and waits until it reads TEXT. The
# driver may have a program of its own platform do it.
give_clip() {
  printf '%s' "$1" | xclip -i -selection clipboard >/dev/null 2>&1 &
  wait_for "$1" 5 clip >/dev/null
}

# Takes what was said before off the clipboard.
clear_clip() { give_clip "-- cleared --"; }

# The number of windows of the program on screen; waits up to SECONDS for COUNT of them.
window_count() { app_windows | wc -l; }
wait_windows() { wait_for "$1" "$2" window_count; }
# A window of the program on screen other than the main window (a dialog, a message box,
# the progress window), the newest; empty when there is none.
other_window() { app_windows | grep -vx "$WID" | tail -1; }
title_of() { xdotool getwindowname "$1" 2>/dev/null; }

# Saves a picture of the main window, or of WINDOW (root: the whole screen), into
# ARTIFACTS as NAME.png and prints where. Usage: screenshot NAME [WINDOW]
screenshot() {
  local file="$ARTIFACTS/$1.png"
  import -window "${2:-$WID}" "$file" 2>/dev/null && echo "screenshot: $file"
}

# Presses KEYS and prints the sentence the program then puts on the clipboard, or
# nothing after 5 s. The clipboard first gets a marker from another owner, so that a
# sentence said before is never taken for the new one. Each sentence heard is also
# written down in WORK/heard.txt.
said() {
  local marker="-- no sentence --" text=""
  give_clip "$marker"
  xdotool key --delay 40 "$@"
  for _ in $(seq 1 200); do
    text=$(clip)
    [ -n "$text" ] && [ "$text" != "$marker" ] && break
    sleep 0.025
  done
  [ "$text" = "$marker" ] || [ -z "$text" ] || { echo "$text" >>"$WORK/heard.txt"; printf '%s' "$text"; }
}

# Waits up to SECONDS for the sentence TEXT on the clipboard; prints the clipboard's text.
wait_clip() {
  local now
  now=$(wait_for "$1" "$2" clip)
  [ "$now" = "$1" ] && echo "$now" >>"$WORK/heard.txt"
  printf '%s' "$now"
}

# Under Orca (run_gui_test.sh --orca): the texts Orca spoke, one a line, and how many of
# them were sentences heard on the clipboard (WORK/heard.txt).
orca_spoke() { sed -n "s/^[0-9:.]* - SPEECH OUTPUT: '\(.*\)' {.*}\$/\1/p" "$ORCA_LOG"; }
orca_heard() { orca_spoke | grep -Fx -f "$WORK/heard.txt"; }
orca_heard_count() { orca_heard | wc -l; }

# Every sentence heard on the clipboard was spoken by Orca too, each once and in order.
check_orca_spoke() {
  [ -s "$WORK/heard.txt" ] || { bad "$1" "no sentence heard"; return; }
  wait_for "$(wc -l <"$WORK/heard.txt")" 10 orca_heard_count >/dev/null
  check "$1 (varnel on ATK $APP_ATK_VERSION)" "$(cat "$WORK/heard.txt")" "$(orca_heard)"
}

# Alt+4, then PATH (a Unix path) typed into the file dialog as the program names it, and
# Enter. With NAME, a picture of the file dialog is saved as NAME.png first. Fails when
# the dialog does not open or does not close.
choose_file() {
  key alt+4
  [ "$(wait_windows 2 10)" = 2 ] || return 1
  sleep 0.3
  [ -n "${2:-}" ] && screenshot "$2" "$(other_window)"
  type_file_name "$(app_path "$1")"
  key Return
  [ "$(wait_windows 1 10)" = 1 ]
}

# The number of jobs completed in the virtual embosser folder DIR, and the newest one
# (a job's name begins with the time it was completed).
job_count() { find "$1" -maxdepth 1 -name 'job-*.brl' 2>/dev/null | wc -l; }
last_job() { find "$1" -maxdepth 1 -name 'job-*.brl' 2>/dev/null | sort | tail -1; }

# Prints "ok" when the settings record FILE holds NAME as the chosen printer (at
# offset 512, in code page 932, ended by CR LF); else what it holds there.
settings_printer() {
  local want got n
  want=$( { printf '%s' "$2" | iconv -t CP932; printf '\r\n'; } | od -An -tx1 | xargs)
  n=$(( $(printf '%s' "$2" | iconv -t CP932 | wc -c) + 2 ))
  got=$(dd if="$1" bs=1 skip=512 count="$n" 2>/dev/null | od -An -tx1 | xargs)
  if [ "$want" = "$got" ]; then echo ok; else echo "$got"; fi
}

# Waits up to SECONDS for the program to end; sets EXIT_STATUS (or "running").
wait_exit() {
  local limit=$(($1 * 20))
  EXIT_STATUS=running
  for _ in $(seq 1 "$limit"); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$APP_PID" 2>/dev/null; then return 1; fi
  wait "$APP_PID"
  EXIT_STATUS=$?
  APP_PID=""
  return 0
}

# Ends a program still running (by its id) after a failed test.
stop_app() {
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null
  fi
  APP_PID=""
}
trap stop_app EXIT

# Prints the summary and ends the test with its verdict; keeps the logs of a failure.
finish() {
  stop_app
  if grep -q 'ERROR: LeakSanitizer' "$WORK/app.err" 2>/dev/null; then
    bad "no memory leaks" "$(grep -A12 'ERROR: LeakSanitizer' "$WORK/app.err" | head -40)"
  fi
  [ "$PASS$FAIL" = 00 ] && bad "not one check ran"
  if ! checks_done; then
    cp "$WORK"/app.out "$ARTIFACTS/$TEST_NAME.out" 2>/dev/null
    cp "$WORK"/app.err "$ARTIFACTS/$TEST_NAME.err" 2>/dev/null
    echo "logs: $ARTIFACTS/$TEST_NAME.out, $ARTIFACTS/$TEST_NAME.err"
    exit 1
  fi
  exit 0
}

# shellcheck source=driver_wx.sh
source "${GUI_DRIVER:?run_gui_test.sh sets GUI_DRIVER}" ||
  { echo "FAIL - the back end's helpers load: $GUI_DRIVER"; exit 1; }
