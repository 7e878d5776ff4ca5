# shellcheck shell=bash disable=SC2034  # sets variables for the tests that source it
# Helpers of the real-window tests; sourced by each tests/gui/test_*.sh, which
# run_gui_test.sh runs with APP, CLI, WORK, ARTIFACTS and DISPLAY set.
set -u
# shellcheck source=../support/sentences.sh
source "$(dirname "${BASH_SOURCE[0]}")"/../support/sentences.sh
HERE_LIB=$(dirname "${BASH_SOURCE[0]}")
PASS=0
FAIL=0
APP_PID=""
WID=""
TEST_NAME=$(basename "$0" .sh)

ok() { PASS=$((PASS + 1)); echo "ok   - $1"; }
bad() { FAIL=$((FAIL + 1)); echo "FAIL - $1${2:+: $2}"; }
# check NAME EXPECTED ACTUAL
check() { if [ "$2" = "$3" ]; then ok "$1"; else bad "$1" "expected [$2], got [$3]"; fi; }

# Starts varnel with the given options, without waiting; sets APP_PID and T0 (ns).
launch_app() {
  : >"$WORK/app.out"
  T0=$(date +%s%N)
  # The desktop's libraries keep caches to the end by design; their allocations are
  # suppressed by library name, so that a leak of Varnel's own still fails the test.
  LSAN_OPTIONS=${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$HERE_LIB/lsan.supp:print_suppressions=0 \
    "$APP" "$@" >"$WORK/app.out" 2>"$WORK/app.err" &
  APP_PID=$!
}

# Waits until the program says READY (its main window is on screen with the focus in a
# control); sets WID and START_MS (the time since launch_app).
wait_ready() {
  for _ in $(seq 1 3000); do
    grep -q '^READY$' "$WORK/app.out" && break
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.005
  done
  START_MS=$((($(date +%s%N) - T0) / 1000000))
  if ! grep -q '^READY$' "$WORK/app.out"; then
    bad "varnel starts" "no READY; stderr: $(head -c 2000 "$WORK/app.err")"
    return 1
  fi
  WID=$(xdotool search --all --onlyvisible --pid "$APP_PID" --name '^Varnel$' | head -1)
  [ -n "$WID" ] || { bad "main window found"; return 1; }
  xdotool windowfocus --sync "$WID"
  return 0
}

# Both: starts varnel and waits until it is ready.
start_app() {
  launch_app "$@"
  wait_ready
}

# Presses keys (xdotool names: alt+1, Escape, Return) and lets the program react; the
# Alt keys of visible buttons act about 250 ms late (GTK's press animation).
key() { xdotool key --delay 40 "$@"; sleep 0.35; }

# The text on the clipboard; the program serves it while it runs.
clip() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }

# Empties the clipboard by giving it another owner's empty text.
clear_clip() {
  printf '' | timeout 5 xclip -i -selection clipboard -loops 1 2>/dev/null &
  sleep 0.2
}

# Writes the accessibility tree of the program to FILE, one object a line:
# role|name|showing|focusable|focused|checked|enabled|x,y,w,h|text
a11y_dump() {
  APP_PID=$APP_PID /usr/bin/python3 "$HERE_LIB/a11y_dump.py" >"$1" 2>"$1.err"
}

# The line of the first object with ROLE and NAME in the dump FILE.
a11y_line() { grep -m1 "^$2|$3|" "$1"; }
# Field N (1-based, see a11y_dump) of that object.
a11y_field() { a11y_line "$1" "$2" "$3" | cut -d'|' -f"$4"; }
# The role and name of the object that has the keyboard focus.
a11y_focused() { awk -F'|' '$5 == 1 && $1 != "frame" && $1 != "dialog" { print $1 "|" $2; exit }' "$1"; }
# Waits up to SECONDS for the focus to be on "ROLE|NAME"; prints where it is.
wait_focus() {
  local now deadline=$(($(date +%s) + $2))
  while :; do
    a11y_dump "$WORK/focus.txt"
    now=$(a11y_focused "$WORK/focus.txt")
    [ "$now" = "$1" ] || [ "$(date +%s)" -ge "$deadline" ] && break
    sleep 0.2
  done
  echo "$now"
}
# Clicks the middle of the object with ROLE and NAME in the dump FILE.
click_on() {
  local box x y w h
  box=$(a11y_field "$1" "$2" "$3" 8)
  IFS=, read -r x y w h <<<"$box"
  xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click 1
  sleep 0.3
}
# The number of windows of the program on screen.
window_count() { xdotool search --all --onlyvisible --pid "$APP_PID" 2>/dev/null | wc -l; }
# Waits up to SECONDS for COUNT windows on screen; prints the count then.
wait_windows() {
  local n deadline=$(($(date +%s%N) + $2 * 1000000000))
  while :; do
    n=$(window_count)
    [ "$n" = "$1" ] || [ "$(date +%s%N)" -ge "$deadline" ] && break
    sleep 0.05
  done
  echo "$n"
}

