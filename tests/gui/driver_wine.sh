# shellcheck shell=bash disable=SC2034  # sets variables for the tests
# The Windows back end of the real-window tests (sourced by gui_lib.sh): varnel.exe under
# Wine on Xvfb, in a Japanese Wine prefix without a window manager (run_gui_test.sh --wine
# sets WINE and WINEPREFIX). Wine has no accessibility tree to read controls from, and no
# UI Automation notifications: the program gets a stand-in UIAutomationCore.dll (UIA_PROBE)
# that writes them down in WORK/uia.log, and stand-ins for PC-Talker's and NVDA's libraries
# (PCTK_PROBE, NVDA_PROBE) that write down their calls in WORK/pctk.log and WORK/nvda.log;
# those readers "run" when READERS_RUNNING is 1.
# shellcheck source=../cups/cupsfix.sh
source "$HERE_LIB/../cups/cupsfix.sh"

# Runs a Windows program in the Japanese locale: its system dialogs (the file dialog,
# message boxes) then draw Japanese text with a Japanese font.
wine_run() { LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 "$WINE" "$@"; }
run_program() { wine_run "$@"; }

# The Windows name of a Unix path (Wine's drive Z: is the root).
app_path() { printf 'Z:%s' "$1" | tr / '\\'; }

# The clipboard is handed to another Windows program (CLIP_OWNER, started once with the
# first program), not to an X program: Wine copies an X program's selection into the
# Windows clipboard only some time after it changed, and may copy it over a sentence the
# program has placed meanwhile.
start_clip_owner() {
  [ -n "${CLIP_OWNER_FD:-}" ] && return
  mkfifo "$WORK/clip_owner.fifo"
  wine_run "${CLIP_OWNER:?CLIP_OWNER names the program that takes the clipboard}" \
    <"$WORK/clip_owner.fifo" >"$WORK/clip_owner.out" 2>&1 &
  exec {CLIP_OWNER_FD}>"$WORK/clip_owner.fifo"
}
give_clip() {
  printf '%s\n' "$1" >&"${CLIP_OWNER_FD:?the clipboard owner starts with the program}"
  wait_for "$1" 10 clip >/dev/null
}

# Starts varnel.exe with the given options, without waiting; sets APP_PID and T0 (ns).
launch_app() {
  start_clip_owner
  : >"$WORK/app.out"
  T0=$(date +%s%N)
  # The program with the stand-in libraries beside it, UI Automation's loaded instead of
  # Wine's own.
  mkdir -p "$WORK/app"
  cp "$APP" "$WORK/app/varnel.exe"
  cp "${UIA_PROBE:?UIA_PROBE names the stand-in UIAutomationCore.dll}" \
    "$WORK/app/UIAutomationCore.dll"
  cp "${PCTK_PROBE:?}" "${NVDA_PROBE:?}" "$WORK/app/"
  WINEDLLOVERRIDES="uiautomationcore=n,b" VARNEL_UIA_PROBE_LOG=$(app_path "$WORK/uia.log") \
    VARNEL_PCTK_PROBE_LOG=$(app_path "$WORK/pctk.log") \
    VARNEL_NVDA_PROBE_LOG=$(app_path "$WORK/nvda.log") VARNEL_READERS_RUNNING=${READERS_RUNNING:-0} \
    wine_run "$WORK/app/varnel.exe" "$@" >"$WORK/app.out" 2>"$WORK/app.err" {CLIP_OWNER_FD}>&- &
  APP_PID=$!
}

# The program's windows on screen, oldest first; with PATTERN, those whose name matches
# it. Wine keeps its hidden helper windows (input method, clipboard) unmapped.
app_windows() { xdotool search --all --onlyvisible --name "${1:-.}" 2>/dev/null; }

# The main window; Wine gives the keyboard to the window it activates, as Windows does.
main_window() { app_windows '^Varnel$' | head -1; }

# Types PATH into the file dialog's name field, which has the focus.
type_file_name() { xdotool type --delay 20 "$1"; }

# The close box of the active window: Alt+F4, its command in the window menu (Wine draws
# the frames itself).
close_box() { key alt+F4; }

