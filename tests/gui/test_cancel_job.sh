#!/bin/bash
# Cancelling a long job on a virtual embosser: once by a mouse click on the progress
# window's Cancel button, once by Esc after Enter on the focused Print button started
# it. Each time the job's file holds whole pages: the page it was on is filled with
# blank lines to its length, ends with its form feed, and the job end follows; the
# end-of-job sentence is on the clipboard and the focus is back on Print.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"

SPOOL=$WORK/spool
PRINTER=仮想ESA721   # the first of the sorted list, chosen on first start
mkdir -p "$SPOOL"
PRINT_FINISHED=$(sentence PRINT_FINISHED)

# A BASE file of 32 cells by 22 lines and 80,000 short lines (about 600 KB, 3637 pages):
# each line is one more check for Cancel, so the job runs for seconds.
/usr/bin/python3 - "$WORK/long.BSE" <<'PY'
import sys
header = bytearray(b" " * 514)
header[508:512] = b"3222"
text = b"".join(b"%d\r\n" % i for i in range(1, 80001))
with open(sys.argv[1], "wb") as f:
    f.write(bytes(header) + text + b"\x1a")
PY

start_app --spooler "dir:$SPOOL" --settings "$WORK/Varnel.ini" || finish
choose_file "$WORK/long.BSE" || bad "file dialog for long.BSE"
a11y_dump "$WORK/a11y.txt"
check "long file read: range and copies" "1 3637 1" "$(for n in 開始 終了 部数; do
  a11y_field "$WORK/a11y.txt" text "$n" 9; done | xargs)"

# JOB N: the N-th job is on disk, cut short, with whole pages only.
check_cancelled_job() {
  local job pages verdict
  check "job $1 spooled" "$1" "$(wait_jobs "$SPOOL/$PRINTER" "$1" 10)"
  job=$(last_job "$SPOOL/$PRINTER")
  [ -n "$job" ] || return
  pages=$(/usr/bin/python3 "$HERE_LIB/cancelled_job.py" pages "$job")
  [ "$pages" -ge 1 ] && [ "$pages" -lt 3637 ] && ok "job $1 cut short: $pages pages" ||
    bad "job $1 cut short" "$pages pages"
  "$CLI" print "$WORK/long.BSE" --printer "$PRINTER" --from 1 --to "$pages" \
    --output "$WORK/whole$1.bin" --settings "$WORK/cli.ini" >"$WORK/cli.out" 2>&1 ||
    bad "varnel-cli print" "$(cat "$WORK/cli.out")"
  verdict=$(/usr/bin/python3 "$HERE_LIB/cancelled_job.py" check "$job" "$WORK/whole$1.bin" 22)
  case "$verdict" in
    "page $pages after "*) ok "job $1 holds whole pages of 22 lines, then the job end ($verdict)" ;;
    *) bad "job $1 holds whole pages of 22 lines, then the job end" "$verdict" ;;
  esac
}

# Alt+P; a click in the middle of the progress window's Cancel button.
clear_clip
key alt+p
check "progress window shown" 2 "$(wait_windows 2 5)"
a11y_dump "$WORK/progress.txt"
screenshot progress_window "$(other_window)"
check "Cancel button showing" 1 "$(a11y_field "$WORK/progress.txt" "push button" ｷｬﾝｾﾙ 3)"
click_on "$WORK/progress.txt" "push button" ｷｬﾝｾﾙ
check "end-of-job sentence after the click" "$PRINT_FINISHED" "$(wait_clip "$PRINT_FINISHED" 30)"
check "progress window gone" 1 "$(wait_windows 1 5)"
check "focus back on Print" "push button|印刷(P)" "$(wait_focus "push button|印刷(P)" 10)"
check_cancelled_job 1

# Enter on the focused Print button prints again; Esc in the progress window cancels.
clear_clip
key Return
check "Enter on Print opens the progress window" 2 "$(wait_windows 2 5)"
key Escape
check "end-of-job sentence after Esc" "$PRINT_FINISHED" "$(wait_clip "$PRINT_FINISHED" 30)"
check "focus back on Print after Esc" "push button|印刷(P)" "$(wait_focus "push button|印刷(P)" 10)"
check_cancelled_job 2

key alt+q
wait_exit 10 || bad "Alt+Q ends the program"
check "exit status" 0 "$EXIT_STATUS"
finish