# The close box: the window manager's WM_DELETE_WINDOW request, as a click on it sends.
close_box() { /usr/bin/python3 "$HERE_LIB/close_window.py" "$WID"; }

# Saves a picture of the main window, or of WINDOW, into ARTIFACTS as NAME.png and
# prints where. Usage: screenshot NAME [WINDOW]
screenshot() {
  local file="$ARTIFACTS/$1.png"
  import -window "${2:-$WID}" "$file" 2>/dev/null && echo "screenshot: $file"
}

# The id of a window of the program on screen other than the main window (a dialog,
# a message box, the progress window); empty when there is none.
other_window() {
  xdotool search --all --onlyvisible --pid "$APP_PID" 2>/dev/null | grep -vx "$WID" | head -1
}

# Presses KEYS and prints the sentence the program then puts on the clipboard, or
# nothing after 5 s. The clipboard first gets a marker from another owner, so that a
# sentence said before is never taken for the new one.
said() {
  local marker="-- no sentence --" text="" owner
  printf '%s' "$marker" | xclip -i -selection clipboard >/dev/null 2>&1 &
  owner=$!
  for _ in $(seq 1 100); do [ "$(clip)" = "$marker" ] && break; sleep 0.02; done
  xdotool key --delay 40 "$@"
  for _ in $(seq 1 200); do
    text=$(clip)
    [ -n "$text" ] && [ "$text" != "$marker" ] && break
    sleep 0.025
  done
  kill "$owner" 2>/dev/null
  wait "$owner" 2>/dev/null
  [ "$text" = "$marker" ] || printf '%s' "$text"
}

# Waits up to SECONDS for TEXT on the clipboard; prints the clipboard's text then.
wait_clip() {
  local now deadline=$(($(date +%s%N) + $2 * 1000000000))
  while :; do
    now=$(clip)
    [ "$now" = "$1" ] || [ "$(date +%s%N)" -ge "$deadline" ] && break
    sleep 0.05
  done
  printf '%s' "$now"
}

# Alt+4, then PATH typed into the file dialog's location field, and Enter. With NAME,
# a picture of the file dialog is saved as NAME.png first. Fails when the dialog does
# not open or does not close.
choose_file() {
  key alt+4
  [ "$(wait_windows 2 5)" = 2 ] || return 1
  [ -n "${2:-}" ] && screenshot "$2" "$(other_window)"
  key ctrl+l
  xdotool type --delay 20 "$1"
  key Return
  [ "$(wait_windows 1 5)" = 1 ]
}

# The number of jobs completed in the virtual embosser folder DIR, and the newest one
# (a job's name begins with the time it was completed).
job_count() { find "$1" -maxdepth 1 -name 'job-*.brl' 2>/dev/null | wc -l; }
last_job() { find "$1" -maxdepth 1 -name 'job-*.brl' 2>/dev/null | sort | tail -1; }
# Waits up to SECONDS for COUNT jobs in DIR; prints the count then.
wait_jobs() {
  local n deadline=$(($(date +%s%N) + $3 * 1000000000))
  while :; do
    n=$(job_count "$1")
    [ "$n" = "$2" ] || [ "$(date +%s%N)" -ge "$deadline" ] && break
    sleep 0.05
  done
  echo "$n"
}

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
  echo "$PASS passed, $FAIL failed"
  if [ "$FAIL" != 0 ]; then
    cp "$WORK"/app.out "$ARTIFACTS/$TEST_NAME.out" 2>/dev/null
    cp "$WORK"/app.err "$ARTIFACTS/$TEST_NAME.err" 2>/dev/null
    echo "logs: $ARTIFACTS/$TEST_NAME.out, $ARTIFACTS/$TEST_NAME.err"
    exit 1
  fi
  exit 0
}
