#!/bin/bash
# Cancelling a long job on an embosser on a parallel port (2 ms after every byte, which
# leaves time to cancel): once with the progress window's Cancel (the driver's
# cancel_progress), once by Esc after Enter on the focused Print button started it. Each
# time the job holds whole pages: the page it was on is filled with blank lines to its
# length and ends with its form feed, the job end follows; the end-of-job sentence is on
# the clipboard and the focus is back on Print.
# shellcheck source=gui_lib.sh
source "$GUI_LIB"

SPOOL=$WORK/spool
PRINTER="ESA721 LPT1"
mkdir -p "$SPOOL"
printf '%s\tLPT1:\n' "$PRINTER" >"$SPOOL/printers"
PRINT_FINISHED=$(sentence PRINT_FINISHED)

# A BASE file of 1000 pages of 22 lines of 32 cells.
"${VARNEL_TEST_FILES:?VARNEL_TEST_FILES must name varnel_test_files}" base "$WORK/long.BSE" \
  32 22 22000 || { bad "varnel_test_files"; finish; }

start_app --spooler "dir:$(app_path "$SPOOL")" --settings "$(app_path "$WORK/Varnel.ini")" ||
  finish
choose_file "$WORK/long.BSE" || bad "file dialog for long.BSE"
check "long file read" "$(sentence range 1 1000 0)" "$(said alt+5)"

# JOB N: the N-th job is on disk, and its bytes are the dialog's job cancelled on a page
# before the last.
check_cancelled_job() {
  local job verdict
  check "job $1 spooled" "$1" "$(wait_for "$1" 10 job_count "$SPOOL/$PRINTER")"
  job=$(last_job "$SPOOL/$PRINTER")
  [ -n "$job" ] || return
  if verdict=$("${VARNEL_CANCELLED_JOB:?}" ESA721 "$WORK/long.BSE" "$job") &&
     [ "${verdict##*:}" -lt 1000 ]; then
    ok "job $1 cancelled with whole pages ($verdict)"
  else
    bad "job $1 cancelled with whole pages" "$verdict"
  fi
}

# Alt+P, then Cancel once the job has printed a little.
clear_clip
key alt+p
check "progress window shown" 2 "$(wait_windows 2 10)"
sleep 0.5
screenshot progress_window "$(other_window)"
cancel_progress
check "end-of-job sentence after Cancel" "$PRINT_FINISHED" "$(wait_clip "$PRINT_FINISHED" 30)"
check "progress window gone" 1 "$(wait_windows 1 10)"
check_focus "focus back on Print" "push button|印刷(P)" 10
check_cancelled_job 1

# Enter on the focused Print button prints again; Esc in the progress window cancels.
sleep 2.5   # the main window takes keys again once the sentence has had its 2 s
clear_clip
key Return
check "Enter on Print opens the progress window" 2 "$(wait_windows 2 10)"
sleep 0.5
key Escape
check "end-of-job sentence after Esc" "$PRINT_FINISHED" "$(wait_clip "$PRINT_FINISHED" 30)"
check_focus "focus back on Print after Esc" "push button|印刷(P)" 10
check_cancelled_job 2

sleep 2.5
key alt+q
wait_exit 10 || bad "Alt+Q ends the program"
check "exit status" 0 "$EXIT_STATUS"
finish