# Without an accessibility tree the Cancel button cannot be found: the progress window's
# close box, which cancels too.
cancel_progress() { close_box; }

# The window menu (Alt+Space) ends with a separator and the about entry. Up from the
# first item reaches the last (Wine adds an entry of its own whose letter is also A).
about_from_window_menu() {
  key alt+space
  sleep 0.3
  screenshot window_menu root
  key Up
  key Return
}

# The embossers of a session: a private CUPS scheduler reached through the Windows
# spooler (the program's default), with a raw queue for each virtual embosser name
# varnel-cli lists, and an office printer, not an embosser, that the program leaves out.
# Sets SPOOLER (no options).
embossers() {
  local name
  cupsfix_start "$WORK/cups" || { bad "private CUPS scheduler starts"; return 1; }
  trap 'stop_app; cupsfix_stop' EXIT
  while IFS=$'\t' read -r name _; do
    cupsfix_add_queue "$name" "$(embosser_job "$name")"
  done < <("$CLI" printers --spooler "dir:$WORK/names")
  cupsfix_add_queue Office office.out
  SPOOLER=()
}
# Wine's port for a CUPS queue is CUPS:NAME; the program shows it without colons.
embosser_port() { printf 'CUPS%s' "$1"; }
# The number of jobs queue NAME completed (lpstat spells its name percent-encoded), and
# the file the last one's bytes went to (named in hexadecimal: the device address stays
# ASCII).
embosser_jobs() {
  lpstat -W completed -o 2>/dev/null | sed 's/ .*//; s/%/\\x/g' | xargs -r -d'\n' printf '%b\n' |
    grep -c "^$1-[0-9]*$"
}
embosser_job() { printf '%s/out/%s.out' "$CUPSFIX_DIR" "$(printf '%s' "$1" | od -An -tx1 | tr -d ' \n')"; }

no_accessibility_tree() { echo "skip - $1 (no accessibility tree under Wine)"; }
check_focus() { no_accessibility_tree "$1"; }
check_label() { no_accessibility_tree "$1"; }

# Every sentence of a session that ended with Alt+Q (WORK/heard.txt, then the closing one)
# reached the screen readers once, in order. With READERS_RUNNING=1: through PC-Talker's
# and NVDA's own interfaces (exact bytes, each call after its running check) and no
# notification; else as UI Automation notifications on the main window, the readers only
# asked whether they run. JAWS is not installed under Wine: its class is not registered.
check_heard_by_readers() {
  local line pctk='PCTKStatus 0\n' nvda='testIfRunning 1722\n'
  { cat "$WORK/heard.txt"; sentence CLOSING; } >"$WORK/all.txt"
  if [ "${READERS_RUNNING:-0}" = 1 ]; then
    pctk='PCTKStatus 1\nPCTKPRead 0 1 %s\n'
    nvda='testIfRunning 0\nspeakText %s\nbrailleMessage %s\n'
    check "no UI Automation notification while readers run" "" "$(cat "$WORK/uia.log" 2>/dev/null)"
  else
    check "each sentence raised as a UI Automation notification, in order" \
      "$(sed 's/.*/4 1 Varnel.Announcement|&|Varnel/' "$WORK/all.txt")" "$(cat "$WORK/uia.log")"
  fi
  while IFS= read -r line; do
    # shellcheck disable=SC2059  # the formats are this function's own
    printf "$pctk" "$line" >>"$WORK/pctk.want"
    # shellcheck disable=SC2059
    printf "$nvda" "$line" "$line" >>"$WORK/nvda.want"
  done <"$WORK/all.txt"
  iconv -t CP932 "$WORK/pctk.want" >"$WORK/pctk.bytes"
  iconv -t UTF-16LE "$WORK/nvda.want" >"$WORK/nvda.bytes"
  expect_same_bytes "$WORK/pctk.bytes" "$WORK/pctk.log" "PC-Talker's calls, the text in code page 932"
  expect_same_bytes "$WORK/nvda.bytes" "$WORK/nvda.log" "NVDA's calls, the text in UTF-16"
}
