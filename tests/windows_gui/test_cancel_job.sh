#!/bin/bash
# Cancelling a long job in varnel.exe: Esc in the progress window, then, in a second job,
# the progress window's close box (Alt+F4). Each time the job holds whole pages: the page
# it was on is filled with blank lines to its length and ends with its form feed, the job
# end follows, and the end-of-job sentence is on the clipboard. The embosser sits on a
# parallel port (2 ms after every byte), which leaves time to cancel.
# shellcheck source=wine_gui_lib.sh
source "$GUI_LIB"

SPOOL=$WORK/spool
PRINTER="ESA721 LPT1"
mkdir -p "$SPOOL"
printf '%s\tLPT1:\n' "$PRINTER" >"$SPOOL/printers"
PRINT_FINISHED="印刷を　終了しました"

# A BASE file of 32 cells by 22 lines and 3637 pages.
/usr/bin/python3 - "$WORK/long.BSE" <<'PY'
import sys
header = bytearray(b" " * 514)
header[508:512] = b"3222"
text = b"".join(b"%d\r\n" % i for i in range(1, 80001))
with open(sys.argv[1], "wb") as f:
    f.write(bytes(header) + text + b"\x1a")
PY

launch_app --spooler "dir:$(winpath "$SPOOL")" --settings "$(winpath "$WORK/Varnel.ini")"
wait_ready || finish
choose_file "$(winpath "$WORK/long.BSE")" || bad "file dialog for long.BSE"
check "long file read" "いんさつする　はんいわ　1ページから　3637ページまでの　全ページ　かためん　いんさつ　です" \
  "$(said alt+5)"

# JOB N: the N-th job is on disk, cut short, with whole pages only.
check_cancelled_job() {
  local job pages verdict
  check "job $1 spooled" "$1" "$(wait_jobs "$SPOOL/$PRINTER" "$1" 10)"
  job=$(last_job "$SPOOL/$PRINTER")
  [ -n "$job" ] || return
  pages=$(/usr/bin/python3 "$HERE_LIB/cancelled_job.py" pages "$job")
  [ "$pages" -ge 1 ] && [ "$pages" -lt 3637 ] && ok "job $1 cut short: $pages pages" ||
    bad "job $1 cut short" "$pages pages"
  [ -n "$CLI" ] || { echo "skip - job $1 against Linux varnel-cli (no Linux build given)"; return; }
  "$CLI" print "$WORK/long.BSE" --printer "$PRINTER" --from 1 --to "$pages" \
    --output "$WORK/whole$1.bin" --settings "$WORK/cli.ini" >"$WORK/cli.out" 2>&1 ||
    bad "varnel-cli print" "$(cat "$WORK/cli.out")"
  verdict=$(/usr/bin/python3 "$HERE_LIB/cancelled_job.py" check "$job" "$WORK/whole$1.bin" 22)
  case "$verdict" in
    "page $pages after "*) ok "job $1 holds whole pages of 22 lines, then the job end ($verdict)" ;;
    *) bad "job $1 holds whole pages of 22 lines, then the job end" "$verdict" ;;
  esac
}

# Alt+P; Esc in the progress window once it has printed a little.
clear_clip
key alt+p
check "progress window shown" 2 "$(wait_windows 2 10)"
sleep 1
screenshot progress_window "$(other_window)"
screen_shot progress_screen
key Escape
check "end-of-job sentence after Esc" "$PRINT_FINISHED" "$(wait_clip "$PRINT_FINISHED" 30)"
check "progress window gone" 1 "$(wait_windows 1 10)"
check_cancelled_job 1

# Enter on the Print button (focused after the job) prints again; Alt+F4 in the progress
# window is its close box: it cancels, and the window stays until the page is done.
sleep 2.5
clear_clip
key Return
check "Enter on Print opens the progress window" 2 "$(wait_windows 2 10)"
sleep 0.5
key alt+F4
check "end-of-job sentence after the close box" "$PRINT_FINISHED" "$(wait_clip "$PRINT_FINISHED" 30)"
check_cancelled_job 2

sleep 2.5
key alt+q
wait_exit 10 || bad "Alt+Q ends the program"
check "exit status" 0 "$EXIT_STATUS"
finish
