# shellcheck shell=bash disable=SC2034  # sets variables for the tests
# The wxWidgets back end of the real-window tests (sourced by gui_lib.sh): varnel on
# Xvfb without a window manager, in a private D-Bus session whose accessibility bus
# shows the controls (a11y_dump.py).

# Paths are the program's own.
app_path() { printf '%s' "$1"; }

# The desktop's libraries keep caches to the end by design; their allocations are
# suppressed by library name, so that a leak of Varnel's own still fails the test.
export LSAN_OPTIONS=${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$HERE_LIB/lsan.supp:print_suppressions=0

# Runs a program of the build.
run_program() { "$@"; }

# Starts varnel with the given options, without waiting; sets APP_PID and T0 (ns).
launch_app() {
  : >"$WORK/app.out"
  T0=$(date +%s%N)
  # (with_orca.sh may give it the accessibility libraries Orca runs on)
  LD_LIBRARY_PATH=${APP_LIBRARY_PATH:-${LD_LIBRARY_PATH:-}} "$APP" "$@" >"$WORK/app.out" \
    2>"$WORK/app.err" &
  APP_PID=$!
}

# The program's windows on screen; with PATTERN, those whose name matches it.
app_windows() {
  xdotool search --all --onlyvisible --pid "$APP_PID" ${1:+--name "$1"} 2>/dev/null
}

# The main window, given the keyboard: without a window manager nobody else gives it.
main_window() {
  local window
  window=$(app_windows '^Varnel$' | head -1)
  [ -n "$window" ] && xdotool windowfocus --sync "$window"
  printf '%s' "$window"
}

# Types PATH into the file dialog's location field (Ctrl+L opens it).
type_file_name() { key ctrl+l; xdotool type --delay 20 "$1"; }

# The close box of WINDOW (the main window by default): the window manager's
# WM_DELETE_WINDOW request, as a click on it sends.
close_box() { /usr/bin/python3 "$HERE_LIB/close_window.py" "${1:-$WID}"; }

# Cancels the job under way by a click in the middle of the progress window's Cancel button.
cancel_progress() {
  a11y_dump "$WORK/progress.txt"
  check "Cancel button showing" 1 "$(a11y_field "$WORK/progress.txt" "push button" ｷｬﾝｾﾙ 3)"
  click_on "$WORK/progress.txt" "push button" ｷｬﾝｾﾙ
}

# On GTK the window menu belongs to the window manager, and a program cannot add its
# about entry there: the Version button's key opens the about box instead.
about_from_window_menu() {
  echo "skip - the window menu's about entry (none on GTK)"
  key alt+v
}

# The embossers of a session: the dir spooler's virtual embossers (without a printer list,
# one a model), each a folder of job files. Sets SPOOLER, the program's options for them.
embossers() {
  SPOOL=$WORK/spool
  mkdir -p "$SPOOL"
  SPOOLER=(--spooler "dir:$SPOOL")
}
embosser_port() { printf '%s' "$SPOOL/$1"; }
# The number of jobs embosser NAME completed, and the file of the last one.
embosser_jobs() { job_count "$SPOOL/$1"; }
embosser_job() { last_job "$SPOOL/$1"; }

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
focused_now() { a11y_dump "$WORK/focus.txt"; a11y_focused "$WORK/focus.txt"; }
# Waits up to SECONDS for the focus to be on "ROLE|NAME"; prints where it is.
wait_focus() { wait_for "$1" "$2" focused_now; }
# check_focus NAME ROLE|NAME SECONDS: the focus gets there within SECONDS.
check_focus() { check "$1" "$2" "$(wait_focus "$2" "$3")"; }
# check_label NAME TEXT: a label beginning with TEXT is on screen.
check_label() {
  a11y_dump "$WORK/a11y.txt"
  if grep -q "^label|$2" "$WORK/a11y.txt"; then ok "$1"; else bad "$1"; fi
}
# Clicks the middle of the object with ROLE and NAME in the dump FILE.
click_on() {
  local box x y w h
  box=$(a11y_field "$1" "$2" "$3" 8)
  IFS=, read -r x y w h <<<"$box"
  xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click 1
  sleep 0.3
}
